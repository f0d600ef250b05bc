#include "report/SentenceImpact.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/AnalysisJob.h"
#include "engine/ReadingRates.h"
#include "report/Recommendations.h"
#include "report/WeightedScore.h"

namespace {

constexpr EnglishVariant kVariants[] = {EnglishVariant::Us, EnglishVariant::Uk};

std::u16string RandomProse(std::mt19937& random, int sentences) {
    static const std::u16string_view kWords[] = {
        u"the",         u"cat",    u"sat",      u"extraordinarily",
        u"complicated", u"colour", u"organise", u"centre",
        u"analyze",     u"a",      u"readers",  u"3.14",
        u"behaviour",   u"we",     u"theatre",  u"understand",
        u"vocabulary",  u"it"};
    static const std::u16string_view kEnds[] = {u". ",  u"! ",  u"? ",  u".\r\n",
                                                u".\n", u"?\r", u". \n"};
    std::u16string text;
    for (int sentence = 0; sentence < sentences; ++sentence) {
        const int words = 1 + static_cast<int>(random() % 30);
        for (int word = 0; word < words; ++word) {
            text += kWords[random() % std::size(kWords)];
            text += word + 1 < words ? u" " : u"";
        }
        text += kEnds[random() % std::size(kEnds)];
    }
    return text;
}

struct Whole {
    AnalysisJob job;
    AsciiWordCounts ascii;
};

Whole Counted(std::u16string_view text, EnglishVariant variant) {
    Whole whole;
    whole.job.text = text;
    CountText(whole.job, variant);
    whole.ascii = CountAsciiWords(whole.job.text, variant);
    return whole;
}

// Removing the span joins what came before it to the word after it. Respelling
// splits tokens at blanks only, so where one side of the join is a line break
// and the other a blank, the word after it can change token, and with it
// spelling: the counts less the span's keep the spelling the whole text had.
bool JoinChangesTokens(std::u16string_view text, const SentenceSpan& span) {
    const bool startedToken = text[span.end - 1] == u' ';
    const bool startsToken =
        text.find_first_not_of(u' ') == span.start || text[span.start - 1] == u' ';
    return startedToken != startsToken;
}

// Every span's impact equals a full analysis of the text without it.
int ExpectImpactsMatchReanalysis(std::u16string_view text, EnglishVariant variant, int scenario) {
    const Whole whole = Counted(text, variant);
    const std::vector<SentenceSpan> spans = SentenceSpans(text, variant);
    const std::vector<SentenceImpact> impacts =
        SentenceImpacts(whole.job, whole.ascii, spans, scenario, variant);
    EXPECT_EQ(impacts.size(), spans.size());
    int compared = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        AnalysisJob rest;
        rest.text = std::u16string(text.substr(0, spans[i].start)) +
                    std::u16string(text.substr(spans[i].end));
        RunAnalysis(rest, variant, ReadingRates{});
        if (rest.text.empty()) {
            continue;
        }
        if (JoinChangesTokens(text, spans[i])) {
            // Respelling adds or removes no word and no mark.
            EXPECT_EQ(rest.wordCount, whole.job.wordCount - spans[i].words);
            EXPECT_EQ(rest.sentenceCount, whole.job.sentenceCount - spans[i].sentences);
            continue;
        }
        ++compared;
        EXPECT_NEAR(impacts[i].gradeWithout, rest.fleschKincaidGrade, 1e-9) << i;
        EXPECT_NEAR(impacts[i].easeWithout, rest.fleschReadingEase, 1e-9) << i;
        if (IsTooShortForScore(rest)) {
            EXPECT_FALSE(impacts[i].scoreWithout) << i;
        } else {
            if (!impacts[i].scoreWithout) {
                ADD_FAILURE() << "no score without span " << i;
                continue;
            }
            const ScoreProfile& profile = SelectScoreProfile(scenario, variant);
            EXPECT_NEAR(*impacts[i].scoreWithout,
                        ComputeWeightedScore(rest, profile, variant).overallScore, 1e-9)
                << i;
        }
    }
    return compared;
}

TEST(SentenceImpact, EqualsAFullAnalysisWithoutTheSpan) {
    std::mt19937 random(3);
    for (const EnglishVariant variant : kVariants) {
        int compared = 0;
        for (int round = 0; round < 60; ++round) {
            compared += ExpectImpactsMatchReanalysis(RandomProse(random, 1 + round % 12), variant,
                                                     round % 7);
        }
        EXPECT_GT(compared, 300);
    }
}

TEST(SentenceImpact, AJoinThatRespellsKeepsTheWholeTextsSpelling) {
    // In the whole text "cheque" shares a token with the line before and stays;
    // without that line it would follow a blank and become "check", a syllable
    // shorter. The impact is the rest as the whole text spelt it: the same as
    // the rest with the line break kept in front of the word.
    const std::u16string text = u"Red is warm. Blue.\ncheque is here.";
    const Whole whole = Counted(text, EnglishVariant::Us);
    const auto spans = SentenceSpans(text, EnglishVariant::Us);
    ASSERT_EQ(spans.size(), 3u);
    ASSERT_TRUE(JoinChangesTokens(text, spans[1]));
    const auto impacts = SentenceImpacts(whole.job, whole.ascii, spans, 0, EnglishVariant::Us);
    AnalysisJob respelt;
    respelt.text = u"Red is warm. cheque is here.";
    RunAnalysis(respelt, EnglishVariant::Us, ReadingRates{});
    AnalysisJob kept;
    kept.text = u"Red is warm. \ncheque is here.";
    RunAnalysis(kept, EnglishVariant::Us, ReadingRates{});
    EXPECT_EQ(kept.syllableCount, respelt.syllableCount + 1);
    EXPECT_NEAR(impacts[1].gradeWithout, kept.fleschKincaidGrade, 1e-9);
    EXPECT_GT(impacts[1].gradeWithout, respelt.fleschKincaidGrade);
}

TEST(SentenceImpact, LevelsFollowTheScenariosLongestSentence) {
    EXPECT_EQ(LevelOfSentence(18, 18), SentenceLevel::None);
    EXPECT_EQ(LevelOfSentence(19, 18), SentenceLevel::Long);
    EXPECT_EQ(LevelOfSentence(27, 18), SentenceLevel::Long);
    EXPECT_EQ(LevelOfSentence(28, 18), SentenceLevel::VeryLong);
    EXPECT_EQ(LevelOfSentence(30, 20), SentenceLevel::Long);  // exactly one and a half
    EXPECT_EQ(LevelOfSentence(31, 20), SentenceLevel::VeryLong);
}

TEST(SentenceImpact, NoScoreWhenTheRestIsTooShortAndNothingIsInfinite) {
    const std::u16string text = u"One two three four five. Six!";
    const Whole whole = Counted(text, EnglishVariant::Uk);
    const auto spans = SentenceSpans(text, EnglishVariant::Uk);
    const auto impacts = SentenceImpacts(whole.job, whole.ascii, spans, 4, EnglishVariant::Uk);
    ASSERT_EQ(impacts.size(), 2u);
    EXPECT_FALSE(impacts[0].scoreWithout);  // one word left
    EXPECT_FALSE(impacts[1].scoreWithout);  // one sentence left
    // The only sentence gone: no words, no sentences, a guarded grade.
    const auto alone = SentenceSpans(u"Just one.", EnglishVariant::Us);
    const Whole one = Counted(u"Just one.", EnglishVariant::Us);
    EXPECT_EQ(SentenceImpacts(one.job, one.ascii, alone, 0, EnglishVariant::Us)[0].gradeWithout, 0);
}

}  // namespace
