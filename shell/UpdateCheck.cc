#include "shell/UpdateCheck.h"

#include <mutex>
#include <optional>
#include <utility>

#include "platform/Platform.h"
#include "product/Product.h"
#include "shell/AnalysisWorker.h"
#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "shell/VersionFile.h"
#include "shell/WebAddresses.h"

namespace {

constexpr int kDownloadNow = 1;

void EndUpdateCheck() {
    const std::lock_guard lock(shell.updateLock);
    shell.updateChecking = false;
    shell.updateEnded.notify_all();
}

// On the check's own thread: the transfer may take up to a minute.
void FetchVersionFile(const std::u16string& latestVersion) {
    const std::optional<std::string> body = platform::HttpsGet(MakerPage(kVersionFilePath));
    VersionFileResult found = body ? ReadVersionFile(*body, latestVersion) : VersionFileResult{};
    switch (found.outcome) {
        case VersionFileResult::Outcome::Unusable:
            break;
        case VersionFileResult::Outcome::UpToDate:
            platform::PostEvent({platform::EventKind::NoNewerVersion, kUnnumbered});
            break;
        case VersionFileResult::Outcome::NewVersion: {
            const std::lock_guard lock(shell.updateLock);
            shell.updateFound = std::move(found);
            platform::PostEvent({platform::EventKind::NewerVersion, kUnnumbered});
            break;
        }
    }
    EndUpdateCheck();
}

}  // namespace

void CheckForUpdate() {
    {
        const std::lock_guard lock(shell.updateLock);
        if (shell.updateChecking) {
            return;
        }
        shell.updateChecking = true;
    }
    const bool started = platform::StartDetachedThread(
        [latestVersion = shell.latestVersion] { FetchVersionFile(latestVersion); },
        kWorkerStackBytes);
    if (!started) {
        EndUpdateCheck();
    }
}

void WaitForUpdateCheck() {
    std::unique_lock lock(shell.updateLock);
    shell.updateEnded.wait(lock, [] { return !shell.updateChecking; });
}

void ShowNewVersion() {
    {
        const std::lock_guard lock(shell.updateLock);
        shell.latestVersion = std::move(shell.updateFound.version);
        shell.releaseNotes = std::move(shell.updateFound.releaseNotes);
    }
    platform::BringWindowToFront();
    std::u16string text = u"The latest Quillory is ";
    text += shell.latestVersion;
    text += u"\nYou have version ";
    text += kVersion;
    text += u"\n";
    text += shell.releaseNotes;
    text += u"\n";
    const int answer =
        platform::ShowAlert(u"A new version is available!", text, platform::AlertIcon::Note,
                            kDownloadNow, u"Download Now", u"No Thanks!");
    if (answer == kDownloadNow) {
        platform::OpenUrl(MakerPage(kDownloadPath));
    } else {
        // The same version is offered again at the next check.
        shell.latestVersion = kVersion;
    }
}

void ShowUpToDate() {
    platform::BringWindowToFront();
    std::u16string text = u"You have the latest version ";
    text += kVersion;
    text += u"!";
    platform::ShowAlert(u"Quillory", text, platform::AlertIcon::Note, 1, u"Ok", u"");
}
