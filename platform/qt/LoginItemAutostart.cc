// Start at login on freedesktop systems: an XDG autostart entry.

#include "platform/Platform.h"
#include "platform/common/LoginFiles.h"

namespace platform {

bool InstallLoginItem(std::string_view applicationPath) {
    return InstallAutostartEntry(ConfigHome(), applicationPath);
}

bool RemoveLoginItem() {
    return RemoveAutostartEntry(ConfigHome());
}

}  // namespace platform
