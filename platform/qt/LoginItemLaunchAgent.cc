// Start at login on macOS: a per-user launch agent.

#include "platform/Platform.h"
#include "platform/common/LoginFiles.h"

namespace platform {

LoginItemForm LoginItemFormHere() {
    return LoginItemForm::LaunchAgent;
}

bool InstallLoginItem(std::string_view entry) {
    return posix::InstallLaunchAgent(posix::HomeFolder(), entry);
}

bool RemoveLoginItem() {
    return posix::RemoveLaunchAgent(posix::HomeFolder());
}

}  // namespace platform
