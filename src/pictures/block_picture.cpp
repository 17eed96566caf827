#include "pictures/block_picture.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "pictures/grid_layers.h"
#include "pictures/markup_text.h"
#include "pictures/picture_words.h"
#include "pictures/region_colouring.h"
#include "pictures/svg_elements.h"

namespace pelvano::pictures {
namespace {

constexpr std::int32_t kMargin = 16;
constexpr std::int32_t kTitleHeight = 28;
constexpr std::int32_t kFailureHeight = 22;
constexpr std::int32_t kLegendHeight = 40;
constexpr std::int32_t kMinimumWidth = 560;
constexpr std::int32_t kExplanationLineHeight = 18;

constexpr const char* kBackground = "#ffffff";
constexpr const char* kFaultyRow = "#cc3311";

std::string number(std::int64_t value) {
  return std::to_string(value);
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

std::string legend(const BlockPicture& picture, std::int32_t heaviest, std::int32_t lightest,
                   Language language) {
  if (picture.faultyRow) return faultyRowLegend(language);
  if (heaviest < 0) return {};
  const auto population = [&](std::int32_t region) {
    return picture.regions.populations[static_cast<std::size_t>(region)];
  };
  return extremesLegend(population(heaviest),
                        lightest == heaviest ? std::nullopt : std::optional(population(lightest)),
                        language);
}

}  // namespace

GridPlacement placeGrid(const BlockPicture& picture) {
  GridPlacement grid = cellSizeFor(picture.width, picture.height);
  grid.x = kMargin;
  grid.y = kMargin + kTitleHeight + (picture.failure.empty() ? 0 : kFailureHeight);
  return grid;
}

std::int32_t pictureWidth(const BlockPicture& picture) {
  return std::max(kMinimumWidth, 2 * kMargin + picture.width * placeGrid(picture).cellWidth);
}

std::int32_t pictureHeight(const BlockPicture& picture) {
  const GridPlacement grid = placeGrid(picture);
  const std::size_t explanation =
      picture.countDiagnosis ? diagnosisLines(*picture.countDiagnosis, Language::kEnglish).size()
                             : 0;
  return grid.y + picture.height * grid.cellHeight + kLegendHeight +
         static_cast<std::int32_t>(explanation) * kExplanationLineHeight;
}

std::string drawBlockPicture(const BlockPicture& picture, Language language) {
  return std::string(kXmlDeclaration) + blockPictureElement(picture, 0, 0, language);
}

std::string blockPictureElement(const BlockPicture& picture, std::int32_t x, std::int32_t y,
                                Language language) {
  const GridPlacement grid = placeGrid(picture);
  const std::int32_t width = pictureWidth(picture);
  const std::int32_t height = pictureHeight(picture);
  const std::int32_t gridWidth = picture.width * grid.cellWidth;
  const std::int32_t gridHeight = picture.height * grid.cellHeight;
  // Partial regions are not marked: only a whole grid has extremes.
  const auto [heaviest, lightest] =
      picture.faultyRow ? std::pair{-1, -1} : extremes(picture.regions);

  const std::string title = caption(picture, language);
  std::string svg = svgStart(x, y, width, height,
                             "font-family=\"sans-serif\" data-block=\"" + number(picture.block) +
                                 "\" data-case=\"" + number(picture.caseNumber) + "\"") +
                    "<title>" + markupText(title) + "</title>\n" +
                    rectangleElement(0, 0, width, height, kBackground) +
                    textElement(kMargin, kMargin + 16, 16, title, "font-weight=\"bold\"");
  if (!picture.failure.empty())
    svg += textElement(kMargin, kMargin + kTitleHeight + 12, 13, picture.failure);

  svg += "<g class=\"grid\" data-x=\"" + number(grid.x) + "\" data-y=\"" + number(grid.y) +
         "\" data-cell-width=\"" + number(grid.cellWidth) + "\" data-cell-height=\"" +
         number(grid.cellHeight) + "\" data-rows=\"" + number(picture.height) + "\" data-cols=\"" +
         number(picture.width) + "\">\n";
  GridCanvas canvas{picture,
                    grid,
                    strokesFor(grid.smallerSide()),
                    RegionCells(picture.regions),
                    {},
                    // All parts of one label in one colour: the hatching tells the parts apart.
                    colourRegions(picture.regions, picture.regionLabels),
                    heaviest,
                    lightest,
                    language,
                    std::move(svg)};
  canvas.rectangles = rectanglesOf(canvas.cells, picture.regions.populations.size());
  drawRegions(canvas);
  if (picture.faultyRow) {
    canvas.svg += rectangleElement(grid.x, grid.y + *picture.faultyRow * grid.cellHeight, gridWidth,
                                   grid.cellHeight, kFaultyRow);
  }
  drawCellLines(canvas);
  drawMarks(canvas);
  if (picture.countDiagnosis) drawCountDiagnosis(canvas, *picture.countDiagnosis);
  drawPopulations(canvas);
  svg = std::move(canvas.svg) + "</g>\n";

  std::int32_t lineY = grid.y + gridHeight + 26;
  svg += textElement(kMargin, lineY, 13, legend(picture, heaviest, lightest, language));
  if (picture.countDiagnosis) {
    for (const std::string& line : diagnosisLines(*picture.countDiagnosis, language)) {
      lineY += kExplanationLineHeight;
      svg += textElement(kMargin, lineY, 13, line);
    }
  }
  return svg + "</svg>\n";
}

}  // namespace pelvano::pictures
