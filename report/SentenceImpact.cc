#include "report/SentenceImpact.h"

#include "engine/ReadabilityMetrics.h"
#include "report/Recommendations.h"
#include "report/WeightedScore.h"

SentenceLevel LevelOfSentence(std::int64_t words, int maxSentenceLength) {
    // Twice the words against three times the aim keeps "one and a half" exact.
    if (2 * words > 3 * static_cast<std::int64_t>(maxSentenceLength)) {
        return SentenceLevel::VeryLong;
    }
    return words > maxSentenceLength ? SentenceLevel::Long : SentenceLevel::None;
}

std::vector<SentenceImpact> SentenceImpacts(const AnalysisJob& whole,
                                            const AsciiWordCounts& wholeAscii,
                                            const std::vector<SentenceSpan>& spans, int scenario,
                                            EnglishVariant variant) {
    const ScoreProfile& profile = SelectScoreProfile(scenario, variant);
    std::vector<SentenceImpact> impacts;
    impacts.reserve(spans.size());
    for (const SentenceSpan& span : spans) {
        AnalysisJob rest;
        rest.wordCount = whole.wordCount - span.words;
        rest.sentenceCount = whole.sentenceCount - span.sentences;
        rest.characterCount = whole.characterCount - span.characters;
        rest.syllableCount = whole.syllableCount - span.syllables;
        const AsciiWordCounts restAscii{wholeAscii.complexWords - span.complexWords,
                                        wholeAscii.longWords - span.longWords};
        // The reading rates play no part in the grade or the score.
        ComputeMetricsFromCounts(rest, restAscii, variant, {});
        SentenceImpact& impact = impacts.emplace_back();
        impact.level = LevelOfSentence(span.words, profile.maxSentenceLength);
        impact.gradeWithout = rest.fleschKincaidGrade;
        if (!IsTooShortForScore(rest)) {
            impact.scoreWithout =
                ComputeWeightedScoreFromCounts(rest, restAscii.complexWords, profile).overallScore;
        }
    }
    return impacts;
}
