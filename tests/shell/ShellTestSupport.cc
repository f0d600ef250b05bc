#include "tests/shell/ShellTestSupport.h"

#include "results/MetricRows.h"
#include "shell/AnalysisWorker.h"
#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "shell/MetricRowLayout.h"
#include "shell/ShellState.h"
#include "shell/StartUp.h"

void ShellTest::SetUp() {
    ResetShellState();
    recording::Reset();
    recording::SetNow(10000);
}

void ShellTest::TearDown() {
    WaitForAnalysisWorker();
}

void RunPendingEvents() {
    platform::Event event;
    while (platform::PollEvent(event)) {
        DispatchEvent(event);
    }
}

void ClickAndRun(int number) {
    recording::Click(number);
    RunPendingEvents();
}

void ChooseAndRun(int item) {
    recording::ChooseMenuItem(item);
    RunPendingEvents();
}

void StartAndOpenWindow() {
    ASSERT_TRUE(StartUp());
    recording::ClickStatusItem();
    RunPendingEvents();
    ASSERT_TRUE(recording::Window().exists);
}

void TypeAt(std::int64_t milliseconds, std::u16string_view text) {
    recording::SetNow(milliseconds);
    recording::TypeIntoEditor(text);
    RunPendingEvents();
}

void RunTrailingPass() {
    recording::SetNow(platform::NowMilliseconds() + 1000);
    RunPendingEvents();
}

std::u16string TextOf(int number) {
    const auto* control = recording::Control(number);
    return control ? control->text : u"<absent>";
}

std::vector<SeenMark> EditorMarks() {
    std::vector<SeenMark> seen;
    for (const platform::EditorMark& mark : recording::Control(kEditor)->marks) {
        seen.push_back({mark.start, mark.end, mark.level});
    }
    return seen;
}

AnalysisJob Analysed(std::u16string_view text, EnglishVariant variant, ReadingRates rates) {
    AnalysisJob job;
    job.text = text;
    RunAnalysis(job, variant, rates);
    return job;
}

void ExpectRowsShow(const AnalysisJob& job, EnglishVariant variant) {
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        const MetricRowLayout& layout = kMetricRowLayouts[i];
        const MetricRowView view = ViewMetricRow(kMetricRows[i], job, variant);
        EXPECT_EQ(TextOf(layout.valueControl), view.valueText);
        EXPECT_EQ(recording::Control(layout.barControl)->value, view.barValue);
        EXPECT_EQ(recording::Control(layout.barControl)->accessibleName, view.valueText);
        EXPECT_EQ(TextOf(layout.labelControl), view.label);
    }
}
