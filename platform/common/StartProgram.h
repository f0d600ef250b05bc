#pragma once

#include <string>
#include <vector>

namespace platform::posix {

// Starts the program named by arguments[0], found along PATH, with these
// arguments exactly (no shell), and does not wait for it; it is reaped when it
// ends. False when it could not be started.
bool StartProgram(const std::vector<std::string>& arguments);

}  // namespace platform::posix
