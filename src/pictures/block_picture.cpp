#include "pictures/block_picture.h"

#include <algorithm>
#include <initializer_list>
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

std::string regionTitle(const BlockPicture& picture, std::int32_t region, std::int32_t heaviest,
                        std::int32_t lightest) {
  std::string title = "Region " + number(region + 1) + " of " +
                      number(static_cast<std::int64_t>(picture.regions.populations.size())) +
                      ": population " +
                      number(picture.regions.populations[static_cast<std::size_t>(region)]);
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
                 std::int32_t heaviest, std::int32_t lightest) {
  const std::vector<std::int32_t> colours = colourRegions(picture.regions);
  for (std::size_t region = 0; region < rectangles.size(); ++region) {
    svg += "<path fill=\"" + paletteColour(colours[region]) + "\" d=\"" +
           areaPath(rectangles[region], grid);
    svg += "\"><title>";
    appendMarkupText(svg,
                     regionTitle(picture, static_cast<std::int32_t>(region), heaviest, lightest));
    svg += "</title></path>\n";
  }
  // Populations in each region's widest run, where the digits fit.
  if (grid.cell < 20) return;
  const double fontSize = 0.3 * grid.cell;
  for (std::size_t region = 0; region < rectangles.size(); ++region) {
    const auto widest = std::max_element(
        rectangles[region].begin(), rectangles[region].end(),
        [](const Rectangle& a, const Rectangle& b) { return a.length < b.length; });
    const std::string digits = number(picture.regions.populations[region]);
    if (static_cast<double>(digits.size()) * 0.62 * fontSize > widest->length * grid.cell - 4) {
      continue;
    }
    char position[96];
    std::snprintf(position, sizeof position,
                  "<text x=\"%g\" y=\"%g\" font-size=\"%g\" text-anchor=\"middle\">",
                  grid.x + (widest->column + widest->length / 2.0) * grid.cell,
                  grid.y + (widest->row + 0.75) * grid.cell, fontSize);
    svg += position + digits + "</text>\n";
  }
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
  return grid.y + picture.height * grid.cell + kLegendHeight;
}

std::string caption(const BlockPicture& picture) {
  std::string text = "Block " + number(picture.block) + ": case " + number(picture.caseNumber) +
                     ", d = " + number(picture.d);
  if (picture.faultyRow) {
    return text + ", row " + number(*picture.faultyRow + 1) + " of " + number(picture.height) +
           " failed its check";
  }
  text += ", " + number(static_cast<std::int64_t>(picture.regions.populations.size())) + " regions";
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
  drawRegions(svg, picture, rectangles, grid, heaviest, lightest);
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
  svg += strokedPath(cellLines, kCellLine, strokes.cellLine);
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
  svg += "</text>\n</svg>\n";
  return svg;
}

}  // namespace pelvano::pictures
