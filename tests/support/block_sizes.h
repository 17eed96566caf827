// Block sizes for reading the same bytes in many splittings: every line, number and CR LF
// pair of a short text then falls across a block boundary in one of them.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/line_source.h"

namespace pelvano::test {

inline const std::vector<std::size_t> kBlockSizes = {1, 2, 3,  4,
                                                     5, 7, 11, LineSource::kDefaultChunkSize};

}  // namespace pelvano::test
