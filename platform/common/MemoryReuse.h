#pragma once

namespace platform::posix {

// Keeps freed memory in the process instead of handing it back at once: a
// program that analyses thousands of documents on several threads otherwise
// spends a third of its time having the kernel unmap and map pages again.
void KeepFreedMemoryForReuse();

}  // namespace platform::posix
