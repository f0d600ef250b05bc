#include "shell/Quit.h"

#include "platform/Platform.h"
#include "shell/AnalysisWorker.h"
#include "shell/MainWindow.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"
#include "shell/UpdateCheck.h"

void Quit() {
    // The workers still take their locks and post into the queue; both must outlive them.
    platform::CancelHttpsGets();
    WaitForUpdateCheck();
    WaitForAnalysisWorker();
    shell.currentJob = {};
    if (platform::WindowExists()) {
        CloseMainWindow();
    }
    FlushTypedText();
    platform::RemoveStatusItem();
    shell.quitRequested = true;
}
