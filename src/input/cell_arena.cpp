#include "input/cell_arena.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

namespace pelvano {
namespace {

constexpr std::size_t kFirstChunkBytes = std::size_t{64} << 10;
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// Asks for huge pages and for the whole chunk to be faulted in by one call. Both are
// requests: where the system refuses, the pages come one fault at a time as they are used.
void prepareChunk(std::byte* chunk, std::size_t bytes) {
  if (bytes >= kHugePageBytes) ::madvise(chunk, bytes, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
  ::madvise(chunk, bytes, MADV_POPULATE_WRITE);
#endif
}

}  // namespace

void CellArena::FreeChunk::operator()(std::byte* chunk) const noexcept {
  std::free(chunk);
}

std::int32_t* CellArena::allocate(std::size_t cells) {
  const std::size_t bytes = cells * sizeof(std::int32_t);
  if (capacity_ - used_ < bytes) {
    std::size_t chunkBytes =
        chunks_.empty() ? kFirstChunkBytes : std::min(capacity_ * 2, kHugePageBytes);
    while (chunkBytes < bytes)
      chunkBytes *= 2;
    // Aligned to its own size (up to a huge page), so a 2 MiB chunk is one huge page.
    std::unique_ptr<std::byte[], FreeChunk> chunk(
        static_cast<std::byte*>(std::aligned_alloc(chunkBytes, chunkBytes)));
    if (chunk == nullptr) throw std::bad_alloc();
    prepareChunk(chunk.get(), chunkBytes);
    chunks_.push_back(std::move(chunk));
    used_ = 0;
    capacity_ = chunkBytes;
  }
  auto* cellsStart = reinterpret_cast<std::int32_t*>(chunks_.back().get() + used_);
  used_ += bytes;
  return cellsStart;
}

}  // namespace pelvano
