#include "shell/Commands.h"

#include <string>

#include "engine/ReadingRates.h"
#include "engine/Scenario.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Draft.h"
#include "shell/FullAnalysis.h"
#include "shell/LiveAnalysis.h"
#include "shell/MainWindow.h"
#include "shell/Preferences.h"
#include "shell/RecommendationsView.h"
#include "shell/ResultsArea.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"
#include "shell/WebAddresses.h"

namespace {

void PresentRecommendations() {
    if (shell.currentJob.text.empty()) {
        return;
    }
    // Right after typing the job may still hold quick counts and older measures;
    // the report must describe the text the user sees.
    CompleteTypingBeforeModal();
    ShowRecommendations(shell.currentJob, shell.locale);
}

}  // namespace

void Clear() {
    shell.currentJob = {};
    shell.analysisCurrent = false;
    platform::SetWindowContentHeight(kCollapsedHeight);
    platform::SetControlText(kEditor, u"");
    platform::SetControlText(kSummaryLine, u"");
    ClearMetricRows();
    ClearSentenceMarks();
    platform::SetControlEnabled(kRecommendationsButton, false);
    platform::SetControlEnabled(kExportButton, false);
    platform::SetControlEnabled(kClearButton, false);
    StoreText(shell.currentJob.text);
}

void ToggleVariant() {
    shell.locale = shell.locale == EnglishVariant::Uk ? EnglishVariant::Us : EnglishVariant::Uk;
    ShowVariant(shell.locale);
    StoreVariant(shell.locale);
    ReanalyseEditorText();
}

void ChangeScenario() {
    const int selected = platform::ControlValue(kScenarioDropDown);
    shell.scenario = IsValidScenario(selected) ? selected : 0;
    shell.rates = RatesForScenario(shell.scenario, shell.locale);
    ReanalyseEditorText();
}

void ToggleAlwaysOnTop() {
    shell.topWin = !shell.topWin;
    platform::SetMenuItemChecked(kAlwaysOnTopItem, shell.topWin);
    StoreFlag(kTopWinKey, shell.topWin);
    if (platform::WindowExists()) {
        platform::SetWindowFloating(shell.topWin);
    }
}

void OpenDonationPage() {
    platform::OpenUrl(kDonationAddress);
    platform::BringWindowToFront();
}

void OpenHelpDocument() {
    platform::OpenUrl(MakerPage(kHelpDocumentPath));
}

void ShowGearMenu() {
    platform::ShowGearMenuAtPointer();
}

void ToggleReadAsMarkdown() {
    ReadTextAs(!shell.readAsMarkdown);
}

void ReadTextAs(bool markdown) {
    if (markdown == shell.readAsMarkdown) {
        return;
    }
    SetReadAsMarkdown(markdown);
    const std::u16string text = platform::ControlText(kEditor);
    if (text.empty()) {
        return;
    }
    // As after an edit: the rows may come or go with the prose.
    const ProseDocument& draft = ReadDraft(text);
    if (PrepareResultsArea(text, draft.prose)) {
        ShowFullAnalysis(draft);
        return;
    }
    // Nothing of the other reading may stay on show.
    ClearSentenceMarks();
    ClearMetricRows();
    platform::SetControlText(kSummaryLine, u"");
    shell.analysisCurrent = false;
}

void ToggleHighlight() {
    shell.highlight = !shell.highlight;
    StoreFlag(kHighlightKey, shell.highlight);
    platform::SetMenuItemChecked(kHighlightItem, shell.highlight);
    // Off clears at once; on marks now if the analysis is current, else with the
    // pass that is coming anyway.
    if (!shell.highlight) {
        ClearSentenceMarks();
    } else if (shell.analysisCurrent) {
        const DocumentAnalysis analysis = AnalyseDraft(ReadDraft(platform::ControlText(kEditor)));
        ShowSentenceMarks(analysis.sentences, analysis.figures);
    }
}

void OnRecommendationsButton() {
    if (!EditorHoldsText()) {
        platform::SetControlEnabled(kRecommendationsButton, false);
        return;
    }
    PresentRecommendations();
}

void OnCloseWindowShortcut() {
    if (platform::WindowExists()) {
        CloseMainWindow();
    }
}

void OnClearShortcut() {
    if (platform::WindowExists()) {
        Clear();
    }
}

void OnRecommendationsShortcut() {
    if (platform::WindowExists()) {
        PresentRecommendations();
    }
}
