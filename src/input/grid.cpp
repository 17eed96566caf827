#include "input/grid.h"

#include <algorithm>

namespace pelvano {

void PaddedGrid::fillBorder(std::int32_t value) const {
  const std::ptrdiff_t columns = stride();
  const std::ptrdiff_t rows = height_ + 2;
  std::fill_n(cells_, columns, value);
  std::fill_n(cells_ + (rows - 1) * columns, columns, value);
  for (std::ptrdiff_t r = 1; r + 1 < rows; ++r) {
    cells_[r * columns] = value;
    cells_[r * columns + columns - 1] = value;
  }
}

}  // namespace pelvano
