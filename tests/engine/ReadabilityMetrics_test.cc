#include "engine/ReadabilityMetrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/TwoDecimals.h"

namespace {

using Texts = std::vector<std::u16string>;

// The nine measures in their field order, as shown.
Texts Shown(const AnalysisJob& job) {
    Texts shown;
    for (double measure : {job.fleschReadingEase, job.fleschKincaidGrade, job.colemanLiauIndex,
                           job.automatedIndex, job.readingTimeMinutes, job.speakingTimeMinutes,
                           job.smogIndex, job.lixIndex, job.gunningFogIndex}) {
        shown.push_back(FormatTwoDecimals(measure));
    }
    return shown;
}

}  // namespace

TEST(ComputeMetrics, MatchesTheWorkedFigures) {
    AnalysisJob us{.text = u"",
                   .wordCount = 10,
                   .sentenceCount = 1,
                   .characterCount = 50,
                   .syllableCount = 15};
    ComputeMetrics(us, EnglishVariant::Us, RatesForScenario(0, EnglishVariant::Us));
    EXPECT_EQ(Shown(us), (Texts{u"69.79", u"6.01", u"10.64", u"7.12", u"0.05", u"0.08", u"0.00",
                                u"10.00", u"4.00"}));

    // Five words of two syllables and five letters: complex but not long under UK.
    AnalysisJob uk = us;
    uk.text = u"water water water water water";
    ComputeMetrics(uk, EnglishVariant::Uk, RatesForScenario(0, EnglishVariant::Uk));
    EXPECT_EQ(Shown(uk), (Texts{u"74.79", u"6.51", u"10.64", u"7.12", u"0.06", u"0.09", u"14.90",
                                u"10.00", u"25.00"}));

    AnalysisJob terse{.text = u"",
                      .wordCount = 10,
                      .sentenceCount = 5,
                      .characterCount = 40,
                      .syllableCount = 10};
    ComputeMetrics(terse, EnglishVariant::Us, ReadingRates{});
    EXPECT_EQ(Shown(terse), (Texts{u"120.21", u"0.00", u"-7.08", u"-1.59", u"0.05", u"0.08",
                                   u"0.00", u"2.00", u"0.80"}));
}

TEST(ComputeMetrics, GivesZerosWithoutSentencesOrRates) {
    AnalysisJob noSentence{.text = u"beautiful water", .wordCount = 2, .characterCount = 15};
    noSentence.lixIndex = 7;
    ComputeMetrics(noSentence, EnglishVariant::Uk, ReadingRates{});
    EXPECT_EQ(Shown(noSentence), Texts(9, u"0.00"));

    AnalysisJob noRate{.text = u"Go.", .wordCount = 1, .sentenceCount = 1, .characterCount = 3};
    ComputeMetrics(noRate, EnglishVariant::Us, ReadingRates{0, 0});
    EXPECT_EQ(noRate.readingTimeMinutes + noRate.speakingTimeMinutes, 0);
}

TEST(RatesForScenario, ReadsTheVariantsColumn) {
    EXPECT_EQ(RatesForScenario(4, EnglishVariant::Uk).readingWordsPerMinute, 170);
    EXPECT_EQ(RatesForScenario(5, EnglishVariant::Uk).speakingWordsPerMinute, 80);
    EXPECT_EQ(RatesForScenario(6, EnglishVariant::Us).speakingWordsPerMinute, 120);
    EXPECT_EQ(RatesForScenario(7, EnglishVariant::Uk).readingWordsPerMinute, 200);
    EXPECT_EQ(RatesForScenario(-1, EnglishVariant::Uk).speakingWordsPerMinute, 120);
}

TEST(RunAnalysis, NormalisesCountsAndComputes) {
    AnalysisJob job{.text = u" The color is gray. "};
    RunAnalysis(job, EnglishVariant::Uk, ReadingRates{});
    EXPECT_EQ(job.text, u"The colour is gray.");  // "gray." keeps its full stop
    EXPECT_EQ(job.wordCount, 4);
    EXPECT_EQ(job.characterCount, 19);
    EXPECT_EQ(job.syllableCount, 5);
    EXPECT_EQ(FormatTwoDecimals(job.gunningFogIndex), u"12.60");  // colour is complex under UK

    AnalysisJob empty{.text = u"", .wordCount = 3, .fleschReadingEase = 1};
    RunAnalysis(empty, EnglishVariant::Us, ReadingRates{});
    EXPECT_EQ(empty.wordCount, 3);
    EXPECT_EQ(empty.fleschReadingEase, 1);
}
