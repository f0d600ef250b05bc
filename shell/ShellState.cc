#include "shell/ShellState.h"

#include "shell/AnalysisWorker.h"
#include "shell/UpdateCheck.h"

ShellState shell;

void ResetShellState() {
    WaitForAnalysisWorker();
    WaitForUpdateCheck();
    shell.topWin = false;
    shell.locale = EnglishVariant::Us;
    shell.login = false;
    shell.scenario = 0;
    shell.rates = {};
    shell.currentJob = {};
    shell.live = {};
    shell.analysisMemory = {};
    shell.summary = {};
    shell.lastDrawnValues = {};
    shell.metricRowsCleared = false;
    shell.analysisCurrent = false;
    shell.storedText.clear();
    shell.typedTextUnflushed = false;
    shell.lastTextFlushTime = 0;
    shell.lastTypingTime = 0;
    shell.unsavedTextTold = false;
    shell.quitRequested = false;
    shell.lengthAlertDue = false;
    shell.highlight = true;
    shell.marked.clear();
    shell.readAsMarkdown = false;
    shell.draftIsMarkdown = false;
    shell.draft = {};
    shell.latestVersion.clear();
    shell.releaseNotes.clear();
}
