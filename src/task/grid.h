// A w by h grid of signed 32-bit numbers, row 0 first.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pelvano {

// A view of cells stored elsewhere, with room for a border one cell wide on every side. The
// cell after each row ends a run of labels (see Arrangement); the rest of the border is room
// that nothing reads.
class PaddedGrid {
 public:
  PaddedGrid() = default;
  // `cells` holds cellCount(width, height) cells.
  PaddedGrid(std::int32_t* cells, std::int32_t width, std::int32_t height)
      : cells_(cells), width_(width), height_(height) {}

  static std::size_t cellCount(std::int32_t width, std::int32_t height) {
    return (static_cast<std::size_t>(width) + 2) * (static_cast<std::size_t>(height) + 2);
  }

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  // Distance between vertically adjacent cells.
  std::ptrdiff_t stride() const { return width_ + 2; }

  std::ptrdiff_t indexOf(std::int32_t row, std::int32_t column) const {
    return (row + 1) * stride() + column + 1;
  }
  std::int32_t* row(std::int32_t r) const { return cells_ + indexOf(r, 0); }

  // All cells, border included, addressed by indexOf.
  std::int32_t* cells() const { return cells_; }

 private:
  std::int32_t* cells_ = nullptr;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

// A case's populations, as the task file gives them.
class PopulationGrid : public PaddedGrid {
 public:
  using PaddedGrid::PaddedGrid;
};

// A block's labels. The cell after each row holds kRowEnd: labels are 0 or more, so it ends
// every run of a label at the grid's edge, and whoever fills a grid sets it (the reader of a
// block, a picture of the rows read); the rest of the border is not set.
class LabelGrid : public PaddedGrid {
 public:
  using PaddedGrid::PaddedGrid;
};
inline constexpr std::int32_t kRowEnd = -1;

}  // namespace pelvano
