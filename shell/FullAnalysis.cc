#include "shell/FullAnalysis.h"

#include <utility>

#include "documents/DocumentAnalysis.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Draft.h"
#include "shell/RedrawRows.h"
#include "shell/ResultsArea.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"

void ShowFullAnalysis(const ProseDocument& draft) {
    DocumentAnalysis analysis = AnalyseDraft(draft);
    if (!analysis.figures.hasText) {
        // A Markdown draft without prose: nothing to count, nothing to mark.
        ClearSentenceMarks();
        return;
    }
    AnalysisJob& job = shell.currentJob;
    job = std::move(analysis.analysis.job);
    ShowMetrics(job, shell.locale, shell.lastDrawnValues);
    WriteSummaryLine(job, CharactersPerPage(shell.locale), shell.summary);
    ShowSentenceMarks(analysis.sentences, analysis.figures);
    shell.analysisCurrent = true;
}

void ReanalyseEditorText() {
    const std::u16string text = platform::ControlText(kEditor);
    if (!text.empty()) {
        ShowFullAnalysis(ReadDraft(text));
    }
}
