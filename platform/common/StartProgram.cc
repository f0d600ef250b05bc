#include "platform/common/StartProgram.h"

#include <spawn.h>
#include <sys/wait.h>

#include "platform/Platform.h"

extern char** environ;

namespace platform::posix {
namespace {

constexpr std::size_t kReaperStackBytes = std::size_t{64} * 1024;

}  // namespace

bool StartProgram(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return false;
    }
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    // Without a reaper the ended program would stay a zombie until we exit.
    StartDetachedThread([child] { waitpid(child, nullptr, 0); }, kReaperStackBytes);
    return true;
}

}  // namespace platform::posix
