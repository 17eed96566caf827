// The layers of a block picture's grid, each drawn onto one shared canvas in turn: the
// regions, the lines, the marks of the extremes, a region-count failure's diagnosis and the
// populations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pictures/block_picture.h"
#include "pictures/count_diagnosis.h"
#include "pictures/grid_geometry.h"
#include "pictures/language.h"

namespace pelvano::pictures {

// Line widths for a cell size. A mark is a band along the inside of its region's edge,
// reaching at most a quarter of a cell in, so a region's colour always shows in the middle
// of a cell's upper half. Marks are strokes on the edge clipped to the region: the widths
// here are twice what shows.
struct Strokes {
  double cellLine;
  double regionBorder;
  std::int32_t mark;
  std::int32_t rim;  // the dark edge inside the lightest region's mark; 0 for none
};

Strokes strokesFor(std::int32_t cell);

// Everything drawn inside the grid's group shares these.
struct GridCanvas {
  const BlockPicture& picture;
  GridPlacement grid;
  Strokes strokes;
  RegionCells cells;
  std::vector<std::vector<Rectangle>> rectangles;
  std::vector<std::int32_t> colours;
  std::int32_t heaviest;
  std::int32_t lightest;
  Language language;
  std::string svg;
};

// Each region as one path in its colour, with its tooltip.
void drawRegions(GridCanvas& canvas);
// Lines between cells where cells are large enough, and the borders between regions.
void drawCellLines(GridCanvas& canvas);
// The bands along the most and the least populous regions' edges.
void drawMarks(GridCanvas& canvas);
// The split labels' regions hatched and the specks ringed.
void drawCountDiagnosis(GridCanvas& canvas, const CountDiagnosis& diagnosis);
// Each region's population where it fits.
void drawPopulations(GridCanvas& canvas);

}  // namespace pelvano::pictures
