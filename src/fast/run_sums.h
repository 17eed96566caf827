// The sum of a run of cells of one label, in plain words; machine.h chooses between this and
// the vector form, which takes four cells at a time.
#pragma once

#include <cstdint>

namespace pelvano {
namespace run_sums {

// Cell by cell.
struct WordRunSums {
  // The populations of the run of one label that starts at column c of a row of labels, summed;
  // leaves c at the run's end. The cell after the row's last holds a label no cell has, which
  // ends every run. (The vector form sums in 32 bits, which a grid's total fits.)
  static std::int64_t sumRun(const std::int32_t* label, const std::int32_t* population,
                             std::int32_t& c) {
    const std::int32_t x = label[c];
    std::int64_t sum = 0;
    do {
      sum += population[c++];
    } while (label[c] == x);
    return sum;
  }
};

}  // namespace run_sums
}  // namespace pelvano
