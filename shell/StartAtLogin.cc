#include "shell/StartAtLogin.h"

#include <string>

#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"

void ToggleStartAtLogin() {
    const bool wasOn = shell.login;
    shell.login = !wasOn;
    const std::string applicationPath = platform::ApplicationPath();
    if (!applicationPath.empty()) {
        if (wasOn) {
            platform::RemoveLoginItem();
        } else {
            platform::InstallLoginItem(applicationPath);
        }
    }
    StoreFlag(kLoginKey, shell.login);
    platform::SetMenuItemChecked(kStartAtLoginItem, shell.login);
}
