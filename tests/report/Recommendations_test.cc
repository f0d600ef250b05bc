#include "report/Recommendations.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "report/ReportTexts.h"

namespace {

constexpr auto kUs = EnglishVariant::Us;

AnalysisJob MakeJob(std::u16string text, std::int64_t words, std::int64_t sentences) {
    AnalysisJob job;
    job.text = std::move(text);
    job.wordCount = words;
    job.sentenceCount = sentences;
    return job;
}

// The lines of a report, each of which must end in CR LF.
std::vector<std::u16string> Lines(std::u16string_view report) {
    std::vector<std::u16string> lines;
    while (!report.empty()) {
        const auto end = report.find(u"\r\n");
        EXPECT_NE(end, std::u16string_view::npos) << "unterminated last line";
        lines.emplace_back(report.substr(0, end));
        report.remove_prefix(end == std::u16string_view::npos ? report.size() : end + 2);
    }
    return lines;
}

TEST(BuildRecommendations, GoldenReportForAShortText) {
    // 15 words in 3 sentences, 3 of them complex (Nobody, noticed, anything): under US
    // General Content the sentence score is 100 - 100 * 15 / 20 = 25, vocabulary
    // 100 - 100 * 5 / 15 = 66.67, ease 90 scores 100 - 100 * 10 / 80 = 87.5, the others 100:
    // 25 * 0.4 + 66.67 * 0.3 + 87.5 * 0.2 + 100 * 0.1 = 57.50. The scan finds 68 characters
    // in 15 words (4.53), 13 distinct words, "the" three times.
    AnalysisJob job = MakeJob(
        u"The quick fox jumps over the lazy dog. The dog is asleep. Nobody noticed anything.", 15,
        3);
    job.fleschReadingEase = 90;
    job.smogIndex = 10;
    job.gunningFogIndex = 12;
    job.lixIndex = 40;
    const std::u16string report = BuildRecommendations(job, 0, kUs);
    ASSERT_EQ(report.front(), u'\n');
    const std::vector<std::u16string> expected = {
        u"Overall Weighted Quillory Score: (57.50/100)",
        u"",
        u"\U0001F534 Challenging: The text may be difficult for your audience to read. Consider "
        u"restructuring sentences and reducing the density of complex words to improve clarity.",
        u"",
        u"Comparative Insights:",
        u"\u2022 Text may feel as complex as a technical manual or dense academic research.",
        u"",
        u"Strengths Identified:",
        u"\U0001F534 Sentence Length: Needs improvement. Sentence lengths may be too long or "
        u"inconsistent. ",
        u"  \u2022 Long sentences can overwhelm readers; consider breaking them into shorter "
        u"parts.",
        u"  \u2022 Aim for a more balanced sentence structure to make the text easier to read.",
        u"\U0001F7E2 Flesch-Kincaid Ease: Great! The readability level matches your audience's "
        u"expectations well. ",
        u"  \u2022 Your text is accessible and likely enjoyable for your readers.",
        u"  \u2022 Maintain this level of readability by avoiding overly complex terms or "
        u"structures.",
        u"\U0001F7E1 Vocabulary Complexity: Acceptable. While the vocabulary is somewhat "
        u"appropriate, there is room for improvement. ",
        u"  \u2022 Reduce the use of advanced terms or jargon that may confuse some readers.",
        u"  \u2022 Simplify expressions where possible to improve comprehension.",
        u"",
        u"Word Length Insights:",
        u"\u2022 Average word length: 4.53 characters, which is ideal for readability",
        u"",
        u"Lexical Diversity:",
        u"\u2022 Unique words: 13 out of 15 total words",
        u"  \u2022 Lexical diversity is strong, showing good variety in word choice",
        u"",
        u"Word Frequency Analysis:",
        u"  \u2022 'the' appears 3 times",
        u"  \u2022 'quick' appears 1 times",
        u"  \u2022 'fox' appears 1 times",
        u"  \u2022 'jumps' appears 1 times",
        u"  \u2022 'over' appears 1 times",
        u"",
        u"Repetition Recommendations:",
        u"\u2022 Repeated words: 2",
        u"  \u2022 Vary word choice to improve reader engagement",
    };
    const std::vector<std::u16string> lines = Lines(std::u16string_view(report).substr(1));
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

TEST(BuildRecommendations, TooShortTextsGetOnlyTheTwoLines) {
    const std::u16string tooShort =
        u"The text is too short for a reliable readability analysis. \r\n"
        u"Please provide more content (minimum of 5 words and 2 sentences).\r\n";
    EXPECT_EQ(BuildRecommendations(MakeJob(u"a b. c d.", 4, 2), 0, kUs), tooShort);
    EXPECT_EQ(BuildRecommendations(MakeJob(u"", 50, 1), 3, EnglishVariant::Uk), tooShort);
    EXPECT_EQ(BuildRecommendations(MakeJob(u"a b. c d e.", 5, 2), 0, kUs).front(), u'\n');
}

TEST(BuildRecommendations, WarnsOnlyAboveTheMaximumSentenceLength) {
    const std::u16string warning =
        u"\u2022 Your sentences average 20.50 words, exceeding the recommended maximum of 20 "
        u"words.\r\n";
    const std::u16string report = BuildRecommendations(MakeJob(u"a. b.", 41, 2), 0, kUs);
    const auto at = report.find(warning);
    ASSERT_NE(at, std::u16string::npos);
    // Between the sentence-length advice (grade 1 at 97.5) and the reading-ease headline.
    EXPECT_TRUE(std::u16string_view(report).substr(0, at).ends_with(
        u"mix of sentence types to maintain this strong readability.\r\n"));
    EXPECT_TRUE(std::u16string_view(report)
                    .substr(at + warning.size())
                    .starts_with(u"\U0001F534 Flesch-Kincaid Ease:"));
    EXPECT_EQ(
        BuildRecommendations(MakeJob(u"a. b.", 40, 2), 0, kUs).find(u"Your sentences average"),
        std::u16string::npos);
}

TEST(BuildRecommendations, LexicalThresholds) {
    auto report = [](std::u16string text) {
        return BuildRecommendations(MakeJob(std::move(text), 10, 2), 0, kUs);
    };
    const std::u16string strong =
        u"  \u2022 Lexical diversity is strong, showing good variety in word choice\r\n";
    const std::u16string weak =
        u"  \u2022 Consider improving lexical diversity with synonyms or varied phrasing\r\n";
    EXPECT_NE(report(u"a b c d e a b c d e").find(strong), std::u16string::npos);
    EXPECT_NE(report(u"a b c d a b c d a b").find(weak), std::u16string::npos);

    std::u16string fives = u"abcde";
    for (int i = 1; i < 100; ++i) {
        fives += u" abcde";
    }
    EXPECT_NE(report(fives).find(u"5.00 characters, which is ideal for readability\r\n"),
              std::u16string::npos);
    EXPECT_NE(report(fives + u"f")
                  .find(u"5.01 characters, which may be complex\r\n  \u2022 "
                        u"Consider using simpler words to improve readability\r\n"),
              std::u16string::npos);

    // No repetition: the closing line stands alone, with no heading and no empty line before.
    EXPECT_TRUE(report(u"a b c").ends_with(
        u"appears 1 times\r\n"
        u"\u2022 Repetitions are minimal, keeping the text engaging and diverse\r\n"));
}

TEST(ReportTexts, VerdictByIntegerPartComparisonByValue) {
    EXPECT_TRUE(VerdictLine(89.996).starts_with(u"\U0001F7E2 Excellent:"));
    EXPECT_TRUE(ComparisonLine(89.996).starts_with(u"\u2022 Similar to general online content"));
    EXPECT_TRUE(VerdictLine(50.00).starts_with(u"\U0001F534 Challenging:"));
    EXPECT_TRUE(ComparisonLine(50.00).starts_with(u"\u2022 Text may feel as complex"));
    EXPECT_TRUE(VerdictLine(49.99).starts_with(u"\u274C Poor:"));
    EXPECT_TRUE(ComparisonLine(49.99).starts_with(u"\u2022 Text resembles highly specialized"));
    EXPECT_TRUE(
        VerdictLine(105).starts_with(u"\U0001F3C6 Exceptional: The text is highly "
                                     u"readable And perfectly tailored For"));
    EXPECT_TRUE(ComparisonLine(105).starts_with(u"\u2022 Comparable to a highly engaging"));
}

TEST(ReportTexts, GradesStartAt90And80And60) {
    EXPECT_TRUE(SentenceLengthSection(90).headline.starts_with(u"\U0001F7E2 Sentence Length: Exc"));
    EXPECT_TRUE(
        SentenceLengthSection(89.99).headline.starts_with(u"\U0001F7E2 Sentence Length: V"));
    EXPECT_TRUE(ReadingEaseSection(60).headline.starts_with(u"\U0001F7E1 Flesch-Kincaid Ease: Ad"));
    EXPECT_TRUE(VocabularySection(59.99).headline.starts_with(u"\U0001F534 Vocabulary Complexity"));
}

}  // namespace
