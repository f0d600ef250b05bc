#include "shell/AnalysisWorker.h"

#include <mutex>
#include <utility>

#include "results/ControlNumbers.h"
#include "shell/EventDispatch.h"
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
