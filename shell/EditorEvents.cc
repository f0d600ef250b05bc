#include "shell/EditorEvents.h"

#include <string>

#include "engine/TextStatistics.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/InputGate.h"
#include "shell/LiveAnalysis.h"
#include "shell/MainWindow.h"
#include "shell/ResultsArea.h"
#include "shell/ShellState.h"

void OnEditorEvent(platform::EventType type) {
    // Read once: for a long text the copy out of the editor is not free.
    const std::u16string text = platform::ControlText(kEditor);
    shell.lengthAlertDue = true;
    const bool passesGate = PrepareResultsArea(text);
    if (type == platform::EventType::Change) {
        OnEditorChange(text, passesGate);
    }
}

bool PrepareResultsArea(std::u16string_view text) {
    if (text.empty()) {
        platform::SetControlEnabled(kRecommendationsButton, false);
        platform::SetControlEnabled(kClearButton, false);
        platform::SetControlEnabled(kExportButton, false);
        return false;
    }
    platform::SetControlEnabled(kRecommendationsButton, true);
    platform::SetControlEnabled(kExportButton, true);
    shell.currentJob.text = text;
    if (!PassesInputGate(text, shell.locale)) {
        return false;
    }
    CountText(shell.currentJob, shell.locale);
    platform::SetWindowContentHeight(kExpandedHeight);
    ResetResultsArea();
    shell.analysisCurrent = false;
    ShowMetricRows();
    WriteSummaryLine(shell.currentJob, CharactersPerPage(shell.locale), shell.summary);
    return true;
}
