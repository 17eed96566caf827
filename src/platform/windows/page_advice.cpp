#include "platform/page_advice.h"

#include <malloc.h>

namespace pelvano {

void* allocateAligned(std::size_t alignment, std::size_t bytes) {
  return ::_aligned_malloc(bytes, alignment);
}

void freeAligned(void* memory) {
  ::_aligned_free(memory);
}

// Windows takes no advice on pages of ordinary memory; they come one fault at a time.
void adviseHugePages(void*, std::size_t) {}
void adviseFaultIn(void*, std::size_t) {}

}  // namespace pelvano
