// Requests to the system about how memory about to be filled should be paged in. First-touch
// page faults of 4 KiB pages cost more than the parsing that fills them.
#pragma once

#include <cstddef>

namespace pelvano {

inline constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// Memory aligned to `alignment` (a power of two that divides `bytes`), freed with
// freeAligned; nullptr when there is none.
void* allocateAligned(std::size_t alignment, std::size_t bytes);
void freeAligned(void* memory);

// Asks for huge pages over the whole 2 MiB pages inside [start, start + bytes). A request:
// where the system refuses, pages come one fault at a time as before.
void adviseHugePages(void* start, std::size_t bytes);

// Asks for [start, start + bytes) to be faulted in by one call (where the system can).
void adviseFaultIn(void* start, std::size_t bytes);

}  // namespace pelvano
