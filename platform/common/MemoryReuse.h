#pragma once

namespace platform::posix {

// Keeps freed memory in the process instead of handing it back at once: a
// program that analyses thousands of documents on several threads otherwise
// spends a third of its time having the kernel unmap and map pages again.
void KeepFreedMemoryForReuse();

// Hands large blocks back to the system as soon as they are freed: a
// long-lived program that analyses a large document now and then keeps only
// what it still holds, while small documents reuse their memory as before.
void ReturnLargeBlocksWhenFreed();

}  // namespace platform::posix
