// Start at login on macOS: a per-user launch agent.

#include "platform/Platform.h"
#include "platform/common/LoginFiles.h"

namespace platform {

bool InstallLoginItem(std::string_view applicationPath) {
    return InstallLaunchAgent(HomeFolder(), applicationPath);
}

bool RemoveLoginItem() {
    return RemoveLaunchAgent(HomeFolder());
}

}  // namespace platform
