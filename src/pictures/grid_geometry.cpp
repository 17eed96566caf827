#include "pictures/grid_geometry.h"

#include <algorithm>

namespace pelvano::pictures {
namespace {

constexpr std::int32_t kGridSpan = 720;  // the grid's longer side, as near as whole cells allow
constexpr std::int32_t kSmallestCell = 4;
constexpr std::int32_t kLargestCell = 48;
constexpr std::int32_t kShortestSide = 48;  // a grid of one row is this tall

std::int32_t stretched(std::int32_t cell, std::int32_t cells) {
  return std::max(cell, (kShortestSide + cells - 1) / std::max(cells, 1));
}

}  // namespace

GridPlacement cellSizeFor(std::int32_t width, std::int32_t height) {
  const std::int32_t cell =
      std::clamp(kGridSpan / std::max({width, height, 1}), kSmallestCell, kLargestCell);
  GridPlacement grid;
  grid.cellWidth = stretched(cell, width);
  grid.cellHeight = stretched(cell, height);
  return grid;
}

std::vector<std::vector<Rectangle>> rectanglesOf(const RegionCells& cells, std::size_t regions) {
  std::vector<std::vector<Rectangle>> byRegion(regions);
  const auto keep = [&](const Rectangle& rectangle) {
    byRegion[static_cast<std::size_t>(rectangle.region)].push_back(rectangle);
  };
  std::vector<Rectangle> open;  // reaching the row above, by column
  std::vector<Rectangle> next;
  for (std::int32_t row = 0; row < cells.rows(); ++row) {
    next.clear();
    std::size_t k = 0;
    for (std::int32_t column = 0; column < cells.columns();) {
      const std::int32_t region = cells.at(row, column);
      const std::int32_t start = column;
      while (column < cells.columns() && cells.at(row, column) == region)
        ++column;
      const std::int32_t length = column - start;
      while (k < open.size() && open[k].column < start)
        keep(open[k++]);
      if (k < open.size() && open[k].column == start && open[k].length == length &&
          open[k].region == region) {
        Rectangle grown = open[k++];
        ++grown.rows;
        next.push_back(grown);
      } else {
        next.push_back({start, row, length, 1, region});
      }
    }
    while (k < open.size())
      keep(open[k++]);
    open.swap(next);
  }
  for (const Rectangle& rectangle : open)
    keep(rectangle);
  return byRegion;
}

std::string areaPath(const std::vector<Rectangle>& rectangles, const GridPlacement& grid) {
  std::string path;
  for (const Rectangle& r : rectangles) {
    path += 'M' + std::to_string(grid.x + r.column * grid.cellWidth) + ' ' +
            std::to_string(grid.y + r.row * grid.cellHeight) + 'h' +
            std::to_string(r.length * grid.cellWidth) + 'v' +
            std::to_string(r.rows * grid.cellHeight) + 'h' +
            std::to_string(-r.length * grid.cellWidth) + 'z';
  }
  return path;
}

}  // namespace pelvano::pictures
