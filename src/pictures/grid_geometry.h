// Where a block's grid stands in its picture, and its regions as few shapes: rectangles to
// fill and merged edge lines, in the SVG's user units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/region_finder.h"

namespace pelvano::pictures {

// The top-left corner of row 0, column 0, and a cell's size. Cells are square but in grids
// of very few rows or columns, which are stretched to a readable height or width.
struct GridPlacement {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t cellWidth = 0;
  std::int32_t cellHeight = 0;

  std::int32_t smallerSide() const { return cellWidth < cellHeight ? cellWidth : cellHeight; }
};

// The cell size for a grid of `width` by `height` cells: square cells that fit the grid's
// longer side in about 720 units (4 to 48 each), stretched along a side of so few cells that
// it would be under 48 units.
GridPlacement cellSizeFor(std::int32_t width, std::int32_t height);

// A run of cells of one region, and the rows below it where the same run repeats.
struct Rectangle {
  std::int32_t column;
  std::int32_t row;
  std::int32_t length;
  std::int32_t rows;
  std::int32_t region;

  std::int64_t cells() const { return static_cast<std::int64_t>(length) * rows; }
  friend bool operator==(const Rectangle&, const Rectangle&) = default;
};

// A region map read cell by cell, -1 outside the rows read.
class RegionCells {
 public:
  explicit RegionCells(const RegionMap& map) : map_(map) {}
  std::int32_t rows() const { return map_.height; }
  std::int32_t columns() const { return map_.width; }
  std::int32_t at(std::int32_t row, std::int32_t column) const {
    if (row < 0 || row >= map_.height || column < 0 || column >= map_.width) return -1;
    return map_.regionOfCell[static_cast<std::size_t>(row) * static_cast<std::size_t>(map_.width) +
                             static_cast<std::size_t>(column)];
  }

 private:
  const RegionMap& map_;
};

// Each region's cells as few rectangles: runs along a row, merged down while the same run
// of the same region repeats, so that a picture stays small however large its grid. Every
// cell lies in exactly one rectangle of its region.
std::vector<std::vector<Rectangle>> rectanglesOf(const RegionCells& cells, std::size_t regions);

// Path data that fills the rectangles.
std::string areaPath(const std::vector<Rectangle>& rectangles, const GridPlacement& grid);

// Path data for the edges between cells where `differs(a, b)` holds for the regions on either
// side (-1 outside the rows read), consecutive edges merged into one line.
template <class Differs>
std::string edgePath(const RegionCells& cells, const GridPlacement& grid, Differs differs) {
  std::string path;
  const auto line = [&](std::int32_t x, std::int32_t y, char direction, std::int32_t length) {
    path += 'M' + std::to_string(x) + ' ' + std::to_string(y) + direction + std::to_string(length);
  };
  for (std::int32_t edge = 0; edge <= cells.rows(); ++edge) {  // between rows edge-1 and edge
    for (std::int32_t column = 0; column < cells.columns();) {
      if (!differs(cells.at(edge - 1, column), cells.at(edge, column))) {
        ++column;
        continue;
      }
      const std::int32_t start = column;
      while (column < cells.columns() &&
             differs(cells.at(edge - 1, column), cells.at(edge, column)))
        ++column;
      line(grid.x + start * grid.cellWidth, grid.y + edge * grid.cellHeight, 'h',
           (column - start) * grid.cellWidth);
    }
  }
  for (std::int32_t edge = 0; edge <= cells.columns(); ++edge) {
    for (std::int32_t row = 0; row < cells.rows();) {
      if (!differs(cells.at(row, edge - 1), cells.at(row, edge))) {
        ++row;
        continue;
      }
      const std::int32_t start = row;
      while (row < cells.rows() && differs(cells.at(row, edge - 1), cells.at(row, edge)))
        ++row;
      line(grid.x + edge * grid.cellWidth, grid.y + start * grid.cellHeight, 'v',
           (row - start) * grid.cellHeight);
    }
  }
  return path;
}

}  // namespace pelvano::pictures
