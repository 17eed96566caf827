#include "scoring/region_finder.h"

#include <algorithm>
#include <cstddef>

namespace pelvano {

std::uint32_t RegionFinder::root(std::uint32_t run) {
  Run* const runs = runs_.get();
  while (runs[run].parent != run) {
    runs[run].parent = runs[runs[run].parent].parent;  // halving the path as it is walked
    run = runs[run].parent;
  }
  return run;
}

void RegionFinder::joinRuns(const LabelGrid& labels, const PopulationGrid& populations) {
  const std::int32_t w = labels.width();
  const std::int32_t h = labels.height();
  const std::size_t cells = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  if (runRoom_ < cells) {
    runs_.reset(new Run[cells]);
    runRoom_ = cells;
  }
  if (rowStart_.size() < static_cast<std::size_t>(h) + 1) {
    rowStart_.resize(static_cast<std::size_t>(h) + 1);
  }
  Run* const runs = runs_.get();
  std::uint32_t count = 0;
  std::uint32_t above = 0;  // the first run of the row above that may still touch this row's
  for (std::int32_t r = 0; r < h; ++r) {
    const std::int32_t* const label = labels.row(r);
    const std::int32_t* const population = populations.row(r);
    const std::uint32_t first = count;
    rowStart_[static_cast<std::size_t>(r)] = first;
    for (std::int32_t c = 0; c < w;) {
      const std::int32_t x = label[c];
      const std::int32_t runStart = c;
      std::int64_t sum = 0;
      // The border after the row is negative and ends every run.
      do {
        sum += population[c++];
      } while (label[c] == x);
      const std::uint32_t run = count++;
      runs[run] = {runStart, c, x, run, sum};
      // Runs above that end before this one starts touch no run of this row further on.
      while (above < first && runs[above].end <= runStart)
        ++above;
      for (std::uint32_t a = above; a < first && runs[a].start < c; ++a) {
        if (runs[a].label != x) continue;
        const std::uint32_t mine = root(run);
        const std::uint32_t theirs = root(a);
        if (mine == theirs) continue;
        // The earlier run stays the root: it is the region's first in row-major order. A root
        // holds its region's population so far.
        const std::uint32_t kept = mine < theirs ? mine : theirs;
        const std::uint32_t joined = mine < theirs ? theirs : mine;
        runs[joined].parent = kept;
        runs[kept].population += runs[joined].population;
      }
    }
    above = first;
  }
  rowStart_[static_cast<std::size_t>(h)] = count;
  runCount_ = count;
}

RegionTotals RegionFinder::findTotals(const LabelGrid& labels, const PopulationGrid& populations) {
  joinRuns(labels, populations);
  RegionTotals totals;
  for (std::uint32_t run = 0; run < runCount_; ++run) {
    if (runs_[run].parent != run) continue;
    const std::int64_t sum = runs_[run].population;
    if (totals.count == 0) {
      totals.smallest = totals.largest = sum;
    } else if (sum < totals.smallest) {
      totals.smallest = sum;
    } else if (sum > totals.largest) {
      totals.largest = sum;
    }
    ++totals.count;
  }
  return totals;
}

RegionMap RegionFinder::findMap(const LabelGrid& labels, const PopulationGrid& populations) {
  joinRuns(labels, populations);
  RegionMap map;
  map.width = labels.width();
  map.height = labels.height();
  map.regionOfCell.resize(static_cast<std::size_t>(map.width) *
                          static_cast<std::size_t>(map.height));
  // Regions are numbered as their roots come, which is the order of their first cells.
  std::vector<std::int32_t> regionOfRun(runCount_);
  for (std::uint32_t run = 0; run < runCount_; ++run) {
    const std::uint32_t top = root(run);
    if (top == run) {
      regionOfRun[run] = static_cast<std::int32_t>(map.populations.size());
      map.populations.push_back(runs_[run].population);
    } else {
      regionOfRun[run] = regionOfRun[top];
    }
  }
  for (std::int32_t r = 0; r < map.height; ++r) {
    std::int32_t* const row = map.regionOfCell.data() + static_cast<std::ptrdiff_t>(r) * map.width;
    for (std::uint32_t run = rowStart_[static_cast<std::size_t>(r)];
         run < rowStart_[static_cast<std::size_t>(r) + 1]; ++run) {
      std::fill(row + runs_[run].start, row + runs_[run].end, regionOfRun[run]);
    }
  }
  return map;
}

}  // namespace pelvano
