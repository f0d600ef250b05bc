#include "report/Recommendations.h"

#include <initializer_list>
#include <string_view>

#include "engine/TwoDecimals.h"
#include "report/LexicalStatistics.h"
#include "report/ReportTexts.h"
#include "report/WeightedScore.h"

namespace {

constexpr std::int64_t kMinimumWords = 5;
constexpr std::int64_t kMinimumSentences = 2;
constexpr double kIdealAverageWordLength = 5.0;

void AppendLine(std::u16string& report, std::initializer_list<std::u16string_view> parts) {
    for (const std::u16string_view part : parts) {
        report += part;
    }
    report += u"\r\n";
}

void AppendSection(std::u16string& report, const GradedSection& section) {
    AppendLine(report, {section.headline});
    AppendLine(report, {section.firstAdvice});
    AppendLine(report, {section.secondAdvice});
}

void AppendLexicalSection(std::u16string& report, const LexicalStatistics& stats) {
    const double averageLength =
        stats.wordsScanned == 0
            ? 0
            : static_cast<double>(stats.totalCharacters) / static_cast<double>(stats.wordsScanned);
    const std::u16string averageText = FormatTwoDecimals(averageLength);
    AppendLine(report, {});
    AppendLine(report, {u"Word Length Insights:"});
    if (averageLength > kIdealAverageWordLength) {
        AppendLine(report, {u"\u2022 Average word length: ", averageText,
                            u" characters, which may be complex"});
        AppendLine(report, {u"  \u2022 Consider using simpler words to improve readability"});
    } else {
        AppendLine(report, {u"\u2022 Average word length: ", averageText,
                            u" characters, which is ideal for readability"});
    }

    AppendLine(report, {});
    AppendLine(report, {u"Lexical Diversity:"});
    AppendLine(report, {u"\u2022 Unique words: ", FormatCount(stats.distinctWords), u" out of ",
                        FormatCount(stats.wordsScanned), u" total words"});
    // Half the words, unrounded, against the distinct words: doubled to stay in integers.
    if (stats.wordsScanned > 2 * stats.distinctWords) {
        AppendLine(
            report,
            {u"  \u2022 Consider improving lexical diversity with synonyms or varied phrasing"});
    } else {
        AppendLine(report,
                   {u"  \u2022 Lexical diversity is strong, showing good variety in word choice"});
    }

    AppendLine(report, {});
    AppendLine(report, {u"Word Frequency Analysis:"});
    for (const WordFrequency& frequency : stats.mostFrequent) {
        AppendLine(report, {u"  \u2022 '", frequency.word, u"' appears ",
                            FormatCount(frequency.count), u" times"});
    }

    if (stats.repeatedOccurrences > 0) {
        AppendLine(report, {});
        AppendLine(report, {u"Repetition Recommendations:"});
        AppendLine(report, {u"\u2022 Repeated words: ", FormatCount(stats.repeatedOccurrences)});
        AppendLine(report, {u"  \u2022 Vary word choice to improve reader engagement"});
    } else {
        AppendLine(report,
                   {u"\u2022 Repetitions are minimal, keeping the text engaging and diverse"});
    }
}

}  // namespace

bool IsTooShortForScore(const AnalysisJob& job) {
    return job.wordCount < kMinimumWords || job.sentenceCount < kMinimumSentences;
}

std::u16string BuildRecommendations(const AnalysisJob& job, int scenario, EnglishVariant variant) {
    std::u16string report;
    if (IsTooShortForScore(job)) {
        AppendLine(report, {u"The text is too short for a reliable readability analysis. "});
        AppendLine(report, {u"Please provide more content (minimum of 5 words and 2 sentences)."});
        return report;
    }

    const ScoreProfile& profile = SelectScoreProfile(scenario, variant);
    const WeightedScore score = ComputeWeightedScore(job, profile, variant);
    report += u'\n';
    AppendLine(report, {u"Overall Weighted Quillory Score: (",
                        FormatTwoDecimals(score.overallScore), u"/100)"});
    AppendLine(report, {});
    AppendLine(report, {VerdictLine(score.overallScore)});
    AppendLine(report, {});
    AppendLine(report, {u"Comparative Insights:"});
    AppendLine(report, {ComparisonLine(score.overallScore)});
    AppendLine(report, {});
    AppendLine(report, {u"Strengths Identified:"});
    AppendSection(report, SentenceLengthSection(score.sentenceScore));
    if (score.averageSentenceLength > profile.maxSentenceLength) {
        AppendLine(report, {u"\u2022 Your sentences average ",
                            FormatTwoDecimals(score.averageSentenceLength),
                            u" words, exceeding the recommended maximum of ",
                            FormatCount(profile.maxSentenceLength), u" words."});
    }
    AppendSection(report, ReadingEaseSection(score.easeScore));
    AppendSection(report, VocabularySection(score.vocabularyScore));
    AppendLexicalSection(report, ScanLexicon(job.text));
    return report;
}
