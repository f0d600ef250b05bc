#include "shell/FullAnalysis.h"

#include "engine/AnalysisJob.h"
#include "engine/CountMemory.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/MarkdownDraft.h"
#include "shell/RedrawRows.h"
#include "shell/ResultsArea.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"

void ShowFullAnalysis(std::u16string_view text) {
    AnalysisJob& job = shell.currentJob;
    job.text = text;
    // Most of the text is usually as the last count met it.
    const AsciiWordCounts asciiWords =
        RunAnalysisRemembering(job, shell.locale, shell.rates, shell.countMemory);
    ShowMetrics(job, shell.locale, shell.lastDrawnValues);
    WriteSummaryLine(job, CharactersPerPage(shell.locale), shell.summary);
    MarkSentencesCounted(text, job, asciiWords);
    shell.analysisCurrent = true;
}

void ReanalyseEditorText() {
    const std::u16string text = platform::ControlText(kEditor);
    if (!text.empty()) {
        ShowFullAnalysis(ReadDraft(text));
    }
}
