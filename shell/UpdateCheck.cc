#include "shell/UpdateCheck.h"

#include <optional>
#include <utility>

#include "platform/Platform.h"
#include "product/Product.h"
#include "results/VersionFile.h"
#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "shell/WebAddresses.h"

namespace {

constexpr int kDownloadNow = 1;

}  // namespace

void CheckForUpdate() {
    const std::optional<std::string> body = platform::HttpsGet(MakerPage(kVersionFilePath));
    if (!body) {
        return;
    }
    VersionFileResult found = ReadVersionFile(*body, shell.latestVersion);
    switch (found.outcome) {
        case VersionFileResult::Outcome::Unusable:
            break;
        case VersionFileResult::Outcome::UpToDate:
            platform::PostEvent({platform::EventKind::NoNewerVersion, kUnnumbered});
            break;
        case VersionFileResult::Outcome::NewVersion:
            shell.latestVersion = std::move(found.version);
            shell.releaseNotes = std::move(found.releaseNotes);
            platform::PostEvent({platform::EventKind::NewerVersion, kUnnumbered});
            break;
    }
}

void ShowNewVersion() {
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
