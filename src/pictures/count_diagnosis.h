// Why a block whose grid was read whole does not form d regions: the regions of labels that
// form more than one, and the regions of one or two cells, easy to miss on a large grid.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "scoring/region_finder.h"

namespace pelvano::pictures {

struct CountDiagnosis {
  struct SplitLabel {
    std::int32_t label = 0;
    std::vector<std::int64_t> sizes;  // in cells, of each of its regions in their order
  };
  std::int32_t d = 0;
  std::int32_t regions = 0;             // how many the grid forms
  std::vector<bool> split;              // by region: its label forms more than one region
  std::vector<std::int32_t> specks;     // the regions of one or two cells
  std::vector<SplitLabel> splitLabels;  // in the order of their labels

  friend bool operator==(const CountDiagnosis&, const CountDiagnosis&) = default;
};

// The diagnosis of a whole grid's `regions` (with `labels`, each region's label) that are not
// `d` in number; nothing when they are.
std::optional<CountDiagnosis> diagnoseCount(const RegionMap& regions,
                                            const std::vector<std::int32_t>& labels,
                                            std::int32_t d);

}  // namespace pelvano::pictures
