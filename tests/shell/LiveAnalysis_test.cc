#include "shell/LiveAnalysis.h"

#include <algorithm>

#include "engine/TextStatistics.h"
#include "results/MetricRows.h"
#include "shell/ControlNumbers.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using LiveAnalysisTest = ShellTest;

constexpr std::u16string_view kFirst = u"The cat sat on the mat. It was happy there.";
constexpr std::u16string_view kLonger =
    u"The cat sat on the mat. It was happy there. Then an extraordinarily complicated "
    u"consideration arrived unexpectedly.";

std::u16string RepeatedText(std::size_t length) {
    std::u16string text;
    while (text.size() < length) {
        text += u"Some words here. ";
    }
    text.resize(length);
    return text;
}

TEST(LiveIntervalTest, GrowsWithTheTextBetween120And1000) {
    EXPECT_EQ(LiveInterval(12050), 120);  // ties to even
    EXPECT_EQ(LiveInterval(12150), 122);
    EXPECT_EQ(LiveInterval(200000), 1000);
}

TEST_F(LiveAnalysisTest, TypingFillsRowsSummaryAndTheStoreWithTheEditorsOwnText) {
    StartAndOpenWindow();
    TypeAt(10000, u"Hello world.");
    EXPECT_EQ(TextOf(kSummaryLine), u"2 words, 1 sentences, 1 paragraphs, and 1 page");
    EXPECT_EQ(recording::Window().contentHeight, 770);
    EXPECT_TRUE(recording::Control(kRecommendationsButton)->enabled);
    // The live pass draws the first two rows whatever the worker does.
    const AnalysisJob hello = Analysed(u"Hello world.");
    EXPECT_EQ(TextOf(kFirstMetricValue), MetricValueText(kMetricRows[0], hello));
    RunTrailingPass();
    ExpectRowsShow(hello);

    // Under UK English the job's text is respelt and trimmed; the store keeps the user's words.
    ResetShellState();
    recording::Reset();
    recording::SetLocaleIdentifier("en_GB");
    StartAndOpenWindow();
    const std::u16string_view typed = u"  The color of the sky.  ";
    TypeAt(10000, typed);
    RunTrailingPass();
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), typed);
    EXPECT_EQ(TextOf(kEditor), typed);
    ExpectRowsShow(Analysed(typed, EnglishVariant::Uk), EnglishVariant::Uk);

    // Failing preference writes lose nothing on screen.
    recording::SetPreferencesFailing(true);
    TypeAt(20000, kFirst);
    RunTrailingPass();
    EXPECT_EQ(TextOf(kEditor), kFirst);
    ExpectRowsShow(Analysed(kFirst, EnglishVariant::Uk), EnglishVariant::Uk);
    EXPECT_EQ(recording::SyncedPreference("AnalyzeText"), typed);
}

TEST_F(LiveAnalysisTest, MeasuresOutsideABarsRangeShowAtItsNearestEnd) {
    StartAndOpenWindow();
    TypeAt(10000, u"Go. Go.");  // reading ease above 100, readability index below 0
    RunTrailingPass();
    EXPECT_GT(shell.currentJob.fleschReadingEase, 100.0);
    EXPECT_EQ(recording::Control(kFirstMetricBar)->value, 100);
    EXPECT_LT(shell.currentJob.automatedIndex, -1.0);
    EXPECT_EQ(recording::Control(kFirstMetricBar + 3)->value, 0);
}

TEST_F(LiveAnalysisTest, ThrottledChangesAreCaughtUpByTheTrailingPass) {
    StartAndOpenWindow();
    TypeAt(10000, kFirst);
    TypeAt(10050, kLonger);  // within 120 ms: no live pass
    EXPECT_EQ(shell.live.lastLiveText, kFirst);
    const AnalysisJob longer = Analysed(kLonger);
    EXPECT_NE(TextOf(kFirstMetricValue), MetricValueText(kMetricRows[0], longer));
    EXPECT_EQ(TextOf(kSummaryLine), u"17 words, 3 sentences, 1 paragraphs, and 1 page");

    const auto delayed = recording::DelayedEvents();
    const auto trailing = std::find_if(delayed.begin(), delayed.end(), [](const auto& pending) {
        return pending.event.kind == platform::EventKind::TrailingPass;
    });
    ASSERT_NE(trailing, delayed.end());
    EXPECT_LE(trailing->milliseconds, LiveInterval(kLonger.size()));
    RunTrailingPass();
    ExpectRowsShow(longer);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), kLonger);

    // A same-length edit keeps the quick counts until the trailing pass.
    TypeAt(20000, u"Hello world.");
    RunTrailingPass();
    const std::u16string_view edited = u"Hxllo world.";  // one syllable fewer
    TypeAt(30000, edited);
    EXPECT_EQ(shell.currentJob.wordCount, QuickCount(edited).words);
    const AnalysisJob expected = Analysed(edited);
    EXPECT_NE(TextOf(kFirstMetricValue), MetricValueText(kMetricRows[0], expected));
    RunTrailingPass();
    ExpectRowsShow(expected);
}

TEST_F(LiveAnalysisTest, LengthLimitAlertsAndNothingIsLost) {
    StartAndOpenWindow();
    TypeAt(10000, RepeatedText(32768));
    EXPECT_TRUE(recording::Alerts().empty());

    // One change, one alert, however many checks see the length; so for every further key.
    const std::u16string tooLong = RepeatedText(32769);
    TypeAt(11000, tooLong);
    EXPECT_EQ(recording::Alerts().size(), 1u);
    TypeAt(11500, tooLong + u"x");
    ASSERT_EQ(recording::Alerts().size(), 2u);
    EXPECT_EQ(recording::Alerts().back().title, u"Error!");
    EXPECT_EQ(recording::Alerts().back().text,
              u"The input text exceeds the maximum allowed length of 32768 characters.\n\n");
    EXPECT_FALSE(recording::Control(kExportButton)->enabled);

    const std::u16string pasted = RepeatedText(40000);
    TypeAt(12000, pasted);
    RunTrailingPass();
    EXPECT_EQ(TextOf(kEditor), pasted);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), pasted);
    ExpectRowsShow(Analysed(pasted));
}

TEST_F(LiveAnalysisTest, TypedTextIsStoredAtOnceButFlushedAtMostOnceASecond) {
    StartAndOpenWindow();
    const auto syncs = [] {
        const auto& log = recording::PreferenceLog();
        return std::count_if(log.begin(), log.end(),
                             [](const recording::PreferenceOperation& op) { return op.isSync; });
    };
    // Keys 50 ms apart, faster than the trailing pass comes, for 1.2 s.
    const auto syncsBefore = syncs();
    std::u16string text = u"One short sentence.";
    for (std::int64_t at = 10000; at < 11200; at += 50) {
        text += u" a";
        TypeAt(at, text);
        EXPECT_EQ(recording::StoredPreference("AnalyzeText"), text);
    }
    EXPECT_EQ(syncs(), syncsBefore + 2);  // at 10000 and at 11000
    // The trailing pass, past the second, flushes what typing left.
    RunTrailingPass();
    EXPECT_EQ(syncs(), syncsBefore + 3);
    RunTrailingPass();
    EXPECT_EQ(syncs(), syncsBefore + 3);

    // Keys slower than the trailing pass: it runs after each, and flushes no more often.
    for (std::int64_t at = 20000; at < 21500; at += 150) {
        text += u" b";
        TypeAt(at, text);
        recording::SetNow(at + 140);
        RunPendingEvents();
    }
    EXPECT_EQ(syncs(), syncsBefore + 5);  // at 20000 and once 21000 has passed
    EXPECT_FALSE(recording::PreferenceLog().back().isSync);
    recording::SetNow(22050);
    RunPendingEvents();
    EXPECT_EQ(syncs(), syncsBefore + 6);
    EXPECT_TRUE(recording::PreferenceLog().back().isSync);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), text);

    // A modal box holds the delayed flush back, so the text is flushed before one opens.
    TypeAt(30000, u"Typed before asking for advice.");
    TypeAt(30100, u"Typed before asking for advice, twice.");
    EXPECT_FALSE(recording::PreferenceLog().back().isSync);
    ClickAndRun(kRecommendationsButton);
    ASSERT_FALSE(recording::Alerts().empty());
    EXPECT_TRUE(recording::PreferenceLog().back().isSync);

    // Closing and Quit flush at once.
    TypeAt(40000, u"Typed just before quitting.");
    TypeAt(40100, u"Typed just before quitting, twice.");
    ChooseAndRun(kQuitItem);
    EXPECT_EQ(recording::PreferenceLog().back().isSync, true);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"Typed just before quitting, twice.");
}

TEST_F(LiveAnalysisTest, AnUnwritableStoreIsTriedEachSecondUntilTheTextIsOnTheDisk) {
    StartAndOpenWindow();
    TypeAt(10000, u"Saved first.");
    RunTrailingPass();
    ASSERT_EQ(recording::SyncedPreference("AnalyzeText"), u"Saved first.");
    recording::SetPreferencesFailing(true);

    // Three seconds of typing: tried every second, and not a word said meanwhile.
    std::u16string text = u"Typed while the disk is full.";
    for (std::int64_t at = 20000; at < 23000; at += 100) {
        text += u" a";
        TypeAt(at, text);
    }
    EXPECT_TRUE(recording::Alerts().empty());
    // Once the typing stops: one alert, however long the store stays unwritable.
    for (std::int64_t at = 23000; at <= 30000; at += 250) {
        recording::SetNow(at);
        RunPendingEvents();
    }
    ASSERT_EQ(recording::Alerts().size(), 1u);
    EXPECT_EQ(recording::Alerts()[0].text, std::u16string(kTextNotSavedMessage) + u"\n");
    EXPECT_EQ(recording::SyncedPreference("AnalyzeText"), u"Saved first.");

    // Writable again: on the disk within a second, with no key pressed, and then
    // no more tries.
    recording::SetPreferencesFailing(false);
    recording::SetNow(31000);
    RunPendingEvents();
    EXPECT_EQ(recording::SyncedPreference("AnalyzeText"), text);
    const auto delayed = recording::DelayedEvents();
    EXPECT_TRUE(std::none_of(delayed.begin(), delayed.end(), [](const auto& pending) {
        return pending.event.kind == platform::EventKind::TypedTextFlush;
    }));

    // A new failure is said again, once the typing pauses.
    recording::SetPreferencesFailing(true);
    TypeAt(40000, u"Typed in a second failure.");
    EXPECT_EQ(recording::Alerts().size(), 1u);
    recording::SetNow(41000);
    RunPendingEvents();
    EXPECT_EQ(recording::Alerts().size(), 2u);
}

TEST_F(LiveAnalysisTest, ClosingOrQuittingWithAnUnwritableStoreSaysSoFirst) {
    StartAndOpenWindow();
    recording::SetPreferencesFailing(true);
    TypeAt(10000, u"Typed before closing.");
    bool windowShownDuringAlert = false;
    recording::SetAlertHook([&](const recording::AlertRecord&) {
        windowShownDuringAlert = recording::Window().exists;
    });
    recording::ClickCloseButton();
    RunPendingEvents();
    ASSERT_EQ(recording::Alerts().size(), 1u);
    EXPECT_EQ(recording::Alerts()[0].text, std::u16string(kTextNotSavedMessage) + u"\n");
    EXPECT_TRUE(windowShownDuringAlert);
    EXPECT_FALSE(recording::Window().exists);

    // Quit asks, and staying changes nothing; the window reopens with the text.
    recording::ClickStatusItem();
    RunPendingEvents();
    EXPECT_EQ(TextOf(kEditor), u"Typed before closing.");
    recording::AnswerNextAlerts({2});
    ChooseAndRun(kQuitItem);
    ASSERT_EQ(recording::Alerts().size(), 2u);
    EXPECT_EQ(recording::Alerts()[1].title, u"Your text could not be saved");
    EXPECT_EQ(recording::Alerts()[1].button1, u"Quit Anyway");
    EXPECT_FALSE(shell.quitRequested);
    EXPECT_TRUE(recording::Window().exists);
    EXPECT_TRUE(recording::StatusItemExists());

    recording::AnswerNextAlerts({1});
    ChooseAndRun(kQuitItem);
    EXPECT_EQ(recording::Alerts().size(), 3u);
    EXPECT_TRUE(shell.quitRequested);
    EXPECT_FALSE(recording::Window().exists);
}

TEST_F(LiveAnalysisTest, UnanalysableTextStopsEarlyButSurvivesClosing) {
    StartAndOpenWindow();
    TypeAt(10000, u"///&&&\U0001F600");
    RunTrailingPass();
    EXPECT_FALSE(recording::Control(kAutomatedIndexValue));
    EXPECT_EQ(recording::Window().contentHeight, 320);
    EXPECT_TRUE(recording::Control(kExportButton)->enabled);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"");
    recording::ClickCloseButton();
    RunPendingEvents();
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"///&&&\U0001F600");

    // Emoji and a lone surrogate inside real text are analysed as they stand.
    recording::ClickStatusItem();
    RunPendingEvents();
    const std::u16string_view odd = u"Hi there \U0001F600. A lone \xDC00 one.";
    TypeAt(20000, odd);
    RunTrailingPass();
    ExpectRowsShow(Analysed(odd));

    // Emptying the editor is a Clear.
    TypeAt(30000, u"");
    EXPECT_EQ(recording::Window().contentHeight, 320);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"");
}

}  // namespace
