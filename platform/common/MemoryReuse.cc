#include "platform/common/MemoryReuse.h"

#include <cstdlib>  // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform::posix {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    constexpr int kKeptBytes = 64 << 20;
    mallopt(M_TRIM_THRESHOLD, kKeptBytes);
    mallopt(M_MMAP_THRESHOLD, kKeptBytes);
#endif
}

void ReturnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    // Fixed, so that freeing one large block does not raise the bar for the next.
    constexpr int kLargeBytes = 256 << 10;
    mallopt(M_MMAP_THRESHOLD, kLargeBytes);
    mallopt(M_TRIM_THRESHOLD, 4 * kLargeBytes);
#endif
}

}  // namespace platform::posix
