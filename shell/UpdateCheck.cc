#include "shell/UpdateCheck.h"

#include <optional>
#include <utility>

#include "platform/Platform.h"
#include "platform/http/HttpGet.h"
#include "results/VersionFile.h"
#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "shell/WebAddresses.h"

namespace {

constexpr int kDownloadNow = 1;

}  // namespace

void CheckForUpdateFrom(const UpdateSource& source) {
    platform::HttpRequest request;
    request.url = source.versionFileAddress;
    request.allowedProtocols = source.allowedProtocols;
    const std::optional<std::string> body = platform::HttpGet(request);
    if (!body) {
        return;
    }
    VersionFileResult found = ReadVersionFile(*body, shell.latestVersion);
    switch (found.outcome) {
        case VersionFileResult::Outcome::Unusable:
            break;
        case VersionFileResult::Outcome::UpToDate:
            platform::PostEvent({kNoNewerVersionEvent, kUnnumbered, 0});
            break;
        case VersionFileResult::Outcome::NewVersion:
            shell.latestVersion = std::move(found.version);
            shell.releaseNotes = std::move(found.releaseNotes);
            platform::PostEvent({kNewerVersionEvent, kUnnumbered, 0});
            break;
    }
}

void CheckForUpdate() {
    CheckForUpdateFrom({MakerPage(kVersionFilePath), "https"});
}

void ShowNewVersion() {
    platform::BringWindowToFront();
    std::u16string text = u"The latest Quillory is ";
    text += shell.latestVersion;
    text += u"\nYou have version 1.02\n";
    text += shell.releaseNotes;
    text += u"\n";
    const int answer =
        platform::ShowAlert(u"A new version is available!", text, platform::AlertIcon::Note,
                            kDownloadNow, u"Download Now", u"No Thanks!");
    if (answer == kDownloadNow) {
        platform::OpenUrl(MakerPage(kDownloadPath));
    } else {
        // The same version is offered again at the next check.
        shell.latestVersion = kOwnVersion;
    }
}

void ShowUpToDate() {
    platform::BringWindowToFront();
    platform::ShowAlert(u"Quillory", u"You have the latest version 1.02!",
                        platform::AlertIcon::Note, 1, u"Ok", u"");
}
