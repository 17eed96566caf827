// Storage for the task's population grids.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace pelvano {

// Hands out runs of cells from a few large chunks that live as long as the arena. A task of
// thirty 300x300 cases holds 11 MB of populations: one page fault per 4 KiB page costs more
// than reading the grids, so chunks grow to 2 MiB, are aligned for the system's huge pages,
// and are faulted in at once where the system allows it.
class CellArena {
 public:
  // `cells` uninitialised cells, valid as long as the arena.
  std::int32_t* allocate(std::size_t cells);

 private:
  struct FreeChunk {
    void operator()(std::byte* chunk) const noexcept;
  };

  std::vector<std::unique_ptr<std::byte[], FreeChunk>> chunks_;
  std::size_t used_ = 0;      // bytes handed out from the last chunk
  std::size_t capacity_ = 0;  // bytes in the last chunk
};

}  // namespace pelvano
