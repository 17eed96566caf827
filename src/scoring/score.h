// The score of a labelling: the spread of its regions' populations.
#pragma once

#include <cstdint>

#include "scoring/region_finder.h"

namespace pelvano {

// The most populous region's population minus the least populous one's. Fails with check
// 141 unless there are exactly `required` regions.
std::int32_t spreadScore(const RegionTotals& regions, std::int32_t required);

}  // namespace pelvano
