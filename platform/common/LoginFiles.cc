#include "platform/common/LoginFiles.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/common/AtomicFile.h"
#include "platform/common/StartProgram.h"
#include "product/Product.h"

namespace platform::posix {
namespace {

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Creates the folder and any missing parents, each with permissions 0700. False
// when something other than a folder is in the way.
bool EnsureFolder(const std::string& folder) {
    struct stat info {};
    if (folder.empty() || stat(folder.c_str(), &info) == 0) {
        return folder.empty() || S_ISDIR(info.st_mode);
    }
    if (errno != ENOENT || !EnsureFolder(ParentOf(folder))) {
        return false;
    }
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// A relative path would land in whatever folder the program was started from.
bool IsAbsolute(const std::string& path) {
    return path.starts_with('/');
}

bool InstallFile(const std::string& path, std::string_view content) {
    return EnsureFolder(ParentOf(path)) && WriteFileAtomically(path, content);
}

bool RemoveFile(const std::string& path) {
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

std::string ConfigHome() {
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    if (configured != nullptr && IsAbsolute(configured)) {
        return configured;
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

std::string AutostartEntryPath(const std::string& configHome) {
    return configHome + "/autostart/" + std::string(kBundleIdentifier) + ".desktop";
}

bool InstallAutostartEntry(const std::string& configHome, std::string_view entry) {
    return IsAbsolute(configHome) && InstallFile(AutostartEntryPath(configHome), entry);
}

bool RemoveAutostartEntry(const std::string& configHome) {
    return IsAbsolute(configHome) && RemoveFile(AutostartEntryPath(configHome));
}

std::string LaunchAgentPath(const std::string& homeFolder) {
    return homeFolder + "/Library/LaunchAgents/" + std::string(kBundleIdentifier) + ".plist";
}

bool InstallLaunchAgent(const std::string& homeFolder, std::string_view plist) {
    const std::string path = LaunchAgentPath(homeFolder);
    if (!IsAbsolute(homeFolder) || !InstallFile(path, plist)) {
        return false;
    }
    StartProgram({"launchctl", "load", path});
    return true;
}

bool RemoveLaunchAgent(const std::string& homeFolder) {
    const std::string path = LaunchAgentPath(homeFolder);
    if (!IsAbsolute(homeFolder)) {
        return false;
    }
    if (!Exists(path)) {
        return true;
    }
    // launchctl reads the file it unloads; by the time it does the file may be
    // gone, and the agent then stays loaded only until logout.
    StartProgram({"launchctl", "unload", path});
    return RemoveFile(path);
}

}  // namespace platform::posix
