#include "platform/page_advice.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace pelvano {

void adviseHugePages(void* start, std::size_t bytes) {
#ifdef MADV_HUGEPAGE  // Linux's; other POSIX systems choose their pages themselves
  const auto first = reinterpret_cast<std::uintptr_t>(start);
  const std::uintptr_t begin = (first + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
  const std::uintptr_t end = (first + bytes) & ~(kHugePageBytes - 1);
  if (begin < end) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)start;
  (void)bytes;
#endif
}

void* allocateAligned(std::size_t alignment, std::size_t bytes) {
  return std::aligned_alloc(alignment, bytes);
}

void freeAligned(void* memory) {
  std::free(memory);
}

void adviseFaultIn(void* start, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  ::madvise(start, bytes, MADV_POPULATE_WRITE);
#else
  (void)start;
  (void)bytes;
#endif
}

}  // namespace pelvano
