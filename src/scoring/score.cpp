#include "scoring/score.h"

#include "task/check_failure.h"

namespace pelvano {

std::int32_t spreadScore(const RegionTotals& regions, std::int32_t required) {
  if (regions.count != required) {
    failCheck(141,
              "v razporedu je " + decimal(regions.count) + " obmocij namesto " + decimal(required));
  }
  // The task bounds a grid's total population by 2000000000, so the spread fits.
  return static_cast<std::int32_t>(regions.largest - regions.smallest);
}

}  // namespace pelvano
