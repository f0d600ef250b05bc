#include "engine/ReadabilityMetrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/TwoDecimals.h"

namespace {

AnalysisJob JobWithCounts(std::u16string text, std::int64_t words, std::int64_t sentences,
                          std::int64_t characters, std::int64_t syllables) {
    AnalysisJob job;
    job.text = std::move(text);
    job.wordCount = words;
    job.sentenceCount = sentences;
    job.characterCount = characters;
    job.syllableCount = syllables;
    return job;
}

// The nine measures in their field order, as shown.
std::vector<std::u16string> Shown(const AnalysisJob& job) {
    std::vector<std::u16string> shown;
    for (double measure : {job.fleschReadingEase, job.fleschKincaidGrade, job.colemanLiauIndex,
                           job.automatedIndex, job.readingTimeMinutes, job.speakingTimeMinutes,
                           job.smogIndex, job.lixIndex, job.gunningFogIndex}) {
        shown.push_back(FormatTwoDecimals(measure));
    }
    return shown;
}

using Texts = std::vector<std::u16string>;

}  // namespace

TEST(ComputeMetrics, MatchesTheWorkedFigures) {
    const ReadingRates usGeneral = RatesForScenario(0, EnglishVariant::Us);
    const ReadingRates ukGeneral = RatesForScenario(0, EnglishVariant::Uk);

    AnalysisJob plain = JobWithCounts(u"", 10, 1, 50, 15);
    ComputeMetrics(plain, EnglishVariant::Us, usGeneral);
    EXPECT_EQ(Shown(plain), (Texts{u"69.79", u"6.01", u"10.64", u"7.12", u"0.05", u"0.08", u"0.00",
                                   u"10.00", u"4.00"}));

    // Five words of two syllables and five letters: complex but not long under UK.
    AnalysisJob uk = JobWithCounts(u"water water water water water", 10, 1, 50, 15);
    ComputeMetrics(uk, EnglishVariant::Uk, ukGeneral);
    EXPECT_EQ(Shown(uk), (Texts{u"74.79", u"6.51", u"10.64", u"7.12", u"0.06", u"0.09", u"14.90",
                                u"10.00", u"25.00"}));

    AnalysisJob shortSentences = JobWithCounts(u"", 10, 5, 40, 10);
    ComputeMetrics(shortSentences, EnglishVariant::Us, usGeneral);
    EXPECT_EQ(shortSentences.fleschKincaidGrade, 0);  // -3.01 raised to 0
    EXPECT_EQ(Shown(shortSentences), (Texts{u"120.21", u"0.00", u"-7.08", u"-1.59", u"0.05",
                                            u"0.08", u"0.00", u"2.00", u"0.80"}));
}

TEST(ComputeMetrics, GivesZerosWithoutWordsSentencesOrRates) {
    const Texts zeros(9, u"0.00");
    AnalysisJob noSentence = JobWithCounts(u"beautiful water", 2, 0, 15, 5);
    noSentence.lixIndex = 7;
    ComputeMetrics(noSentence, EnglishVariant::Uk, ReadingRates{});
    EXPECT_EQ(Shown(noSentence), zeros);

    AnalysisJob noWord = JobWithCounts(u"", 0, 3, 3, 0);
    ComputeMetrics(noWord, EnglishVariant::Us, ReadingRates{});
    EXPECT_EQ(Shown(noWord), zeros);

    AnalysisJob noRate = JobWithCounts(u"Go.", 1, 1, 3, 1);
    ComputeMetrics(noRate, EnglishVariant::Us, ReadingRates{0, 0});
    EXPECT_EQ(noRate.readingTimeMinutes, 0);
    EXPECT_EQ(noRate.speakingTimeMinutes, 0);
}

TEST(RatesForScenario, ReadsTheVariantsColumn) {
    const ReadingRates blogUk = RatesForScenario(4, EnglishVariant::Uk);
    EXPECT_EQ(blogUk.readingWordsPerMinute, 170);
    EXPECT_EQ(blogUk.speakingWordsPerMinute, 120);
    const ReadingRates newsUs = RatesForScenario(6, EnglishVariant::Us);
    EXPECT_EQ(newsUs.readingWordsPerMinute, 120);
    EXPECT_EQ(newsUs.speakingWordsPerMinute, 120);
    const ReadingRates invalid = RatesForScenario(7, EnglishVariant::Uk);
    EXPECT_EQ(invalid.readingWordsPerMinute, 200);
    EXPECT_EQ(invalid.speakingWordsPerMinute, 120);
    EXPECT_EQ(RatesForScenario(-1, EnglishVariant::Us).readingWordsPerMinute, 200);
}

TEST(RunAnalysis, NormalisesCountsAndComputes) {
    AnalysisJob job;
    job.text = u" The color is gray. ";
    RunAnalysis(job, EnglishVariant::Uk, RatesForScenario(0, EnglishVariant::Uk));
    EXPECT_EQ(job.text, u"The colour is gray.");  // "gray." keeps its full stop
    EXPECT_EQ(job.wordCount, 4);
    EXPECT_EQ(job.sentenceCount, 1);
    EXPECT_EQ(job.characterCount, 19);
    EXPECT_EQ(job.syllableCount, 5);
    EXPECT_EQ(FormatTwoDecimals(job.gunningFogIndex), u"12.60");  // colour is complex under UK

    const AnalysisJob first = job;
    RunAnalysis(job, EnglishVariant::Uk, RatesForScenario(0, EnglishVariant::Uk));
    EXPECT_EQ(Shown(job), Shown(first));
    EXPECT_EQ(job.syllableCount, first.syllableCount);

    AnalysisJob empty;
    empty.wordCount = 3;
    empty.fleschReadingEase = 1;
    RunAnalysis(empty, EnglishVariant::Us, ReadingRates{});
    EXPECT_EQ(empty.wordCount, 3);
    EXPECT_EQ(empty.fleschReadingEase, 1);
}
