// A w by h grid of signed 32-bit numbers, row 0 first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelvano {

// Stored with a border one cell wide on every side, so that every inner cell's four
// neighbours are plain offsets from its index and the flood fill needs no bounds tests.
class PaddedGrid {
 public:
  // Makes the grid w by h, keeping the storage it already has; the border cells get
  // `borderValue`, the inner cells are left for the caller to fill.
  void reset(std::int32_t width, std::int32_t height, std::int32_t borderValue);

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  // Distance between vertically adjacent cells.
  std::ptrdiff_t stride() const { return width_ + 2; }

  std::ptrdiff_t indexOf(std::int32_t row, std::int32_t column) const {
    return (row + 1) * stride() + column + 1;
  }
  std::int32_t at(std::int32_t row, std::int32_t column) const {
    return cells_[static_cast<std::size_t>(indexOf(row, column))];
  }
  std::int32_t* row(std::int32_t r) { return cells_.data() + indexOf(r, 0); }

  // All cells, border included, addressed by indexOf.
  std::int32_t* cells() { return cells_.data(); }
  const std::int32_t* cells() const { return cells_.data(); }

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::int32_t> cells_;
};

using PopulationGrid = PaddedGrid;
using LabelGrid = PaddedGrid;

}  // namespace pelvano
