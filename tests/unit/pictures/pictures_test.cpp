#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "grid_cells.h"
#include "pictures/count_diagnosis.h"
#include "pictures/grid_geometry.h"
#include "pictures/picture_words.h"
#include "scoring/region_finder.h"

namespace pelvano::pictures {
namespace {

using test::GridCells;
using test::Rows;

// The regions of a grid of labels, and each region's label, as the picture collector has them.
struct Regions {
  RegionMap map;
  std::vector<std::int32_t> labels;
};

Regions regionsOf(const Rows& labels) {
  GridCells<PopulationGrid> populations(Rows(labels.size(), std::vector<int>(labels[0].size(), 1)),
                                        0);
  GridCells<LabelGrid> labelCells(labels, kRowEnd);
  RegionFinder finder;
  Regions regions{finder.findMap(labelCells.grid(), populations.grid()), {}};
  regions.labels.resize(regions.map.populations.size());
  for (std::size_t cell = 0; cell < regions.map.regionOfCell.size(); ++cell) {
    regions.labels[static_cast<std::size_t>(regions.map.regionOfCell[cell])] =
        labels[cell / labels[0].size()][cell % labels[0].size()];
  }
  return regions;
}

TEST(GridGeometry, EveryCellLiesInOneRectangleOfItsRegion) {
  std::mt19937 random(5);
  for (const auto& [width, height, labelsUsed] : std::vector<std::tuple<int, int, int>>{
           {1, 1, 1}, {7, 1, 3}, {1, 9, 2}, {12, 10, 2}, {30, 20, 5}, {40, 40, 1}}) {
    Rows labels(static_cast<std::size_t>(height),
                std::vector<int>(static_cast<std::size_t>(width)));
    for (auto& row : labels)
      for (int& label : row)
        label = static_cast<int>(random() % static_cast<unsigned>(labelsUsed));
    const Regions regions = regionsOf(labels);
    const auto rectangles = rectanglesOf(RegionCells(regions.map), regions.map.populations.size());
    std::vector<int> covered(regions.map.regionOfCell.size());
    for (std::size_t region = 0; region < rectangles.size(); ++region) {
      for (const Rectangle& r : rectangles[region]) {
        ASSERT_EQ(r.region, static_cast<std::int32_t>(region));
        for (int row = r.row; row < r.row + r.rows; ++row) {
          for (int column = r.column; column < r.column + r.length; ++column) {
            const auto cell = static_cast<std::size_t>(row * width + column);
            ++covered[cell];
            EXPECT_EQ(regions.map.regionOfCell[cell], r.region) << row << "," << column;
          }
        }
      }
    }
    EXPECT_EQ(covered, std::vector<int>(covered.size(), 1)) << width << "x" << height;
  }
  // Rows that repeat make one rectangle, however many they are.
  const Regions strips = regionsOf(Rows(50, {1, 1, 2, 2, 2}));
  const auto merged = rectanglesOf(RegionCells(strips.map), 2);
  EXPECT_EQ(merged[0], (std::vector<Rectangle>{{0, 0, 2, 50, 0}}));
  EXPECT_EQ(merged[1], (std::vector<Rectangle>{{2, 0, 3, 50, 1}}));
}

TEST(GridGeometry, CellsAreSquareButOnGridsOfVeryFewRowsOrColumns) {
  struct Case {
    std::int32_t width, height, cellWidth, cellHeight;
  };
  for (const Case& c : std::vector<Case>{{300, 300, 4, 4},
                                         {300, 1, 4, 48},
                                         {1, 300, 48, 4},
                                         {300, 3, 4, 16},
                                         {15, 15, 48, 48},
                                         {100, 100, 7, 7},
                                         {2, 1, 48, 48}}) {
    const GridPlacement grid = cellSizeFor(c.width, c.height);
    EXPECT_EQ(grid.cellWidth, c.cellWidth) << c.width << "x" << c.height;
    EXPECT_EQ(grid.cellHeight, c.cellHeight) << c.width << "x" << c.height;
  }
}

TEST(CountDiagnosis, FindsTheSplitLabelsAndTheSpecks) {
  // Label 1 in two parts (5 cells and 1), label 2 whole, label 3 one cell: four regions.
  const Regions regions = regionsOf({{1, 1, 2, 1}, {1, 1, 2, 3}, {1, 2, 2, 2}});
  EXPECT_EQ(diagnoseCount(regions.map, regions.labels, 4), std::nullopt);
  const std::optional<CountDiagnosis> diagnosis = diagnoseCount(regions.map, regions.labels, 3);
  ASSERT_TRUE(diagnosis);
  EXPECT_EQ(diagnosis->regions, 4);
  EXPECT_EQ(diagnosis->split, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(diagnosis->specks, (std::vector<std::int32_t>{2, 3}));
  ASSERT_EQ(diagnosis->splitLabels.size(), 1u);
  EXPECT_EQ(diagnosis->splitLabels[0].label, 1);
  EXPECT_EQ(diagnosis->splitLabels[0].sizes, (std::vector<std::int64_t>{5, 1}));
  EXPECT_EQ(
      diagnosisLines(*diagnosis, Language::kEnglish),
      (std::vector<std::string>{
          "4 regions where d is 3.", "Hatched: every region of a label that forms more than one.",
          "Ringed: the regions of one or two cells.", "Label 1 forms 2 regions, of 5, 1 cells."}));
  // Labels each forming one region: the labels themselves are too few.
  const Regions whole = regionsOf({{1, 1, 2, 2}});
  EXPECT_EQ(diagnosisLines(*diagnoseCount(whole.map, whole.labels, 3), Language::kSlovene).back(),
            "Vsaka oznaka tvori eno območje: samih oznak je premalo.");
}

TEST(PictureWords, SloveneNounsTakeTheFormOfTheirNumber) {
  BlockPicture picture;
  picture.block = 1;
  picture.caseNumber = 2;
  picture.d = 3;
  picture.spread = 4;
  for (const auto& [regions, words] :
       std::vector<std::pair<int, std::string>>{{1, "1 območje"},
                                                {2, "2 območji"},
                                                {3, "3 območja"},
                                                {4, "4 območja"},
                                                {5, "5 območij"},
                                                {11, "11 območij"},
                                                {101, "101 območje"},
                                                {102, "102 območji"},
                                                {104, "104 območja"},
                                                {111, "111 območij"}}) {
    picture.regions.populations.assign(static_cast<std::size_t>(regions), 0);
    EXPECT_EQ(caption(picture, Language::kSlovene),
              "Blok 1: primer 2, d = 3, " + words + ", razpon 4");
  }
  picture.regions.populations.assign(1, 0);
  EXPECT_EQ(caption(picture, Language::kEnglish), "Block 1: case 2, d = 3, 1 region, spread 4");
}

}  // namespace
}  // namespace pelvano::pictures
