#include "input/grid.h"

#include <algorithm>

namespace pelvano {

void PaddedGrid::fillBorder(std::int32_t value) const {
  // Plain loops: most grids are small, and a call to memset costs more than their borders.
  const std::ptrdiff_t columns = stride();
  std::int32_t* const last = cells_ + (height_ + 1) * columns;
  for (std::ptrdiff_t c = 0; c < columns; ++c) {
    cells_[c] = value;
    last[c] = value;
  }
  for (std::int32_t* rowEnd = cells_ + columns - 1; rowEnd < last; rowEnd += columns) {
    rowEnd[0] = value;  // the last cell of one row and the first of the next
    rowEnd[1] = value;
  }
}

}  // namespace pelvano
