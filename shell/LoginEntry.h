#pragma once

#include <string>
#include <string_view>

// The per-user launch agent that opens the application at login (macOS), with
// the path escaped for XML.
std::string LaunchAgentPlist(std::string_view applicationPath);

// The XDG autostart entry that starts the program at login, with the path
// quoted and escaped for the Exec key.
std::string AutostartDesktopEntry(std::string_view executablePath);
