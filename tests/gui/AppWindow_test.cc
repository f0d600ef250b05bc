// The real shell over the real widgets: start-up, typing, the rows, the
// buttons and their alerts, as a user meets them.

#include <gtest/gtest.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

#include "bench/SampleText.h"
#include "engine/AnalysisJob.h"
#include "platform/Platform.h"
#include "results/MetricRows.h"
#include "shell/AnalysisWorker.h"
#include "shell/EventDispatch.h"
#include "shell/LiveAnalysis.h"
#include "shell/ShellState.h"
#include "shell/StartUp.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

constexpr int kEditor = 1;
constexpr int kClear = 3;
constexpr int kRecommendations = 4;
constexpr int kExport = 5;
constexpr int kSummary = 232;
constexpr int kSettleDeadlineMs = 60000;

void DispatchPending() {
    platform::Event event;
    while (platform::PollEvent(event)) {
        DispatchEvent(event);
    }
}

// Dispatches until the trailing pass after the last edit has run, no worker
// runs, the rows show a full pass over the editor's text and that text is
// saved. The state is checked as well as the trailing pass because a pass
// that fired during the edits can come after them in the queue.
[[nodiscard]] testing::AssertionResult DispatchUntilSettled() {
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

[[nodiscard]] testing::AssertionResult Type(const QString& text) {
    QTest::keyClicks(ControlWidget(kEditor), text);
    return DispatchUntilSettled();
}

// One change event for the whole text, as a paste makes.
[[nodiscard]] testing::AssertionResult Paste(std::u16string_view text) {
    qobject_cast<QPlainTextEdit*>(ControlWidget(kEditor))
        ->insertPlainText(QString::fromStdU16String(std::u16string(text)));
    return DispatchUntilSettled();
}

// Every row and the summary line must describe exactly the editor's text.
void ExpectRowsDescribe(std::u16string_view text) {
    AnalysisJob job;
    job.text = text;
    RunAnalysis(job, shell.locale, shell.rates);
    for (const MetricRow& row : kMetricRows) {
        const MetricRowView view = ViewMetricRow(row, job, shell.locale);
        EXPECT_EQ(platform::ControlText(row.valueControl), view.valueText) << row.key;
        EXPECT_EQ(platform::ControlValue(row.barControl), view.barValue) << row.key;
        EXPECT_EQ(platform::ControlText(row.labelControl), view.label) << row.key;
        EXPECT_TRUE(platform::ControlVisible(row.barControl)) << row.key;
    }
}

class AppWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        // The offscreen display has no tray, so start-up opens the window itself.
        ASSERT_TRUE(StartUp());
        ASSERT_TRUE(platform::WindowExists());
    }
    void TearDown() override {
        platform::DestroyWindow();
        platform::RemoveStatusItem();
        DrainEvents();
        ResetShellState();
    }
};

TEST_F(AppWindowTest, TypingFillsTheRowsAndSavesTheText) {
    EXPECT_FALSE(platform::ControlEnabled(kRecommendations));
    ASSERT_TRUE(Type(QStringLiteral("Hello world.")));

    EXPECT_EQ(platform::WindowContentHeight(), 770);
    EXPECT_EQ(platform::ControlText(kSummary), u"2 words, 1 sentences, 1 paragraphs, and 1 page");
    EXPECT_TRUE(platform::ControlEnabled(kRecommendations));

    // The final text wins however the throttles cut the passes.
    ASSERT_TRUE(
        Type(QStringLiteral(" The quick brown fox jumps over the lazy dog again and again.")));
    const std::u16string text = platform::ControlText(kEditor);
    ExpectRowsDescribe(text);
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), text);
}

TEST_F(AppWindowTest, ButtonsRunTheirCommandsAroundModalAlerts) {
    ASSERT_TRUE(Type(QStringLiteral("Short words help. Long sentences do not.")));

    std::vector<bool> enabledDuringReport;
    {
        const AlertAnswerer answerer(kDefaultButton, [&] {
            for (const int button : {kExport, kClear, kRecommendations}) {
                enabledDuringReport.push_back(platform::ControlEnabled(button));
            }
        });
        QTest::mouseClick(ControlWidget(kRecommendations), Qt::LeftButton);
        DispatchPending();
        ASSERT_EQ(answerer.headlines.size(), 1);
        EXPECT_FALSE(answerer.details[0].isEmpty());
    }
    EXPECT_EQ(enabledDuringReport, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(platform::ControlEnabled(kClear));

    QTest::mouseClick(ControlWidget(kClear), Qt::LeftButton);
    DispatchPending();
    EXPECT_EQ(platform::WindowContentHeight(), 320);
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), u"");
    EXPECT_FALSE(platform::ControlEnabled(kClear));
}

TEST_F(AppWindowTest, OverlongPasteWarnsAndKeepsTheText) {
    const AlertAnswerer answerer(kDefaultButton);
    ASSERT_TRUE(Paste(SampleEnglishText(40000)));
    ASSERT_FALSE(answerer.details.isEmpty());
    EXPECT_TRUE(answerer.details[0].startsWith(
        QStringLiteral("The input text exceeds the maximum allowed length of 32768")));
    EXPECT_EQ(platform::ControlText(kEditor).size(), 40000u);

    // Emoji and a lone surrogate neither crash the pass nor change the text.
    const std::u16string odd = u"Caf\u00e9 \U0001F600 ok. \xDC00 Fine.";
    platform::SetControlText(kEditor, u"");
    ASSERT_TRUE(Paste(odd));
    ASSERT_TRUE(Type(QStringLiteral(" End.")));
    EXPECT_EQ(platform::ControlText(kEditor), odd + u" End.");
    ExpectRowsDescribe(odd + u" End.");
}

TEST_F(AppWindowTest, ExpandedWindowScreenshot) {
    platform::SetControlText(kEditor, u"");
    ASSERT_TRUE(Paste(SampleEnglishText(600)));
    ASSERT_EQ(platform::WindowContentHeight(), 770);
    const QString folder = QStringLiteral(QUILLORY_ARTIFACTS_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(MainWindowForTest()->grab().save(folder + QStringLiteral("/window-expanded.png")));
}

}  // namespace
