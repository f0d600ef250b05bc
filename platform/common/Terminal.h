#pragma once

namespace platform::posix {

// Whether standard error is shown on a terminal, where a progress line that
// rewrites itself reads well; in a log it would be noise.
bool StandardErrorIsTerminal();

}  // namespace platform::posix
