// A picture of one submission block's regions, as SVG.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pictures/count_diagnosis.h"
#include "pictures/grid_geometry.h"
#include "pictures/language.h"
#include "scoring/region_finder.h"

namespace pelvano::pictures {

// What a picture shows of one block.
struct BlockPicture {
  std::int32_t block = 0;  // the block's position in the submission, from 1
  std::int32_t caseNumber = 0;
  std::int32_t d = 0;
  std::int32_t width = 0;   // the case's w
  std::int32_t height = 0;  // the case's h
  // The regions of the rows read: all h rows, or those before the faulty row.
  RegionMap regions;
  std::vector<std::int32_t> regionLabels;  // the label of each region, as read
  std::optional<std::int32_t> faultyRow;   // from 0: the row whose check failed
  std::optional<std::int32_t> spread;      // when the block scored
  std::string failure;                     // the report's failure line, when it failed
  // When the whole grid was read and its regions are not d: why (diagnoseCount's).
  std::optional<CountDiagnosis> countDiagnosis;
};

// A region-count failure is explained: every region of a label that forms more than one is
// hatched in its cells' lower halves, regions of one or two cells are ringed, and the labels
// that form several regions are listed under the grid with the sizes of their regions.
//
// The picture as a standalone SVG document. Every region is one path, with a tooltip naming
// its label, size and population, in a colour that no edge-adjacent region of another label
// shares; a black band runs along the inside of the most populous region's edge, a white one
// (with a dark rim when the cells are large) along the least populous region's. A region's
// colour shows in the middle of each of its cells' upper half, and a mark at the middle of
// the top edge of the region's first cell. The grid's group carries its placement as data-x,
// data-y, data-cell-width, data-cell-height, data-rows and data-cols, and the <svg> its block
// and case as data-block and data-case.
std::string drawBlockPicture(const BlockPicture& picture, Language language = Language::kEnglish);
// The same picture as an <svg> element placed at (x, y), for a document of several.
std::string blockPictureElement(const BlockPicture& picture, std::int32_t x, std::int32_t y,
                                Language language = Language::kEnglish);

// The picture's size and grid placement, as drawBlockPicture lays it out.
GridPlacement placeGrid(const BlockPicture& picture);
std::int32_t pictureWidth(const BlockPicture& picture);
std::int32_t pictureHeight(const BlockPicture& picture);

}  // namespace pelvano::pictures
