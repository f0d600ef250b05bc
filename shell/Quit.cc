#include "shell/Quit.h"

#include "platform/Platform.h"
#include "shell/AnalysisWorker.h"
#include "shell/MainWindow.h"
#include "shell/ShellState.h"

void Quit() {
    // The worker still takes the lock and posts into the queue; both must outlive it.
    WaitForAnalysisWorker();
    shell.currentJob = {};
    if (platform::WindowExists()) {
        CloseMainWindow();
    }
    platform::RemoveStatusItem();
    shell.quitRequested = true;
}
