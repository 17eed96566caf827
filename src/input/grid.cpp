#include "input/grid.h"

#include <algorithm>

namespace pelvano {

void PaddedGrid::reset(std::int32_t width, std::int32_t height, std::int32_t borderValue) {
  width_ = width;
  height_ = height;
  const auto columns = static_cast<std::size_t>(stride());
  const auto rows = static_cast<std::size_t>(height) + 2;
  cells_.resize(columns * rows);
  std::fill_n(cells_.begin(), columns, borderValue);
  std::fill_n(cells_.end() - static_cast<std::ptrdiff_t>(columns), columns, borderValue);
  for (std::size_t r = 1; r + 1 < rows; ++r) {
    cells_[r * columns] = borderValue;
    cells_[r * columns + columns - 1] = borderValue;
  }
}

}  // namespace pelvano
