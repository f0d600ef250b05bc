#include "tests/gui/AppTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

#include <string>

#include "engine/AnalysisJob.h"
#include "platform/Platform.h"
#include "results/MetricRows.h"
#include "shell/AnalysisWorker.h"
#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "shell/MetricRowLayout.h"
#include "shell/ShellState.h"
#include "shell/StartUp.h"
#include "tests/gui/GuiTestSupport.h"

void AppWindowTest::SetUp() {
    // The offscreen display has no tray, so start-up opens the window itself.
    ASSERT_TRUE(StartUp());
    ASSERT_TRUE(platform::WindowExists());
}

void AppWindowTest::TearDown() {
    platform::DestroyWindow();
    platform::RemoveStatusItem();
    DrainEvents();
    ResetShellState();
}

void DispatchPending() {
    platform::Event event;
    while (platform::PollEvent(event)) {
        DispatchEvent(event);
    }
}

// The state is checked as well as the trailing pass because a pass that fired
// during the edits can come after them in the queue.
testing::AssertionResult DispatchUntilSettled() {
    bool trailingPassDue = false;
    const auto settled = [&] {
        platform::Event event;
        while (platform::PollEvent(event)) {
            DispatchEvent(event);
            if (event.kind == platform::EventKind::TrailingPass) {
                trailingPassDue = false;
            } else if (event.kind == platform::EventKind::Control && event.number == kEditor &&
                       event.type == platform::EventType::Change) {
                trailingPassDue = true;
            }
        }
        return !trailingPassDue && !WorkerBusy() && shell.analysisCurrent &&
               shell.storedText == platform::ControlText(kEditor);
    };
    if (QTest::qWaitFor(settled, kSettleDeadlineMs)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "the live analysis had not settled after " << kSettleDeadlineMs / 1000
           << " s: trailing pass due " << trailingPassDue << ", worker busy " << WorkerBusy()
           << ", analysis current " << shell.analysisCurrent << ", text saved "
           << (shell.storedText == platform::ControlText(kEditor));
}

testing::AssertionResult Type(const QString& text) {
    QTest::keyClicks(ControlWidget(kEditor), text);
    return DispatchUntilSettled();
}

testing::AssertionResult Paste(std::u16string_view text) {
    QApplication::clipboard()->setText(QString::fromStdU16String(std::u16string(text)));
    qobject_cast<QPlainTextEdit*>(ControlWidget(kEditor))->paste();
    return DispatchUntilSettled();
}

void ExpectRowsDescribe(std::u16string_view text) {
    AnalysisJob job;
    job.text = text;
    RunAnalysis(job, shell.locale, shell.rates);
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        const MetricRow& row = kMetricRows[i];
        const MetricRowLayout& layout = kMetricRowLayouts[i];
        const MetricRowView view = ViewMetricRow(row, job, shell.locale);
        EXPECT_EQ(platform::ControlText(layout.valueControl), view.valueText) << row.key;
        EXPECT_EQ(platform::ControlValue(layout.barControl), view.barValue) << row.key;
        EXPECT_EQ(platform::ControlText(layout.labelControl), view.label) << row.key;
        EXPECT_TRUE(platform::ControlVisible(layout.barControl)) << row.key;
    }
}
