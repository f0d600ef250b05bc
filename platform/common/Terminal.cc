#include "platform/common/Terminal.h"

#include <unistd.h>

namespace platform::posix {

bool StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

}  // namespace platform::posix
