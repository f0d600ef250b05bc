#include "shell/EditorEvents.h"

#include <string>

#include "engine/CountMemory.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
#include "shell/InputGate.h"
#include "shell/LiveAnalysis.h"
#include "shell/MainWindow.h"
#include "shell/MarkdownDraft.h"
#include "shell/ResultsArea.h"
#include "shell/ShellState.h"

void OnEditorEvent(platform::EventType type) {
    // Read once: for a long text the copy out of the editor is not free.
    const std::u16string text = platform::ControlText(kEditor);
    const std::u16string_view draft = ReadDraft(text);
    shell.lengthAlertDue = true;
    const bool passesGate = PrepareResultsArea(text, draft);
    if (type == platform::EventType::Change) {
        OnEditorChange(text, draft, passesGate);
    }
}

bool PrepareResultsArea(std::u16string_view editorText, std::u16string_view draft) {
    if (editorText.empty()) {
        platform::SetControlEnabled(kRecommendationsButton, false);
        platform::SetControlEnabled(kClearButton, false);
        platform::SetControlEnabled(kExportButton, false);
        return false;
    }
    platform::SetControlEnabled(kRecommendationsButton, true);
    platform::SetControlEnabled(kExportButton, true);
    shell.currentJob.text = draft;
    if (!PassesInputGate(draft, shell.locale)) {
        return false;
    }
    CountTextRemembering(shell.currentJob, shell.locale, shell.countMemory);
    platform::SetWindowContentHeight(kExpandedHeight);
    ResetResultsArea();
    shell.analysisCurrent = false;
    ShowMetricRows();
    WriteSummaryLine(shell.currentJob, CharactersPerPage(shell.locale), shell.summary);
    return true;
}
