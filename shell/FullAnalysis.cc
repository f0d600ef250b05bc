#include "shell/FullAnalysis.h"

#include "engine/AnalysisJob.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
#include "shell/MarkdownDraft.h"
#include "shell/RedrawRows.h"
#include "shell/ResultsArea.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"

void ShowFullAnalysis(std::u16string_view text) {
    shell.currentJob.text = text;
    RunAnalysis(shell.currentJob, shell.locale, shell.rates);
    ShowMetrics(shell.currentJob, shell.locale);
    WriteSummaryLine(shell.currentJob, CharactersPerPage(shell.locale), shell.summary);
    MarkSentences(text, shell.currentJob);
    shell.analysisCurrent = true;
}

void ReanalyseEditorText() {
    const std::u16string text = platform::ControlText(kEditor);
    if (!text.empty()) {
        ShowFullAnalysis(ReadDraft(text));
    }
}
