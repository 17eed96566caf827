#include "pictures/block_picture.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

#include "pictures/markup_text.h"
#include "pictures/region_colouring.h"

namespace pelvano::pictures {
namespace {

constexpr std::int32_t kMargin = 16;
constexpr std::int32_t kTitleHeight = 28;
constexpr std::int32_t kFailureHeight = 22;
constexpr std::int32_t kLegendHeight = 40;
constexpr std::int32_t kMinimumWidth = 560;
constexpr std::int32_t kGridSpan = 720;  // the grid's longer side, as near as whole cells allow

constexpr const char* kBackground = "#ffffff";
constexpr const char* kFaultyRow = "#cc3311";
constexpr const char* kCellLine = "#bbbbbb";
// Cells this small or smaller get no cell lines.
constexpr std::int32_t kSmallestLinedCell = 4;
constexpr const char* kRegionBorder = "#333333";
constexpr const char* kHeaviest = "#000000";
constexpr const char* kLightest = "#ffffff";

std::string number(std::int64_t value) {
  return std::to_string(value);
}

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

Strokes strokesFor(std::int32_t cell) {
  Strokes strokes{};
  strokes.cellLine = cell >= 16 ? 1 : 0.5;
  strokes.regionBorder = cell >= 24 ? 2 : 1;
  strokes.mark = cell >= 16 ? 6 : cell >= 8 ? 4 : 2;
  strokes.rim = cell >= 16 ? strokes.mark + 2 : 0;
  return strokes;
}

// A run of cells of one region, and the rows below it where the same run repeats.
struct Rectangle {
  std::int32_t column;
  std::int32_t row;
  std::int32_t length;
  std::int32_t rows;
  std::int32_t region;
};

class RegionCells {
 public:
  explicit RegionCells(const RegionMap& map) : map_(map) {}
  std::int32_t rows() const { return map_.height; }
  std::int32_t columns() const { return map_.width; }
  // -1 outside the rows read.
  std::int32_t at(std::int32_t row, std::int32_t column) const {
    if (row < 0 || row >= map_.height || column < 0 || column >= map_.width) return -1;
    return map_.regionOfCell[static_cast<std::size_t>(row) * static_cast<std::size_t>(map_.width) +
                             static_cast<std::size_t>(column)];
  }

 private:
  const RegionMap& map_;
};

// Each region's cells as few rectangles: runs along a row, merged down while the same run
// of the same region repeats, so that a picture stays small however large its grid.
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

// Path data for the edges between cells where `differs(a, b)` holds for the cells on either
// side (-1 outside the rows read), consecutive edges merged into one line.
template <class Differs>
std::string edgePath(const RegionCells& cells, const GridPlacement& grid, Differs differs) {
  std::string path;
  const auto line = [&](std::int32_t x, std::int32_t y, char direction, std::int32_t length) {
    path += 'M' + number(x) + ' ' + number(y) + direction + number(length);
  };
  for (std::int32_t edge = 0; edge <= cells.rows(); ++edge) {  // between rows edge-1 and edge
    for (std::int32_t column = 0; column < cells.columns();) {
      if (!differs(cells.at(edge - 1, column), cells.at(edge, column))) {
        ++column;
        continue;
      }
      const std::int32_t start = column;
      while (column < cells.columns() &&
             differs(cells.at(edge - 1, column), cells.at(edge, column)))
        ++column;
      line(grid.x + start * grid.cell, grid.y + edge * grid.cell, 'h',
           (column - start) * grid.cell);
    }
  }
  for (std::int32_t edge = 0; edge <= cells.columns(); ++edge) {
    for (std::int32_t row = 0; row < cells.rows();) {
      if (!differs(cells.at(row, edge - 1), cells.at(row, edge))) {
        ++row;
        continue;
      }
      const std::int32_t start = row;
      while (row < cells.rows() && differs(cells.at(row, edge - 1), cells.at(row, edge)))
        ++row;
      line(grid.x + edge * grid.cell, grid.y + start * grid.cell, 'v', (row - start) * grid.cell);
    }
  }
  return path;
}

std::string strokedPath(const std::string& data, const char* colour, double width) {
  if (data.empty()) return {};
  char widthText[16];
  std::snprintf(widthText, sizeof widthText, "%g", width);
  return "<path fill=\"none\" stroke=\"" + std::string(colour) + "\" stroke-width=\"" + widthText +
         "\" stroke-linecap=\"square\" d=\"" + data + "\"/>\n";
}

std::string rectangleElement(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, const char* fill) {
  return "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width) +
         "\" height=\"" + number(height) + "\" fill=\"" + fill + "\"/>\n";
}

// The first region of greatest and of least population; -1 when there is none.
std::pair<std::int32_t, std::int32_t> extremes(const RegionMap& regions) {
  if (regions.populations.empty()) return {-1, -1};
  const auto begin = regions.populations.begin();
  const auto [least, most] = std::minmax_element(begin, regions.populations.end());
  // minmax_element gives the last greatest; the picture marks the first.
  const auto firstMost = std::find(begin, regions.populations.end(), *most);
  return {static_cast<std::int32_t>(firstMost - begin), static_cast<std::int32_t>(least - begin)};
}

// A region's tooltip: its label, its size in cells and its population.
std::string regionTitle(const BlockPicture& picture, const std::vector<Rectangle>& rectangles,
                        std::int32_t region, std::int32_t heaviest, std::int32_t lightest) {
  std::int64_t cells = 0;
  for (const Rectangle& r : rectangles)
    cells += static_cast<std::int64_t>(r.length) * r.rows;
  const auto index = static_cast<std::size_t>(region);
  std::string title = "Region " + number(region + 1) + " of " +
                      number(static_cast<std::int64_t>(picture.regions.populations.size()));
  if (index < picture.regionLabels.size())
    title += ": label " + number(picture.regionLabels[index]);
  title += index < picture.regionLabels.size() ? ", " : ": ";
  title += number(cells) + (cells == 1 ? " cell" : " cells") + ", population " +
           number(picture.regions.populations[index]);
  if (region == heaviest) title += ", the most populous";
  if (region == lightest) title += region == heaviest ? " and the least" : ", the least populous";
  return title;
}

// Path data that fills a region's rectangles.
std::string areaPath(const std::vector<Rectangle>& rectangles, const GridPlacement& grid) {
  std::string path;
  for (const Rectangle& r : rectangles) {
    path += 'M' + number(grid.x + r.column * grid.cell) + ' ' + number(grid.y + r.row * grid.cell) +
            'h' + number(r.length * grid.cell) + 'v' + number(r.rows * grid.cell) + 'h' +
            number(-r.length * grid.cell) + 'z';
  }
  return path;
}

void drawRegions(std::string& svg, const BlockPicture& picture,
                 const std::vector<std::vector<Rectangle>>& rectangles, const GridPlacement& grid,
                 const std::vector<std::int32_t>& colours, std::int32_t heaviest,
                 std::int32_t lightest) {
  for (std::size_t region = 0; region < rectangles.size(); ++region) {
    svg += "<path fill=\"" + paletteColour(colours[region]) + "\" d=\"" +
           areaPath(rectangles[region], grid);
    svg += "\"><title>";
    appendMarkupText(svg, regionTitle(picture, rectangles[region],
                                      static_cast<std::int32_t>(region), heaviest, lightest));
    svg += "</title></path>\n";
  }
}

// Populations in each region's widest run, where the digits fit clear of the marks along
// its edge. They stand in the middle of the run's cells on a patch of the region's colour,
// drawn over the cell lines, so that no line crosses a digit.
void drawPopulations(std::string& svg, const BlockPicture& picture,
                     const std::vector<std::vector<Rectangle>>& rectangles,
                     const GridPlacement& grid, const std::vector<std::int32_t>& colours) {
  if (grid.cell < 20) return;
  const double fontSize = 0.3 * grid.cell;
  for (std::size_t region = 0; region < rectangles.size(); ++region) {
    const auto widest = std::max_element(
        rectangles[region].begin(), rectangles[region].end(),
        [](const Rectangle& a, const Rectangle& b) { return a.length < b.length; });
    const std::string digits = number(picture.regions.populations[region]);
    const double textWidth = static_cast<double>(digits.size()) * 0.62 * fontSize;
    const double patchWidth = textWidth + 0.2 * fontSize;
    if (patchWidth > widest->length * grid.cell - grid.cell / 2.0) continue;
    const double middleX = grid.x + (widest->column + widest->length / 2.0) * grid.cell;
    const double middleY = grid.y + (widest->row + 0.5) * grid.cell;
    char patch[256];
    std::snprintf(patch, sizeof patch,
                  "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"%s\"/>\n"
                  "<text x=\"%g\" y=\"%g\" font-size=\"%g\" text-anchor=\"middle\">",
                  middleX - patchWidth / 2, middleY - 0.6 * fontSize, patchWidth, 1.2 * fontSize,
                  paletteColour(colours[region]).c_str(), middleX, middleY + 0.36 * fontSize,
                  fontSize);
    svg += patch + digits + "</text>\n";
  }
}

// Why a block whose grid was read whole does not form d regions: the regions of labels that
// form more than one, and the regions of one or two cells, easy to miss on a large grid.
struct CountFailure {
  std::vector<bool> split;           // by region: its label forms more than one region
  std::vector<std::int32_t> specks;  // the regions of one or two cells
  std::vector<std::string> lines;    // what the picture says of them, under the legend
};

constexpr std::size_t kLabelsListed = 8;
constexpr std::size_t kSizesListed = 12;
constexpr std::int32_t kExplanationLineHeight = 18;

std::vector<std::int64_t> regionSizes(const RegionMap& map) {
  std::vector<std::int64_t> sizes(map.populations.size());
  for (const std::int32_t region : map.regionOfCell)
    ++sizes[static_cast<std::size_t>(region)];
  return sizes;
}

CountFailure explainCount(const BlockPicture& picture) {
  CountFailure failure;
  const std::size_t count = picture.regions.populations.size();
  if (picture.faultyRow || count == static_cast<std::size_t>(picture.d) ||
      picture.regionLabels.size() != count) {
    return failure;
  }
  const std::vector<std::int64_t> sizes = regionSizes(picture.regions);
  std::map<std::int32_t, std::vector<std::size_t>> byLabel;
  for (std::size_t region = 0; region < count; ++region)
    byLabel[picture.regionLabels[region]].push_back(region);
  failure.split.assign(count, false);
  for (std::size_t region = 0; region < count; ++region) {
    failure.split[region] = byLabel[picture.regionLabels[region]].size() > 1;
    if (sizes[region] <= 2) failure.specks.push_back(static_cast<std::int32_t>(region));
  }
  failure.lines.push_back(number(static_cast<std::int64_t>(count)) + " regions where d is " +
                          number(picture.d) + ".");
  if (std::find(failure.split.begin(), failure.split.end(), true) != failure.split.end()) {
    failure.lines.push_back("Hatched: every region of a label that forms more than one.");
  }
  if (!failure.specks.empty()) failure.lines.push_back("Ringed: the regions of one or two cells.");
  std::size_t splitLabels = 0;
  for (const auto& [label, regions] : byLabel) {
    if (regions.size() < 2 || ++splitLabels > kLabelsListed) continue;
    std::string line = "Label " + number(label) + " forms " +
                       number(static_cast<std::int64_t>(regions.size())) + " regions, of ";
    for (std::size_t i = 0; i < regions.size() && i < kSizesListed; ++i)
      line += (i == 0 ? "" : ", ") + number(sizes[regions[i]]);
    line += regions.size() > kSizesListed ? ", ... cells." : " cells.";
    failure.lines.push_back(line);
  }
  if (splitLabels > kLabelsListed) {
    failure.lines.push_back("... and " +
                            number(static_cast<std::int64_t>(splitLabels - kLabelsListed)) +
                            " more labels that form more than one region.");
  } else if (splitLabels == 0) {
    failure.lines.push_back(
        "Every label forms one region: the labels themselves are " +
        std::string(count < static_cast<std::size_t>(picture.d) ? "too few." : "too many."));
  }
  return failure;
}

// Hatching in the lower half of each cell of the split labels' regions, and a ring around
// each speck; the middle of each cell's upper half keeps the region's colour.
void drawCountFailure(std::string& svg, const BlockPicture& picture, const CountFailure& failure,
                      const std::vector<std::vector<Rectangle>>& rectangles,
                      const GridPlacement& grid) {
  const std::string id = "split-" + number(picture.block);
  const std::int32_t c = grid.cell;
  const double half = c / 2.0;
  char pattern[320];
  std::snprintf(pattern, sizeof pattern,
                "<pattern id=\"%s\" patternUnits=\"userSpaceOnUse\" x=\"%d\" y=\"%d\" "
                "width=\"%d\" height=\"%d\"><path d=\"M0 %d L%g %g M%g %d L%d %g\" "
                "stroke=\"#000000\" stroke-width=\"%g\"/></pattern>\n",
                id.c_str(), grid.x, grid.y, c, c, c, half, half, half, c, c, half,
                std::max(1.0, c / 12.0));
  svg += pattern;
  for (std::size_t region = 0; region < failure.split.size(); ++region) {
    if (!failure.split[region]) continue;
    svg += "<path fill=\"url(#" + id + ")\" d=\"" + areaPath(rectangles[region], grid) + "\"/>\n";
  }
  // The rings stay inside the grid: none covers the title or the failure line above it.
  if (!failure.specks.empty()) {
    svg += "<clipPath id=\"" + id + "-grid\">" +
           rectangleElement(grid.x, grid.y, picture.width * c, picture.height * c, "#000000") +
           "</clipPath>\n<g clip-path=\"url(#" + id + "-grid)\">\n";
  }
  for (const std::int32_t speck : failure.specks) {
    double x = 0;
    double y = 0;
    double cells = 0;
    for (const Rectangle& r : rectangles[static_cast<std::size_t>(speck)]) {
      const double area = static_cast<double>(r.length) * r.rows;
      x += (r.column + r.length / 2.0) * area;
      y += (r.row + r.rows / 2.0) * area;
      cells += area;
    }
    // Where cells are large, the ring passes between the points where a region's colour and
    // its mark show (the middle of a cell's upper half, the middle of its top edge); where
    // they are small, it reaches over a few cells, so that a speck is found at a glance.
    const double radius = std::max((cells == 1 ? 0.375 : 0.8) * c, 16.0);
    char ring[256];
    std::snprintf(ring, sizeof ring,
                  "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"none\" stroke=\"#000000\" "
                  "stroke-width=\"4\"/>\n<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"none\" "
                  "stroke=\"#ffffff\" stroke-width=\"1.5\"/>\n",
                  grid.x + x / cells * c, grid.y + y / cells * c, radius, grid.x + x / cells * c,
                  grid.y + y / cells * c, radius);
    svg += ring;
  }
  if (!failure.specks.empty()) svg += "</g>\n";
}

}  // namespace

GridPlacement placeGrid(const BlockPicture& picture) {
  GridPlacement grid;
  grid.cell = std::clamp(kGridSpan / std::max({picture.width, picture.height, 1}), 4, 48);
  grid.x = kMargin;
  grid.y = kMargin + kTitleHeight + (picture.failure.empty() ? 0 : kFailureHeight);
  return grid;
}

std::int32_t pictureWidth(const BlockPicture& picture) {
  return std::max(kMinimumWidth, 2 * kMargin + picture.width * placeGrid(picture).cell);
}

std::int32_t pictureHeight(const BlockPicture& picture) {
  const GridPlacement grid = placeGrid(picture);
  const auto explanationLines = static_cast<std::int32_t>(explainCount(picture).lines.size());
  return grid.y + picture.height * grid.cell + kLegendHeight +
         explanationLines * kExplanationLineHeight;
}

std::string caption(const BlockPicture& picture) {
  std::string text = "Block " + number(picture.block) + ": case " + number(picture.caseNumber) +
                     ", d = " + number(picture.d);
  if (picture.faultyRow) {
    return text + ", row " + number(*picture.faultyRow + 1) + " of " + number(picture.height) +
           " failed its check";
  }
  const std::size_t regions = picture.regions.populations.size();
  text +=
      ", " + number(static_cast<std::int64_t>(regions)) + (regions == 1 ? " region" : " regions");
  return picture.spread ? text + ", spread " + number(*picture.spread) : text + ", not d: no score";
}

std::string drawBlockPicture(const BlockPicture& picture) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + blockPictureElement(picture, 0, 0);
}

std::string blockPictureElement(const BlockPicture& picture, std::int32_t x, std::int32_t y) {
  const GridPlacement grid = placeGrid(picture);
  const Strokes strokes = strokesFor(grid.cell);
  const RegionCells cells(picture.regions);
  const std::int32_t width = pictureWidth(picture);
  const std::int32_t height = pictureHeight(picture);
  const std::int32_t gridWidth = picture.width * grid.cell;
  const std::int32_t gridHeight = picture.height * grid.cell;
  // Partial regions are not marked: only a whole grid has extremes.
  const auto [heaviest, lightest] =
      picture.faultyRow ? std::pair{-1, -1} : extremes(picture.regions);

  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" x=\"" + number(x) + "\" y=\"" +
                    number(y) + "\" width=\"" + number(width) + "\" height=\"" + number(height) +
                    "\" viewBox=\"0 0 " + number(width) + ' ' + number(height) +
                    "\" font-family=\"sans-serif\">\n<title>";
  const std::string title = markupText(caption(picture));
  svg += title + "</title>\n" + rectangleElement(0, 0, width, height, kBackground);
  svg += "<text x=\"" + number(kMargin) + "\" y=\"" + number(kMargin + 16) +
         "\" font-size=\"16\" font-weight=\"bold\">" + title;
  svg += "</text>\n";
  if (!picture.failure.empty()) {
    svg += "<text x=\"" + number(kMargin) + "\" y=\"" + number(kMargin + kTitleHeight + 12) +
           "\" font-size=\"13\">";
    appendMarkupText(svg, picture.failure);
    svg += "</text>\n";
  }

  svg += "<g class=\"grid\" data-x=\"" + number(grid.x) + "\" data-y=\"" + number(grid.y) +
         "\" data-cell=\"" + number(grid.cell) + "\" data-rows=\"" + number(picture.height) +
         "\" data-cols=\"" + number(picture.width) + "\">\n";
  const std::vector<std::vector<Rectangle>> rectangles =
      rectanglesOf(cells, picture.regions.populations.size());
  // All parts of one label in one colour: the hatching tells the parts apart.
  const std::vector<std::int32_t> colours = colourRegions(picture.regions, picture.regionLabels);
  drawRegions(svg, picture, rectangles, grid, colours, heaviest, lightest);
  if (picture.faultyRow) {
    svg += rectangleElement(grid.x, grid.y + *picture.faultyRow * grid.cell, gridWidth, grid.cell,
                            kFaultyRow);
  }
  std::string cellLines;
  for (std::int32_t row = 0; row <= picture.height; ++row)
    cellLines +=
        'M' + number(grid.x) + ' ' + number(grid.y + row * grid.cell) + 'h' + number(gridWidth);
  for (std::int32_t column = 0; column <= picture.width; ++column)
    cellLines +=
        'M' + number(grid.x + column * grid.cell) + ' ' + number(grid.y) + 'v' + number(gridHeight);
  // Cells of a few pixels would be a haze of lines: there, region borders alone.
  if (grid.cell > kSmallestLinedCell) svg += strokedPath(cellLines, kCellLine, strokes.cellLine);
  svg += strokedPath(
      edgePath(cells, grid,
               [](std::int32_t a, std::int32_t b) { return a != b && (a >= 0 || b >= 0); }),
      kRegionBorder, strokes.regionBorder);
  // A mark: strokes along the region's edge, clipped to the region, so that they show only
  // inside it and never over a neighbour.
  const auto mark = [&](std::int32_t region, const char* name,
                        std::initializer_list<std::pair<const char*, std::int32_t>> bands) {
    const std::string id = std::string(name) + "-" + number(picture.block);
    svg += "<clipPath id=\"" + id + "\"><path d=\"" +
           areaPath(rectangles[static_cast<std::size_t>(region)], grid) + "\"/></clipPath>\n";
    const std::string edge = edgePath(cells, grid, [region](std::int32_t a, std::int32_t b) {
      return (a == region) != (b == region);
    });
    svg += "<g clip-path=\"url(#" + id + ")\">\n";
    for (const auto& [colour, bandWidth] : bands)
      svg += strokedPath(edge, colour, bandWidth);
    svg += "</g>\n";
  };
  if (lightest >= 0 && lightest != heaviest) {
    if (strokes.rim > 0) {
      mark(lightest, "lightest", {{kRegionBorder, strokes.rim}, {kLightest, strokes.mark}});
    } else {
      mark(lightest, "lightest", {{kLightest, strokes.mark}});
    }
  }
  if (heaviest >= 0) mark(heaviest, "heaviest", {{kHeaviest, strokes.mark}});
  const CountFailure countFailure = explainCount(picture);
  if (!countFailure.lines.empty()) drawCountFailure(svg, picture, countFailure, rectangles, grid);
  drawPopulations(svg, picture, rectangles, grid, colours);
  svg += "</g>\n";

  std::string legend;
  if (picture.faultyRow) {
    legend = "Red: the row that failed its check; rows after it were not read.";
  } else if (heaviest >= 0) {
    legend = "Black edge: the most populous region, " +
             number(picture.regions.populations[static_cast<std::size_t>(heaviest)]) + ". ";
    legend += lightest == heaviest
                  ? "It is also the least populous."
                  : "White edge: the least populous, " +
                        number(picture.regions.populations[static_cast<std::size_t>(lightest)]) +
                        ".";
  }
  svg += "<text x=\"" + number(kMargin) + "\" y=\"" + number(grid.y + gridHeight + 26) +
         "\" font-size=\"13\">";
  appendMarkupText(svg, legend);
  svg += "</text>\n";
  std::int32_t lineY = grid.y + gridHeight + 26;
  for (const std::string& line : countFailure.lines) {
    lineY += kExplanationLineHeight;
    svg += "<text x=\"" + number(kMargin) + "\" y=\"" + number(lineY) + "\" font-size=\"13\">";
    appendMarkupText(svg, line);
    svg += "</text>\n";
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace pelvano::pictures
