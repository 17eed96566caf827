#include "scoring/region_finder.h"

#include <algorithm>
#include <cstddef>
#include <span>

namespace pelvano {

RegionTotals RegionMap::totals() const {
  RegionTotals totals;
  totals.count = static_cast<std::int32_t>(populations.size());
  if (!populations.empty()) {
    const auto [smallest, largest] = std::minmax_element(populations.begin(), populations.end());
    totals.smallest = *smallest;
    totals.largest = *largest;
  }
  return totals;
}

namespace {

struct FilledRegion {
  std::int64_t population;
  std::size_t cells;  // how many: their padded indices stand at the queue's start
};

// Fills the region of the unvisited cell `start` breadth first. A region's cells are marked
// visited (label x becomes ~x, which is negative) as they are queued, so no cell is queued
// twice and the queue never holds more than the grid's cells. Kept out of line: the loop
// then has the registers to itself.
[[gnu::noinline]] FilledRegion fillRegion(std::int32_t* label, const std::int32_t* population,
                                          std::uint32_t* queue, std::uint32_t start,
                                          std::ptrdiff_t stride) {
  const std::int32_t x = label[start];
  label[start] = ~x;
  std::size_t head = 0;
  std::size_t tail = 0;
  queue[tail++] = start;
  std::int64_t sum = 0;
  while (head < tail) {
    const std::uint32_t cell = queue[head++];
    sum += population[cell];
    // Neighbours in the order left, right, up, down; the border keeps every one inside.
    std::int32_t* const here = label + cell;
    const auto visit = [&](std::ptrdiff_t offset) {
      if (here[offset] == x) {
        here[offset] = ~x;
        queue[tail++] = static_cast<std::uint32_t>(static_cast<std::ptrdiff_t>(cell) + offset);
      }
    };
    visit(-1);
    visit(1);
    visit(-stride);
    visit(stride);
  }
  return {sum, tail};
}

}  // namespace

// Visits the cells in row-major order; each cell not yet visited starts a region.
// `done(population, cells)` is called for each region with its cells' padded indices.
template <class RegionDone>
void RegionFinder::floodFill(const LabelGrid& labels, const PopulationGrid& populations,
                             RegionDone&& done) {
  std::int32_t* const label = labels.cells();
  const std::int32_t w = labels.width();
  const std::int32_t h = labels.height();
  queue_.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  std::uint32_t* const queue = queue_.data();
  for (std::int32_t r = 0; r < h; ++r) {
    for (std::ptrdiff_t start = labels.indexOf(r, 0), rowEnd = start + w; start < rowEnd; ++start) {
      if (label[start] < 0) continue;
      const FilledRegion region = fillRegion(label, populations.cells(), queue,
                                             static_cast<std::uint32_t>(start), labels.stride());
      done(region.population, std::span<const std::uint32_t>(queue, region.cells));
    }
  }
}

RegionTotals RegionFinder::findTotals(const LabelGrid& labels, const PopulationGrid& populations) {
  RegionTotals totals;
  floodFill(labels, populations, [&](std::int64_t sum, std::span<const std::uint32_t>) {
    if (totals.count == 0) {
      totals.smallest = totals.largest = sum;
    } else if (sum < totals.smallest) {
      totals.smallest = sum;
    } else if (sum > totals.largest) {
      totals.largest = sum;
    }
    ++totals.count;
  });
  return totals;
}

RegionMap RegionFinder::findMap(const LabelGrid& labels, const PopulationGrid& populations) {
  RegionMap map;
  map.width = labels.width();
  map.height = labels.height();
  map.regionOfCell.resize(static_cast<std::size_t>(map.width) *
                          static_cast<std::size_t>(map.height));
  const std::ptrdiff_t stride = labels.stride();
  floodFill(labels, populations, [&](std::int64_t sum, std::span<const std::uint32_t> cells) {
    const auto region = static_cast<std::int32_t>(map.populations.size());
    map.populations.push_back(sum);
    for (const std::uint32_t cell : cells) {
      // Padded index to row-major: one border row above, one border column to the left.
      const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(cell) / stride - 1;
      const std::ptrdiff_t column = static_cast<std::ptrdiff_t>(cell) % stride - 1;
      map.regionOfCell[static_cast<std::size_t>(row * map.width + column)] = region;
    }
  });
  return map;
}

}  // namespace pelvano
