#include "platform/cell_arena.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#include "platform/page_advice.h"

namespace pelvano {
namespace {

constexpr std::size_t kFirstChunkBytes = std::size_t{64} << 10;

// Huge pages, and the whole chunk faulted in by one call: chunks are filled at once.
void prepareChunk(std::byte* chunk, std::size_t bytes) {
  adviseHugePages(chunk, bytes);
  adviseFaultIn(chunk, bytes);
}

}  // namespace

void CellArena::FreeChunk::operator()(std::byte* chunk) const noexcept {
  freeAligned(chunk);
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
        static_cast<std::byte*>(allocateAligned(chunkBytes, chunkBytes)));
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
