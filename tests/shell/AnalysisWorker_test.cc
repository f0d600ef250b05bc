#include "shell/AnalysisWorker.h"

#include <algorithm>
#include <mutex>
#include <utility>

#include "results/MetricRows.h"
#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "shell/MetricRowLayout.h"
#include "shell/ShellState.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

constexpr std::u16string_view kText = u"The cat sat on the mat. It was happy there.";

bool IsWakeUp(const platform::Event& event) {
    return event.kind == platform::EventKind::Control && event.number == kUnnumbered;
}

int wakeUpsSeen = 0;

// Dispatches what is queued, counting the wake-ups on the way.
void RunQueued() {
    platform::Event event;
    while (platform::PollEvent(event)) {
        wakeUpsSeen += IsWakeUp(event) ? 1 : 0;
        DispatchEvent(event);
    }
}

void ChangeEditor(std::int64_t milliseconds, std::u16string_view text) {
    recording::SetNow(milliseconds);
    recording::TypeIntoEditor(text);
    RunQueued();
}

class AnalysisWorkerTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        wakeUpsSeen = 0;
    }
};

// All wake-ups so far, once the worker has ended.
int WakeUps() {
    WaitForAnalysisWorker();
    RunQueued();
    return std::exchange(wakeUpsSeen, 0);
}

TEST_F(AnalysisWorkerTest, TheNewestTextWaitsAndTheFullRedrawWaitsForTheWorker) {
    StartAndOpenWindow();
    {
        // Holding the lock keeps the first worker from finishing.
        const std::lock_guard hold(shell.analysisLock);
        ChangeEditor(10000, u"Hello world.");
        EXPECT_TRUE(WorkerBusy());
        // The live pass drew the first rows and the full redraw was skipped; the
        // text is stored whether or not a worker runs.
        EXPECT_FALSE(TextOf(kFirstMetricLabel).empty());
        EXPECT_EQ(TextOf(kFirstMetricLabel + 2), u"");
        EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"Hello world.");
        ChangeEditor(10100, kText);
        // The newer request took the place of the one still waiting.
        ASSERT_TRUE(shell.waitingRequest.has_value());
    }
    // The rows existed, so the one analysis posted twice; a second would add more.
    EXPECT_EQ(WakeUps(), 2);
    EXPECT_FALSE(WorkerBusy());

    // The wake-up wakes a waiting loop and is otherwise dropped.
    recording::SetNow(11000);
    recording::TypeIntoEditor(u"Hello again.");
    platform::Event event = platform::WaitForEvent();
    for (; !IsWakeUp(event); event = platform::WaitForEvent()) {
        DispatchEvent(event);  // the change starts the worker that wakes us
    }
    DispatchEvent(event);

    RunTrailingPass();
    ExpectRowsShow(Analysed(u"Hello again."));
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"Hello again.");
}

// A keystroke whose full redraw waits for the worker leaves the rows the live
// pass does not redraw as they were, instead of blank until the next pass.
TEST_F(AnalysisWorkerTest, FiguresStayOnShowWhileTheRedrawWaits) {
    StartAndOpenWindow();
    ChangeEditor(10000, kText);
    RunTrailingPass();
    const int lastLabel = kFirstMetricLabel + 8;
    const int lastBar = kFirstMetricBar + 8;
    const std::u16string label = TextOf(lastLabel);
    const int bar = recording::Control(lastBar)->value;
    ASSERT_FALSE(label.empty());
    ASSERT_GT(bar, 0);
    {
        const std::lock_guard hold(shell.analysisLock);
        ChangeEditor(20000, std::u16string(kText) + u" Then it slept.");
        ASSERT_TRUE(WorkerBusy());
        EXPECT_EQ(TextOf(lastLabel), label);
        EXPECT_EQ(recording::Control(lastBar)->value, bar);
    }
    WaitForAnalysisWorker();
    RunTrailingPass();
    ExpectRowsShow(Analysed(std::u16string(kText) + u" Then it slept."));

    // Rows emptied by Clear start again from empty bars and lines.
    ClickAndRun(kClearButton);
    {
        const std::lock_guard hold(shell.analysisLock);
        ChangeEditor(30000, kText);
        ASSERT_TRUE(WorkerBusy());
        EXPECT_EQ(TextOf(lastLabel), u"");
        EXPECT_EQ(recording::Control(lastBar)->value, 0);
    }
}

// A row the live redraw skips as unchanged shows the value it was compared
// with, though a full redraw drew another in between.
TEST_F(AnalysisWorkerTest, ARowSkippedAsUnchangedShowsTheValueItMatches) {
    StartAndOpenWindow();
    ChangeEditor(10000, u"The cat sat on the mat.");     // six words, drawn live
    ChangeEditor(10050, u"The cat sat on the mat. It");  // throttled
    WaitForAnalysisWorker();
    RunTrailingPass();  // seven words, drawn in full
    const auto readingTime = std::find_if(
        kMetricRows.begin(), kMetricRows.end(),
        [](const MetricRow& row) { return row.measure == &AnalysisJob::readingTimeMinutes; });
    const MetricRowLayout& readingTimeLayout =
        kMetricRowLayouts[static_cast<std::size_t>(readingTime - kMetricRows.begin())];
    const std::u16string_view sixAgain = u"The cats sat on the mat.";
    {
        const std::lock_guard hold(shell.analysisLock);
        ChangeEditor(12000, sixAgain);
        ASSERT_TRUE(WorkerBusy());
        EXPECT_EQ(TextOf(readingTimeLayout.valueControl),
                  MetricValueText(*readingTime, Analysed(sixAgain)));
    }
}

TEST_F(AnalysisWorkerTest, QuitWaitsForARunningWorker) {
    StartAndOpenWindow();
    {
        const std::lock_guard hold(shell.analysisLock);
        ChangeEditor(10000, kText);
        ASSERT_TRUE(WorkerBusy());
    }
    // The worker is still waking up for the lock when Quit starts.
    ChooseAndRun(kQuitItem);
    EXPECT_TRUE(shell.quitRequested);
    {
        const std::lock_guard check(shell.analysisLock);
        EXPECT_FALSE(shell.workerBusy);
    }
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), kText);
}

}  // namespace
