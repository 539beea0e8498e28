// memory.cpp - memory figures for the debug overlay.
//
// The program has no garbage collector: CollectMemory frees nothing and says
// so. MemoryInUse is the allocator's count of bytes handed out and not yet
// freed (what grows when the program leaks): the C library's malloc figures,
// or AddressSanitizer's own when it has replaced malloc.
#include "platform/platform.h"

#include <malloc.h>  // Required for: mallinfo2

#include <cstddef>   // Required for: size_t

#if defined(__has_feature)
#if __has_feature(address_sanitizer) && !defined(__SANITIZE_ADDRESS__)
#define __SANITIZE_ADDRESS__ 1
#endif
#endif

#if defined(__SANITIZE_ADDRESS__)
// Exported by the sanitizer runtime; GCC ships no header declaring it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace platform {

int64_t MemoryInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return int64_t(__sanitizer_get_current_allocated_bytes());
#else
  struct mallinfo2 info = mallinfo2();
  return int64_t(info.uordblks + info.hblkhd);
#endif
}

int64_t CollectMemory() { return 0; }

}  // namespace platform
