#include "pictures/grid_layers.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "pictures/markup_text.h"
#include "pictures/picture_words.h"
#include "pictures/region_colouring.h"
#include "pictures/svg_elements.h"

namespace pelvano::pictures {
namespace {

constexpr const char* kCellLine = "#bbbbbb";
// Cells this small or smaller get no cell lines across them.
constexpr std::int32_t kSmallestLinedCell = 4;
constexpr const char* kRegionBorder = "#333333";
constexpr const char* kHeaviest = "#000000";
constexpr const char* kLightest = "#ffffff";

std::string number(std::int64_t value) {
  return std::to_string(value);
}

// A mark: strokes along the region's edge, clipped to the region, so that they show only
// inside it and never over a neighbour.
void drawMark(GridCanvas& canvas, std::int32_t region, const char* name,
              std::initializer_list<std::pair<const char*, std::int32_t>> bands) {
  const std::string id = std::string(name) + "-" + number(canvas.picture.block);
  canvas.svg += "<clipPath id=\"" + id + "\"><path d=\"" +
                areaPath(canvas.rectangles[static_cast<std::size_t>(region)], canvas.grid) +
                "\"/></clipPath>\n";
  const std::string edge =
      edgePath(canvas.cells, canvas.grid,
               [region](std::int32_t a, std::int32_t b) { return (a == region) != (b == region); });
  canvas.svg += "<g clip-path=\"url(#" + id + ")\">\n";
  for (const auto& [colour, bandWidth] : bands)
    canvas.svg += strokedPath(edge, colour, bandWidth);
  canvas.svg += "</g>\n";
}

}  // namespace

Strokes strokesFor(std::int32_t cell) {
  Strokes strokes{};
  strokes.cellLine = cell >= 16 ? 1 : 0.5;
  strokes.regionBorder = cell >= 24 ? 2 : 1;
  strokes.mark = cell >= 16 ? 6 : cell >= 8 ? 4 : 2;
  strokes.rim = cell >= 16 ? strokes.mark + 2 : 0;
  return strokes;
}

void drawRegions(GridCanvas& canvas) {
  const BlockPicture& picture = canvas.picture;
  const auto regions = static_cast<std::int32_t>(canvas.rectangles.size());
  for (std::int32_t region = 0; region < regions; ++region) {
    const auto index = static_cast<std::size_t>(region);
    RegionFacts facts{region,
                      regions,
                      std::nullopt,
                      0,
                      picture.regions.populations[index],
                      region == canvas.heaviest,
                      region == canvas.lightest};
    if (index < picture.regionLabels.size()) facts.label = picture.regionLabels[index];
    for (const Rectangle& r : canvas.rectangles[index])
      facts.cells += r.cells();
    canvas.svg += "<path fill=\"" + paletteColour(canvas.colours[index]) + "\" d=\"" +
                  areaPath(canvas.rectangles[index], canvas.grid) + "\"><title>";
    appendMarkupText(canvas.svg, regionTitle(facts, canvas.language));
    canvas.svg += "</title></path>\n";
  }
}

// Lines between cells, along each direction where its cells are more than a few units: at
// smaller cells they would be a haze, and region borders alone show the shapes.
void drawCellLines(GridCanvas& canvas) {
  const GridPlacement& grid = canvas.grid;
  const std::int32_t gridWidth = canvas.picture.width * grid.cellWidth;
  const std::int32_t gridHeight = canvas.picture.height * grid.cellHeight;
  std::string lines;
  if (grid.cellHeight > kSmallestLinedCell) {
    for (std::int32_t row = 0; row <= canvas.picture.height; ++row)
      lines += 'M' + number(grid.x) + ' ' + number(grid.y + row * grid.cellHeight) + 'h' +
               number(gridWidth);
  }
  if (grid.cellWidth > kSmallestLinedCell) {
    for (std::int32_t column = 0; column <= canvas.picture.width; ++column)
      lines += 'M' + number(grid.x + column * grid.cellWidth) + ' ' + number(grid.y) + 'v' +
               number(gridHeight);
  }
  canvas.svg += strokedPath(lines, kCellLine, canvas.strokes.cellLine);
  canvas.svg += strokedPath(
      edgePath(canvas.cells, grid,
               [](std::int32_t a, std::int32_t b) { return a != b && (a >= 0 || b >= 0); }),
      kRegionBorder, canvas.strokes.regionBorder);
}

void drawMarks(GridCanvas& canvas) {
  if (canvas.lightest >= 0 && canvas.lightest != canvas.heaviest) {
    if (canvas.strokes.rim > 0) {
      drawMark(canvas, canvas.lightest, "lightest",
               {{kRegionBorder, canvas.strokes.rim}, {kLightest, canvas.strokes.mark}});
    } else {
      drawMark(canvas, canvas.lightest, "lightest", {{kLightest, canvas.strokes.mark}});
    }
  }
  if (canvas.heaviest >= 0)
    drawMark(canvas, canvas.heaviest, "heaviest", {{kHeaviest, canvas.strokes.mark}});
}

// Hatching in the lower half of each cell of the split labels' regions, and a ring around
// each speck; the middle of each cell's upper half keeps the region's colour.
void drawCountDiagnosis(GridCanvas& canvas, const CountDiagnosis& diagnosis) {
  const GridPlacement& grid = canvas.grid;
  const std::string id = "split-" + number(canvas.picture.block);
  const double w = grid.cellWidth;
  const double h = grid.cellHeight;
  canvas.svg += "<pattern id=\"" + id + "\" patternUnits=\"userSpaceOnUse\" x=\"" + number(grid.x) +
                "\" y=\"" + number(grid.y) + "\" width=\"" + svgNumber(w) + "\" height=\"" +
                svgNumber(h) + "\"><path d=\"M0 " + svgNumber(h) + " L" + svgNumber(w / 2) + ' ' +
                svgNumber(h / 2) + " M" + svgNumber(w / 2) + ' ' + svgNumber(h) + " L" +
                svgNumber(w) + ' ' + svgNumber(h / 2) + "\" stroke=\"#000000\" stroke-width=\"" +
                svgNumber(std::max(1.0, grid.smallerSide() / 12.0)) + "\"/></pattern>\n";
  for (std::size_t region = 0; region < diagnosis.split.size(); ++region) {
    if (!diagnosis.split[region]) continue;
    canvas.svg += "<path fill=\"url(#" + id + ")\" d=\"" +
                  areaPath(canvas.rectangles[region], grid) + "\"/>\n";
  }
  if (diagnosis.specks.empty()) return;
  // The rings stay inside the grid: none covers the title or the failure line above it.
  canvas.svg += "<clipPath id=\"" + id + "-grid\">" +
                rectangleElement(grid.x, grid.y, canvas.picture.width * w,
                                 canvas.picture.height * h, "#000000") +
                "</clipPath>\n<g clip-path=\"url(#" + id + "-grid)\">\n";
  for (const std::int32_t speck : diagnosis.specks) {
    double x = 0;
    double y = 0;
    double cells = 0;
    for (const Rectangle& r : canvas.rectangles[static_cast<std::size_t>(speck)]) {
      const double area = static_cast<double>(r.cells());
      x += (r.column + r.length / 2.0) * area;
      y += (r.row + r.rows / 2.0) * area;
      cells += area;
    }
    // Where cells are large, the ring passes between the points where a region's colour and
    // its mark show (the middle of a cell's upper half, the middle of its top edge); where
    // they are small, it reaches over a few cells, so that a speck is found at a glance.
    const double radius = std::max((cells == 1 ? 0.375 : 0.8) * grid.smallerSide(), 16.0);
    const std::string centre = "cx=\"" + svgNumber(grid.x + x / cells * w) + "\" cy=\"" +
                               svgNumber(grid.y + y / cells * h) + "\" r=\"" + svgNumber(radius) +
                               "\" fill=\"none\"";
    canvas.svg += "<circle " + centre + " stroke=\"#000000\" stroke-width=\"4\"/>\n<circle " +
                  centre + " stroke=\"#ffffff\" stroke-width=\"1.5\"/>\n";
  }
  canvas.svg += "</g>\n";
}

// Populations in each region's widest run, where the digits fit clear of the marks along
// its edge. They stand in the middle of the run's cells on a patch of the region's colour,
// drawn over the cell lines, so that no line crosses a digit.
void drawPopulations(GridCanvas& canvas) {
  const GridPlacement& grid = canvas.grid;
  if (grid.smallerSide() < 20) return;
  const double fontSize = 0.3 * grid.smallerSide();
  for (std::size_t region = 0; region < canvas.rectangles.size(); ++region) {
    const auto widest = std::max_element(
        canvas.rectangles[region].begin(), canvas.rectangles[region].end(),
        [](const Rectangle& a, const Rectangle& b) { return a.length < b.length; });
    const std::string digits = number(canvas.picture.regions.populations[region]);
    const double patchWidth = static_cast<double>(digits.size()) * 0.62 * fontSize + 0.2 * fontSize;
    if (patchWidth > widest->length * grid.cellWidth - grid.cellWidth / 2.0) continue;
    const double middleX = grid.x + (widest->column + widest->length / 2.0) * grid.cellWidth;
    const double middleY = grid.y + (widest->row + 0.5) * grid.cellHeight;
    canvas.svg += rectangleElement(middleX - patchWidth / 2, middleY - 0.6 * fontSize, patchWidth,
                                   1.2 * fontSize, paletteColour(canvas.colours[region]));
    canvas.svg +=
        textElement(middleX, middleY + 0.36 * fontSize, fontSize, digits, "text-anchor=\"middle\"");
  }
}

}  // namespace pelvano::pictures
