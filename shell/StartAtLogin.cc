#include "shell/StartAtLogin.h"

#include <string>

#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/LoginEntry.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"

namespace {

std::string LoginEntry(const std::string& applicationPath) {
    switch (platform::LoginItemFormHere()) {
        case platform::LoginItemForm::LaunchAgent:
            return LaunchAgentPlist(applicationPath);
        case platform::LoginItemForm::AutostartEntry:
            break;
    }
    return AutostartDesktopEntry(applicationPath);
}

}  // namespace

void ToggleStartAtLogin() {
    const bool wasOn = shell.login;
    shell.login = !wasOn;
    const std::string applicationPath = platform::ApplicationPath();
    if (!applicationPath.empty()) {
        if (wasOn) {
            platform::RemoveLoginItem();
        } else {
            platform::InstallLoginItem(LoginEntry(applicationPath));
        }
    }
    StoreFlag(kLoginKey, shell.login);
    platform::SetMenuItemChecked(kStartAtLoginItem, shell.login);
}
