// Grids built from rows, with the border the readers give them, for testing the scorer
// without going through text.
#pragma once

#include <cstdint>
#include <vector>

#include "sample_files.h"
#include "task/grid.h"

namespace pelvano::test {

template <class Grid>
class GridCells {
 public:
  GridCells(const Rows& rows, std::int32_t border)
      : width_(static_cast<std::int32_t>(rows[0].size())),
        height_(static_cast<std::int32_t>(rows.size())),
        cells_(Grid::cellCount(width_, height_), border) {
    for (std::int32_t r = 0; r < height_; ++r) {
      for (std::int32_t c = 0; c < width_; ++c)
        grid().row(r)[c] = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    }
  }
  Grid grid() { return Grid(cells_.data(), width_, height_); }

 private:
  std::int32_t width_;
  std::int32_t height_;
  std::vector<std::int32_t> cells_;
};

}  // namespace pelvano::test
