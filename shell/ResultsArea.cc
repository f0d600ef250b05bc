#include "shell/ResultsArea.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/CountMemory.h"
#include "platform/Platform.h"
#include "results/MetricRows.h"
#include "shell/ControlNumbers.h"
#include "shell/InputGate.h"
#include "shell/MainWindow.h"
#include "shell/MetricRowLayout.h"
#include "shell/ShellState.h"

namespace {

// By screen row, top to bottom.
constexpr std::array<std::u16string_view, 9> kRowHelp = {
    u"The Flesch Reading Ease Score evaluates how easy a text is to read based on sentence "
    u"length and word syllable count.\n\rIt generates a score from 0 to 100, with higher scores "
    u"indicating easier readability. This allows writers to adjust their content to suit the "
    u"reading ability of their target audience.",
    u"Flesch-Kincaid Grade Level translates the Flesch Reading Ease Score into a US or UK school "
    u"grade level.\n\rIt indicates the education level required to understand the text, helping "
    u"writers ensure their material is appropriate tor their intended audience.",
    u"The Coleman-Liau Index estimates the US or UK grade level needed to comprehend a given "
    u"text using characters per word and sentences per text.\n\rIt relies on character counts "
    u"instead of syllables, making it suitable for automated assessments and helps determine if "
    u"the text complexity matches the audience reading level.",
    u"The Automated Readability Index (ARI) calculates the grade level required to understand a "
    u"text based on characters per word and words per sentence.\n\rIt provides a quick "
    u"assessment of text difficulty, enabling writers to modify the content to better match the "
    u"reader's abilities.",
    u"The SMOG Index (Simple Measure of Gobbledygook) estimates the years of education needed to "
    u"comprehend a text by focusing on polysyllabic words.\n\rIt is particularly useful in "
    u"healthcare and educational materials to ensure clarity and accessibility for the average "
    u"reader.",
    u"LIX Index (Läsbarhetsindex) measures text readability based on sentence length and the "
    u"percentage of long words (over six characters).\n\rIt helps writers evaluate and adjust "
    u"the complexity of their text and is primarily used for European, non-English languages.",
    u"The Gunning Fog Index estimates the years of formal education required to understand a "
    u"text on the first reading.\n\rIt highlights complex words and long sentences, encouraging "
    u"simplification to improve reader comprehension.",
    u"Estimated Reading Time provides an estimate of how long it will take an average reader to "
    u"read the text.\n\rIt manages reader expectations and helps authors to adjust content "
    u"length to maintain engagement and fit time constraints.",
    u"Estimated Speaking Time estimates the duration needed to read the text aloud.\n\rIt can be "
    u"useful for speeches, presentations, and audio recordings to ensure content fits within the "
    u"allotted time and aids in pacing delivery.",
};

void BuildRow(const MetricRow& row, const MetricRowLayout& layout) {
    using platform::ControlKind;
    const int top = 310 + 50 * layout.screenRow;
    CreateHelpIcon(layout.helpControl, {10, top + 2, 24, 24}, row.caption,
                   kRowHelp[layout.screenRow]);
    platform::CreateControl(ControlKind::Label, layout.valueControl, {26, top, 350, 20},
                            row.caption);
    platform::SetControlFont(layout.valueControl, platform::FontKind::MetricName);
    platform::CreateControl(ControlKind::ProgressBar, layout.barControl, {400, top, 310, 20}, u"");
    platform::SetControlMaximum(layout.barControl, row.barMaximum);
    // Until a value is drawn (RedrawRows).
    platform::SetControlAccessibleName(layout.barControl, NameFromCaption(row.caption));
    platform::CreateControl(ControlKind::Label, layout.labelControl, {10, top + 20, 700, 20}, u"");
    platform::SetControlFont(layout.labelControl, platform::FontKind::Summary);
}

void ResetRow(const MetricRow& row, const MetricRowLayout& layout) {
    platform::SetControlText(layout.valueControl, row.caption);
    platform::SetControlValue(layout.barControl, 0);
    platform::SetControlText(layout.labelControl, u"");
}

void SetBarsVisible(bool visible) {
    platform::SetControlVisible(kFirstRowHelpIcon, visible);
    for (const MetricRowLayout& layout : kMetricRowLayouts) {
        platform::SetControlVisible(layout.barControl, visible);
    }
}

}  // namespace

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
    CountTextRemembering(shell.currentJob, shell.locale, shell.analysisMemory.counts);
    platform::SetWindowContentHeight(kExpandedHeight);
    ResetResultsArea();
    shell.analysisCurrent = false;
    ShowMetricRows();
    WriteSummaryLine(shell.currentJob, CharactersPerPage(shell.locale), shell.summary);
    return true;
}

void ResetResultsArea() {
    // Rebuilding 36 controls on every keystroke would make typing lag.
    if (platform::ControlExists(kAutomatedIndexValue)) {
        // Rows showing figures keep them until they are redrawn: reset on every
        // keystroke, they went blank whenever the redraw waited for the worker.
        if (shell.metricRowsCleared) {
            for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
                ResetRow(kMetricRows[i], kMetricRowLayouts[i]);
            }
            shell.metricRowsCleared = false;
        }
        return;
    }
    shell.metricRowsCleared = false;
    // By screen row, as Tab follows the order of creation.
    for (int screenRow = 0; screenRow < static_cast<int>(kMetricRows.size()); ++screenRow) {
        for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
            if (kMetricRowLayouts[i].screenRow == screenRow) {
                BuildRow(kMetricRows[i], kMetricRowLayouts[i]);
            }
        }
    }
}

void ShowMetricRows() {
    if (platform::ControlExists(kAutomatedIndexValue)) {
        SetBarsVisible(true);
    }
}

void ClearMetricRows() {
    for (const MetricRowLayout& layout : kMetricRowLayouts) {
        platform::SetControlText(layout.valueControl, u"");
        platform::SetControlText(layout.labelControl, u"");
    }
    SetBarsVisible(false);
    shell.metricRowsCleared = true;
}

void WriteSummaryLine(const AnalysisJob& job, int charactersPerPage, SummaryMemory& memory) {
    std::u16string line = SummaryLineText(memory, job, shell.scenario, charactersPerPage);
    // Said where it is seen, so that a screen reader says it too.
    if (shell.draftIsMarkdown) {
        line += kReadAsMarkdownNote;
    }
    platform::SetControlText(kSummaryLine, line);
}
