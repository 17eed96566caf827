// The row scanner with one of the readers' row profiles chosen at run time, for the tests and
// the fuzzer, which pick profiles from tables and input bytes.
#pragma once

#include <cstdint>

#include "readers/row_scanner.h"

namespace pelvano::test {

template <class FailureHandler>
void scanRowAs(const RowProfile& profile, LineSource& source, std::int32_t* out, std::int32_t width,
               std::int64_t& runningTotal, FailureHandler&& fail) {
  if (profile.rules.keepsTotal && width >= kLongRow) {
    bool plainRows = true;
    scanLongPopulationRow(source, out, width, runningTotal, plainRows, fail);
  } else if (profile.rules.keepsTotal) {
    scanRow<kPopulationRows>(source, out, width, runningTotal, fail);
  } else if (profile.repeatsOften) {
    bool plainRows = true;
    scanLongLabelRow(source, out, width, runningTotal, plainRows, fail);
  } else {
    scanRow<kShortLabelRows>(source, out, width, runningTotal, fail);
  }
}

}  // namespace pelvano::test
