#include "results/SummaryLine.h"

#include <gtest/gtest.h>

#include "engine/TextStatistics.h"

namespace {

constexpr int kUsPage = CharactersPerPage(EnglishVariant::Us);
constexpr int kUkPage = CharactersPerPage(EnglishVariant::Uk);

AnalysisJob JobWithText(std::u16string text) {
    AnalysisJob job;
    job.text = std::move(text);
    return job;
}

TEST(SummaryLine, CountsParagraphsAsRunsBetweenBreaks) {
    EXPECT_EQ(CountSummaryParagraphs(u""), 0);
    EXPECT_EQ(CountSummaryParagraphs(u"One\r\n\r\nTwo\nThree"), 3);
    EXPECT_EQ(CountSummaryParagraphs(u" \n "), 2);
    EXPECT_EQ(CountSummaryParagraphs(u"\r\n\nA\r"), 1);
}

TEST(SummaryLine, RoundsPagesUp) {
    EXPECT_EQ(CountPages(0, kUsPage), 0);
    EXPECT_EQ(CountPages(1, kUsPage), 1);
    EXPECT_EQ(CountPages(1800, kUsPage), 1);
    EXPECT_EQ(CountPages(1801, kUsPage), 2);
    EXPECT_EQ(CountPages(1500, kUkPage), 1);
    EXPECT_EQ(CountPages(1501, kUkPage), 2);
    EXPECT_EQ(CountPages(32768, kUkPage), 22);
    EXPECT_EQ(CountPages(10, 0), 0);
}

TEST(SummaryLine, WritesCountsWithOnlyThePageNounSingular) {
    SummaryMemory memory;
    AnalysisJob job = JobWithText(u"Hello world.");
    CountText(job, EnglishVariant::Us);
    EXPECT_EQ(SummaryLineText(memory, job, 0, kUsPage),
              u"2 words, 1 sentences, 1 paragraphs, and 1 page");

    EXPECT_EQ(SummaryLineText(memory, JobWithText(u" \n "), 0, kUsPage),
              u"0 words, 0 sentences, 2 paragraphs, and 1 page");
    EXPECT_EQ(SummaryLineText(memory, JobWithText(std::u16string(1801, u'a')), 0, kUsPage),
              u"0 words, 0 sentences, 1 paragraphs, and 2 pages");
    EXPECT_EQ(SummaryLineText(memory, JobWithText(u""), 0, kUsPage),
              u"There is no text to analyze!");
}

TEST(SummaryLine, MemoryIsKeyedOnTextScenarioAndPageSize) {
    SummaryMemory memory;
    AnalysisJob job = JobWithText(std::u16string(1700, u'a'));
    job.wordCount = 1;
    EXPECT_EQ(SummaryLineText(memory, job, 0, kUsPage),
              u"1 words, 0 sentences, 1 paragraphs, and 1 page");

    // An unchanged key reuses the remembered counts; the words are read afresh.
    memory.paragraphs = 7;
    job.wordCount = 5;
    EXPECT_EQ(SummaryLineText(memory, job, 0, kUsPage),
              u"5 words, 0 sentences, 7 paragraphs, and 1 page");

    EXPECT_EQ(SummaryLineText(memory, job, 0, kUkPage),
              u"5 words, 0 sentences, 1 paragraphs, and 2 pages");

    memory.paragraphs = 7;
    EXPECT_EQ(SummaryLineText(memory, job, 3, kUkPage),
              u"5 words, 0 sentences, 1 paragraphs, and 2 pages");

    job.text = u"a\nb";
    EXPECT_EQ(SummaryLineText(memory, job, 3, kUkPage),
              u"5 words, 0 sentences, 2 paragraphs, and 1 page");
}

}  // namespace
