// Start at login on freedesktop systems: an XDG autostart entry.

#include "platform/Platform.h"
#include "platform/common/LoginFiles.h"

namespace platform {

LoginItemForm LoginItemFormHere() {
    return LoginItemForm::AutostartEntry;
}

bool InstallLoginItem(std::string_view entry) {
    return posix::InstallAutostartEntry(posix::ConfigHome(), entry);
}

bool RemoveLoginItem() {
    return posix::RemoveAutostartEntry(posix::ConfigHome());
}

}  // namespace platform
