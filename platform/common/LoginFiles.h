#pragma once

// The per-user files that start the application at login, with the content the
// caller gives. Both forms take the folder they live under, so that each can be
// exercised against any home folder.

#include <string>
#include <string_view>

namespace platform::posix {

// $HOME, else the password database's entry; "" when neither names one.
std::string HomeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else the home folder's .config;
// "" without a home folder.
std::string ConfigHome();

// XDG autostart: <configHome>/autostart/com.velmoor.Quillory.desktop. Missing
// folders are created with permissions 0700.
std::string AutostartEntryPath(const std::string& configHome);
bool InstallAutostartEntry(const std::string& configHome, std::string_view entry);
// True when no entry is left, including when there was none.
bool RemoveAutostartEntry(const std::string& configHome);

// Launch agent: <home>/Library/LaunchAgents/com.velmoor.Quillory.plist, loaded
// and unloaded with launchctl (not waited for).
std::string LaunchAgentPath(const std::string& homeFolder);
bool InstallLaunchAgent(const std::string& homeFolder, std::string_view plist);
bool RemoveLaunchAgent(const std::string& homeFolder);

}  // namespace platform::posix
