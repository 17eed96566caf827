// Finds the regions of a labelled grid: the maximal sets of edge-adjacent cells that carry
// one label.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "task/grid.h"

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
};

// Finds regions run by run: each row is cut into runs of one label, and a run joins the runs
// of the row above that it touches and that carry its label (a union-find over runs). Holds
// its runs from grid to grid, so that a finder used for block after block allocates only
// when a grid with more runs comes.
class RegionFinder {
 public:
  // `labels` and `populations` have the same size, and the border cell after each row of
  // labels is negative (labels are 0 or more); what the other border cells hold is not used,
  // though a wide row's runs may read the few cells after its end cell. The labels are only
  // read. A grid's populations total no more than kMaxTotalPopulation, as the task's do.
  RegionTotals findTotals(const LabelGrid& labels, const PopulationGrid& populations);
  RegionMap findMap(const LabelGrid& labels, const PopulationGrid& populations);

 private:
  // Cuts the grid into runs and joins them; afterwards every run's root is the first run of
  // its region in row-major order, and holds the region's population. Runs are stored row
  // by row, each row's from column 0 on; with `everyRow` false, a row that repeats the row
  // above gets no runs of its own (its cells are counted in the runs above).
  void joinRuns(const LabelGrid& labels, const PopulationGrid& populations, bool everyRow);
  // The same, each run summed by `RunSums` (fast/run_sums.h).
  template <class RunSums>
  void joinRuns(const LabelGrid& labels, const PopulationGrid& populations, bool everyRow);
  std::uint32_t root(std::uint32_t run);

  struct Run {
    std::int32_t start;  // first column
    std::int32_t end;    // one past the last column
    std::int32_t label;
    std::uint32_t parent;
    std::int64_t population;
  };

  // Room for as many runs as the largest grid so far has cells, so that no run is added
  // one allocation check at a time; left uninitialised, so that only the room a grid's runs
  // take is ever touched. The first runCount_ are this grid's, rows in order.
  std::unique_ptr<Run[]> runs_;
  std::size_t runRoom_ = 0;
  std::uint32_t runCount_ = 0;
  std::uint32_t regionCount_ = 0;
};

}  // namespace pelvano
