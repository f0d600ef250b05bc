#include "shell/Quit.h"

#include "platform/Platform.h"
#include "shell/AnalysisWorker.h"
#include "shell/MainWindow.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"
#include "shell/UpdateCheck.h"

namespace {

// Nothing is undone before this, so staying leaves the program as it was.
bool MayQuit() {
    const bool saved = platform::WindowExists() ? SaveEditorText() : FlushTypedText();
    return saved ||
           platform::ShowAlert(u"Your text could not be saved",
                               u"The settings file cannot be written: what you typed since the "
                               u"last save is lost if Quillory quits now.",
                               platform::AlertIcon::Stop, 2, u"Quit Anyway", u"Don't Quit") == 1;
}

}  // namespace

void Quit() {
    if (!MayQuit()) {
        return;
    }
    // The workers still take their locks and post into the queue; both must outlive them.
    platform::CancelHttpsGets();
    WaitForUpdateCheck();
    WaitForAnalysisWorker();
    shell.currentJob = {};
    if (platform::WindowExists()) {
        DestroyMainWindow();
    }
    platform::RemoveStatusItem();
    shell.quitRequested = true;
}
