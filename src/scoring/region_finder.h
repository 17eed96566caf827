// Finds the regions of a labelled grid: the maximal sets of edge-adjacent cells that carry
// one label.
#pragma once

#include <cstdint>
#include <vector>

#include "input/grid.h"

namespace pelvano {

// What scoring needs of the regions: how many there are, and the populations of the least and
// the most populous (both 0 when there is none).
struct RegionTotals {
  std::int32_t count = 0;
  std::int64_t smallest = 0;
  std::int64_t largest = 0;
};

// Which region each cell belongs to, for a picture. Regions are numbered from 0 in the order
// in which their first cell comes in row-major order.
struct RegionMap {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::int32_t> regionOfCell;  // row-major, width * height cells
  std::vector<std::int64_t> populations;   // indexed by region

  RegionTotals totals() const;
};

// Holds the flood fill's work queue, so that a finder used for block after block allocates
// only when a larger grid comes.
class RegionFinder {
 public:
  // Both consume the labels: a cell is marked visited by turning its label x into ~x, so
  // afterwards every label is negative. `labels` and `populations` have the same size, and
  // the labels' border is already negative.
  RegionTotals findTotals(const LabelGrid& labels, const PopulationGrid& populations);
  RegionMap findMap(const LabelGrid& labels, const PopulationGrid& populations);

 private:
  template <class RegionDone>
  void floodFill(const LabelGrid& labels, const PopulationGrid& populations, RegionDone&& done);

  std::vector<std::uint32_t> queue_;
};

}  // namespace pelvano
