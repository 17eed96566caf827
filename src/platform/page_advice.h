// Requests to the system about how memory about to be filled should be paged in. First-touch
// page faults of 4 KiB pages cost more than the parsing that fills them.
#pragma once

#include <cstddef>

namespace pelvano {

inline constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// Asks for huge pages over the whole 2 MiB pages inside [start, start + bytes). A request:
// where the system refuses, pages come one fault at a time as before.
void adviseHugePages(void* start, std::size_t bytes);

// Asks for [start, start + bytes) to be faulted in by one call (where the system can).
void adviseFaultIn(void* start, std::size_t bytes);

}  // namespace pelvano
