// Colours for a picture's regions: no two edge-adjacent regions share one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/region_finder.h"

namespace pelvano::pictures {

// The regions' adjacency graph coloured greedily, region by region in their order, each
// taking the first colour its coloured neighbours do not have. Colour k is paletteColour(k).
// Regions of one label (`labels`, each region's) are one node: a label that forms several
// regions has one colour for all of them. Where every region has a label of its own, the
// colours are those of the regions alone.
std::vector<std::int32_t> colourRegions(const RegionMap& regions,
                                        const std::vector<std::int32_t>& labels);

// "#rrggbb". Colours 0 to 8 are a palette made for readers with any colour vision, light
// enough for black text; more are made only when a graph needs them.
std::string paletteColour(std::int32_t colour);

}  // namespace pelvano::pictures
