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

}  // namespace platform::posix
