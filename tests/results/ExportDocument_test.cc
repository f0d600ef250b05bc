#include "results/ExportDocument.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::u16string> SplitAtLineFeeds(std::u16string_view document) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end = document.find(u'\n'); end != std::u16string_view::npos;
         end = document.find(u'\n', start)) {
        lines.emplace_back(document.substr(start, end - start));
        start = end + 1;
    }
    lines.emplace_back(document.substr(start));
    return lines;
}

std::u16string PreviewLine(std::u16string text) {
    AnalysisJob job;
    job.text = std::move(text);
    return SplitAtLineFeeds(ExportDocument(job, 0, EnglishVariant::Us, u""))[4];
}

TEST(ExportDocument, PreviewKeepsAtMostHundredUnitsAndWholePairs) {
    const std::u16string forty(40, u'x');
    EXPECT_EQ(PreviewLine(forty), u"Text: " + forty + u"...\r");

    const std::u16string ninetyNine(99, u'a');
    const std::u16string face = u"\U0001F600";
    EXPECT_EQ(PreviewLine(ninetyNine + face + u"b"), u"Text: " + ninetyNine + u"...\r");
    EXPECT_EQ(PreviewLine(ninetyNine.substr(1) + face + u"b"),
              u"Text: " + ninetyNine.substr(1) + face + u"...\r");
    EXPECT_EQ(PreviewLine(std::u16string(150, u'c')),
              u"Text: " + std::u16string(100, u'c') + u"...\r");
}

TEST(ExportDocument, CountsBlocksOfNonBlankLines) {
    for (const std::u16string_view text : {u"Para one line one\nline two\n\nPara two",
                                           u"Para one line one\r\nline two\r\n\r\nPara two",
                                           u"Para one line one\rline two\r\rPara two"}) {
        EXPECT_EQ(CountExportParagraphs(text, EnglishVariant::Us), 2);
    }
    EXPECT_EQ(CountExportParagraphs(u"", EnglishVariant::Us), 0);
    EXPECT_EQ(CountExportParagraphs(u"\n\n  \n", EnglishVariant::Us), 0);
    EXPECT_EQ(CountExportParagraphs(u"a\n  \nb", EnglishVariant::Us), 2);
    EXPECT_EQ(CountExportParagraphs(u"a\n\t\nb", EnglishVariant::Us), 1);
    EXPECT_EQ(CountExportParagraphs(u"a\n\" \"\nb", EnglishVariant::Us), 2);
    EXPECT_EQ(CountExportParagraphs(u"a\n\" \"\nb", EnglishVariant::Uk), 1);
    EXPECT_EQ(CountExportParagraphs(u"a\n' '\nb", EnglishVariant::Uk), 2);
    EXPECT_EQ(CountExportParagraphs(u"a\n' '\nb", EnglishVariant::Us), 1);
}

TEST(ExportDocument, WritesTheTwentyLines) {
    AnalysisJob job;
    job.text = u"Short text.\nSecond line.";
    job.wordCount = 4;
    job.sentenceCount = 2;
    job.fleschReadingEase = 65.5;
    job.fleschKincaidGrade = 6.01;
    job.colemanLiauIndex = -7.08;
    job.automatedIndex = 7.12;
    job.smogIndex = 14.9;
    job.lixIndex = 10;
    job.gunningFogIndex = 25;
    job.readingTimeMinutes = 0.6;
    job.speakingTimeMinutes = -0.001;

    const std::vector<std::u16string> expected = {
        u"Quillory Analysis Export \U0001F1EC\U0001F1E7",
        u"==================================",
        u"Blog Post Scenario",
        u"===================================",
        u"Text: Short text.",
        u"Second line....\r",
        u"",
        u"Word Count: 4",
        u"Sentence Count: 2",
        u"Paragraph Count: 1",
        u"Flesch-Kincaid Ease: 65.50",
        u"Flesch-Kincaid Grade Level: 6.01",
        u"Coleman-Liau Index: -7.08",
        u"Automated Readability Index: 7.12",
        u"SMOG Index: 14.90",
        u"LIX Index: 10.00",
        u"Gunning Fog Index: 25.00",
        u"Estimated Reading Time: 0.60 mins",
        u"Estimated Speaking Time: 0.00 mins",
        u"\r",
        u"Recommendations:",
        u"-----------------------------------",
        u"Report line\r",
        u"\u2022 Last \u2013 line\r",
        u"",
        u"",
    };
    EXPECT_EQ(SplitAtLineFeeds(ExportDocument(job, 4, EnglishVariant::Uk,
                                              u"Report line\r\n\u2022 Last \u2013 line\r\n")),
              expected);
    EXPECT_EQ(SplitAtLineFeeds(ExportDocument(job, 0, EnglishVariant::Us, u"")).back(), u"");
}

TEST(ExportDocument, FileNameFollowsTheLocale) {
    using namespace std::chrono;
    const local_seconds afternoon = local_days{2025y / March / 7} + 14h + 5min + 9s;
    EXPECT_EQ(DefaultExportFileName("en_GB", afternoon), "07-03-202520509_Quillory_Export.txt");
    EXPECT_EQ(DefaultExportFileName("en_US", afternoon), "03-07-2025-20509_Quillory_Export.txt");
    EXPECT_EQ(DefaultExportFileName("en_CA", afternoon), "03-07-2025-20509_Quillory_Export.txt");
    EXPECT_EQ(DefaultExportFileName("en_US_POSIX", afternoon),
              "07-03-202520509_Quillory_Export.txt");
    EXPECT_EQ(DefaultExportFileName("en_US", local_days{987y / December / 31} + 0s),
              "12-31-0987-120000_Quillory_Export.txt");
    EXPECT_EQ(DefaultExportFileName("fr_FR", local_days{2025y / January / 2} + 12h + 30min + 59s),
              "02-01-2025123059_Quillory_Export.txt");
}

}  // namespace
