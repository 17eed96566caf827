// The score of a labelling: the spread of its regions' populations.
#pragma once

#include <cstdint>

#include "scoring/region_finder.h"
#include "task/arrangement.h"

namespace pelvano {

// The most populous region's population minus the least populous one's. Fails with check
// 141 unless there are exactly `required` regions.
std::int32_t spreadScore(const RegionTotals& regions, std::int32_t required);

// The spread of the arrangement's regions' populations; fails when the labelling has not
// exactly d regions. The labels are only read. `finder` keeps its storage from block to
// block.
inline std::int32_t scoreArrangement(Arrangement& arrangement, RegionFinder& finder) {
  return spreadScore(finder.findTotals(arrangement.labels(), arrangement.testCase->populations),
                     arrangement.d);
}

}  // namespace pelvano
