#include "report/SentenceImpact.h"

#include "engine/ReadabilityMetrics.h"
#include "report/Recommendations.h"

SentenceLevel LevelOfSentence(std::int64_t words, int maxSentenceLength) {
    // Twice the words against three times the aim keeps "one and a half" exact.
    if (2 * words > 3 * static_cast<std::int64_t>(maxSentenceLength)) {
        return SentenceLevel::VeryLong;
    }
    return words > maxSentenceLength ? SentenceLevel::Long : SentenceLevel::None;
}

SentenceImpact ImpactWithout(const AnalysisJob& whole, const AsciiWordCounts& wholeAscii,
                             const SentenceSpan& part, const ScoreProfile& profile,
                             EnglishVariant variant) {
    AnalysisJob rest;
    rest.wordCount = whole.wordCount - part.words;
    rest.sentenceCount = whole.sentenceCount - part.sentences;
    rest.characterCount = whole.characterCount - part.characters;
    rest.syllableCount = whole.syllableCount - part.syllables;
    const AsciiWordCounts restAscii{wholeAscii.complexWords - part.complexWords,
                                    wholeAscii.longWords - part.longWords};
    // The reading rates play no part in the grade, the ease or the score.
    ComputeMetricsFromCounts(rest, restAscii, variant, {});
    SentenceImpact impact;
    impact.gradeWithout = rest.fleschKincaidGrade;
    impact.easeWithout = rest.fleschReadingEase;
    if (!IsTooShortForScore(rest)) {
        impact.scoreWithout =
            ComputeWeightedScoreFromCounts(rest, restAscii.complexWords, profile).overallScore;
    }
    return impact;
}

std::vector<SentenceImpact> SentenceImpacts(const AnalysisJob& whole,
                                            const AsciiWordCounts& wholeAscii,
                                            const std::vector<SentenceSpan>& spans, int scenario,
                                            EnglishVariant variant) {
    const ScoreProfile& profile = SelectScoreProfile(scenario, variant);
    std::vector<SentenceImpact> impacts;
    impacts.reserve(spans.size());
    for (const SentenceSpan& span : spans) {
        SentenceImpact& impact =
            impacts.emplace_back(ImpactWithout(whole, wholeAscii, span, profile, variant));
        impact.level = LevelOfSentence(span.words, profile.maxSentenceLength);
    }
    return impacts;
}
