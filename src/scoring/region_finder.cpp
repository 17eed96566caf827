#include "scoring/region_finder.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>

#include "fast/machine.h"

namespace pelvano {

std::uint32_t RegionFinder::root(std::uint32_t run) {
  Run* const runs = runs_.get();
  while (runs[run].parent != run) {
    runs[run].parent = runs[runs[run].parent].parent;  // halving the path as it is walked
    run = runs[run].parent;
  }
  return run;
}

namespace {

// Whether the w labels at `row` are those at `above`. Short rows are compared here, long ones
// by the library's memcmp, which compares many bytes at once.
bool sameLabels(const std::int32_t* row, const std::int32_t* above, std::int32_t w) {
  if (w >= 16) return std::memcmp(row, above, static_cast<std::size_t>(w) * sizeof *row) == 0;
  for (std::int32_t c = 0; c < w; ++c) {
    if (row[c] != above[c]) return false;
  }
  return true;
}

// Rows of at least this many cells have their runs summed four cells at a time; in shorter
// ones, runs are too short for it to pay.
constexpr std::int32_t kLongRunRow = 16;

// The totals of a grid of one row, whose runs are its regions: nothing is stored or joined.
RegionTotals totalsOfOneRow(const std::int32_t* label, const std::int32_t* population,
                            std::int32_t w) {
  RegionTotals totals{0, std::numeric_limits<std::int64_t>::max(), 0};
  for (std::int32_t c = 0; c < w;) {
    const std::int64_t sum = run_sums::WordRunSums::sumRun(label, population, c);
    ++totals.count;
    totals.smallest = std::min(totals.smallest, sum);
    totals.largest = std::max(totals.largest, sum);
  }
  return totals;
}

}  // namespace

template <class RunSums>
void RegionFinder::joinRuns(const LabelGrid& labels, const PopulationGrid& populations,
                            bool everyRow) {
  const std::int32_t w = labels.width();
  const std::int32_t h = labels.height();
  const std::size_t cells = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  if (runRoom_ < cells) {
    runs_.reset(new Run[cells]);
    runRoom_ = cells;
  }
  Run* const runs = runs_.get();
  std::uint32_t count = 0;
  std::uint32_t joins = 0;
  runCount_ = regionCount_ = 0;
  if (h == 0) return;  // a picture's grid that failed in its first row
  const std::int32_t* label = labels.row(0);
  const std::int32_t* population = populations.row(0);
  const std::ptrdiff_t stride = labels.stride();  // the populations' too: the grids are alike
  // Stores the run that starts at column c of the current row; leaves c at the run's end.
  const auto cutRun = [&](std::int32_t& c) {
    const std::int32_t x = label[c];
    const std::int32_t runStart = c;
    const std::int64_t sum = RunSums::sumRun(label, population, c);
    const std::uint32_t run = count++;
    runs[run] = {runStart, c, x, run, sum};
    return run;
  };
  // The first row's runs touch nothing above.
  for (std::int32_t c = 0; c < w;)
    cutRun(c);
  std::uint32_t above = 0;  // the first run of the row above that may touch the next run
  for (std::int32_t r = 1; r < h; ++r) {
    label += stride;
    population += stride;
    if (!everyRow && sameLabels(label, label - stride, w)) {
      // The row repeats the one above, as rows of rectangular regions do: its runs are the
      // runs above over again, so no run is cut and none joins; only their regions grow. The
      // next row is compared with this one, which has the same runs. They are cut where the
      // labels change, as any row's are, so one run above after the other.
      std::int32_t c = 0;
      for (std::uint32_t a = above; a < count; ++a)
        runs[root(a)].population += RunSums::sumRun(label, population, c);
      continue;
    }
    const std::uint32_t first = count;
    for (std::int32_t c = 0; c < w;) {
      const std::uint32_t run = cutRun(c);
      const std::int32_t x = runs[run].label;
      std::uint32_t mine = run;  // the run's root
      // The runs above from the one over its first cell to the one over its last; the row
      // above ends where this one does, so one of them reaches this run's end.
      std::uint32_t a = above;
      for (;; ++a) {
        if (runs[a].label == x) {
          const std::uint32_t theirs = root(a);
          if (theirs != mine) {
            // The earlier run stays the root: it is the region's first in row-major order. A
            // root holds its region's population so far.
            const std::uint32_t kept = std::min(mine, theirs);
            const std::uint32_t joined = std::max(mine, theirs);
            runs[joined].parent = kept;
            runs[kept].population += runs[joined].population;
            mine = kept;
            ++joins;
          }
        }
        if (runs[a].end >= c) break;
      }
      // The next run starts at c: over it stands the last run looked at, unless that one ended
      // at c too.
      above = runs[a].end == c ? a + 1 : a;
    }
    above = first;
  }
  runCount_ = count;
  regionCount_ = count - joins;
}

void RegionFinder::joinRuns(const LabelGrid& labels, const PopulationGrid& populations,
                            bool everyRow) {
  if (labels.width() >= kLongRunRow) {
    joinRuns<MachineRunSums>(labels, populations, everyRow);
  } else {
    joinRuns<run_sums::WordRunSums>(labels, populations, everyRow);
  }
}

RegionTotals RegionFinder::findTotals(const LabelGrid& labels, const PopulationGrid& populations) {
  // Grids of one row are mostly small cases' (a long row is one of a few hundred cells).
  if (labels.height() == 1) {
    return totalsOfOneRow(labels.row(0), populations.row(0), labels.width());
  }
  joinRuns(labels, populations, false);
  if (runCount_ == 0) return {};
  // The first run is a root, so the extremes start from its population.
  const Run* const runs = runs_.get();
  std::int64_t smallest = runs[0].population;
  std::int64_t largest = smallest;
  for (std::uint32_t run = 1; run < runCount_; ++run) {
    if (runs[run].parent != run) continue;
    smallest = std::min(smallest, runs[run].population);
    largest = std::max(largest, runs[run].population);
  }
  return {static_cast<std::int32_t>(regionCount_), smallest, largest};
}

RegionMap RegionFinder::findMap(const LabelGrid& labels, const PopulationGrid& populations) {
  joinRuns(labels, populations, true);
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
  // Runs come row by row, and each row's first run starts at column 0.
  std::ptrdiff_t r = -1;
  for (std::uint32_t run = 0; run < runCount_; ++run) {
    if (runs_[run].start == 0) ++r;
    std::int32_t* const row = map.regionOfCell.data() + r * map.width;
    std::fill(row + runs_[run].start, row + runs_[run].end, regionOfRun[run]);
  }
  return map;
}

}  // namespace pelvano
