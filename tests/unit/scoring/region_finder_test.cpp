// The region finder on grids directly: the totals the score needs and the map a picture needs.
#include "scoring/region_finder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "grid_cells.h"
#include "reference_regions.h"
#include "scoring/score.h"
#include "task/check_failure.h"

namespace pelvano::test {
namespace {

Rows randomRows(std::mt19937& random, int w, int h, unsigned bound) {
  Rows rows(static_cast<std::size_t>(h), std::vector<int>(static_cast<std::size_t>(w)));
  for (auto& row : rows) {
    for (int& cell : row)
      cell = static_cast<int>(random() % bound);
  }
  return rows;
}

// Rows that often repeat the row above, as the rows of rectangular regions do.
Rows withRepeatedRows(std::mt19937& random, Rows rows) {
  for (std::size_t r = 1; r < rows.size(); ++r) {
    if (random() % 2 == 0) rows[r] = rows[r - 1];
  }
  return rows;
}

// Rows whose cells mostly repeat the cell before, in runs of many lengths, as grown regions'
// rows are cut.
Rows inLongRuns(std::mt19937& random, Rows rows) {
  for (auto& row : rows) {
    for (std::size_t c = 1; c < row.size(); ++c) {
      if (random() % 8 != 0) row[c] = row[c - 1];
    }
  }
  return rows;
}

TEST(RegionFinder, FindsTheRegionsAPlainSearchFinds) {
  std::mt19937 random(20261209);
  RegionFinder finder;  // one finder for grids of every size, as the driver uses it
  for (int round = 0; round < 900; ++round) {
    // Narrow grids, and wide ones, whose runs are summed four cells at a time.
    const int w = 1 + static_cast<int>(random() % (round % 3 == 2 ? 60 : 20));
    const int h = 1 + static_cast<int>(random() % 12);
    const Rows populations = randomRows(random, w, h, 1000001);
    const Rows randomLabels = randomRows(random, w, h, 1 + random() % 4);
    const Rows labels = round % 3 == 0   ? randomLabels
                        : round % 3 == 1 ? withRepeatedRows(random, randomLabels)
                                         : inLongRuns(random, randomLabels);
    const ReferenceRegions reference = referenceRegions(populations, labels);

    // A population in the border would show if a run took a cell past its row's end.
    GridCells<PopulationGrid> populationCells(populations, 777);
    GridCells<LabelGrid> labelCells(labels, kRowEnd);
    const RegionTotals totals = finder.findTotals(labelCells.grid(), populationCells.grid());
    EXPECT_EQ(totals.count, static_cast<int>(reference.populations.size()));
    EXPECT_EQ(totals.largest - totals.smallest, reference.spread());

    const RegionMap map = finder.findMap(labelCells.grid(), populationCells.grid());
    EXPECT_EQ(map.populations, reference.populations);
    for (int r = 0; r < h; ++r) {
      for (int c = 0; c < w; ++c) {
        ASSERT_EQ(map.regionOfCell[static_cast<std::size_t>(r * w + c)],
                  reference.regionOfCell[r][c]);
      }
    }
  }
}

TEST(RegionFinder, OnlyReadsTheLabels) {
  const Rows rows = {{0, 999999999}, {7, 7}};
  GridCells<LabelGrid> labels(rows, kRowEnd);
  GridCells<PopulationGrid> populations({{1, 2}, {3, 4}}, 0);
  RegionFinder finder;
  EXPECT_EQ(finder.findTotals(labels.grid(), populations.grid()).count, 3);
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 2; ++c)
      EXPECT_EQ(labels.grid().row(r)[c], rows[r][c]);
  }
  // So the map and the totals come from the same grid, one after the other.
  EXPECT_EQ(finder.findMap(labels.grid(), populations.grid()).populations,
            (std::vector<std::int64_t>{1, 2, 7}));
}

// A picture of a grid whose first row failed asks for the regions of no rows, its border alone.
TEST(RegionFinder, FindsNoRegionInAGridOfNoRows) {
  std::vector<std::int32_t> border(LabelGrid::cellCount(3, 0), kRowEnd);
  const LabelGrid labels(border.data(), 3, 0);
  const PopulationGrid populations(border.data(), 3, 0);
  RegionFinder finder;
  const RegionTotals totals = finder.findTotals(labels, populations);
  EXPECT_EQ(totals.count, 0);
  EXPECT_EQ(totals.largest, 0);
  const RegionMap map = finder.findMap(labels, populations);
  EXPECT_TRUE(map.regionOfCell.empty());
  EXPECT_TRUE(map.populations.empty());
}

TEST(SpreadScore, IsTheSpreadOfExactlyTheRequiredRegions) {
  EXPECT_EQ(spreadScore({3, 5, 17}, 3), 12);
  EXPECT_EQ(spreadScore({1, 0, 0}, 1), 0);
  try {
    spreadScore({4, 1, 1}, 2);
    FAIL() << "no failure";
  } catch (const EAssertion& failure) {
    EXPECT_EQ(failure.code, 141);
    EXPECT_EQ(failure.message, "v razporedu je 4 obmocij namesto 2");
  }
}

}  // namespace
}  // namespace pelvano::test
