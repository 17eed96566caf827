// Region scoring: the flood fill over one arrangement's labels.
#include <cstddef>
#include <cstdint>

#include "check_failure.h"
#include "input/arrangement.h"

namespace pelvano {

std::int32_t Arrangement::scoreArrangement() {
  const PopulationGrid& populations = testCase->populations;
  const std::int32_t* population = populations.cells();
  std::int32_t* label = labels.cells();
  const std::ptrdiff_t stride = labels.stride();

  // A region's cells are marked visited (label x becomes ~x, which is negative) as they are
  // queued, so no cell is queued twice and the queue never holds more than w * h cells.
  workQueue_.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  std::uint32_t* const queue = workQueue_.data();

  std::int32_t count = 0;
  std::int64_t smallest = 0;
  std::int64_t largest = 0;
  for (std::int32_t r = 0; r < h; ++r) {
    for (std::ptrdiff_t start = labels.indexOf(r, 0), rowEnd = start + w; start < rowEnd; ++start) {
      const std::int32_t x = label[start];
      if (x < 0) continue;
      label[start] = ~x;
      std::size_t head = 0;
      std::size_t tail = 0;
      queue[tail++] = static_cast<std::uint32_t>(start);
      std::int64_t sum = 0;
      while (head < tail) {
        const std::uint32_t cell = queue[head++];
        sum += population[cell];
        // Neighbours in the order left, right, up, down; the border keeps every one inside.
        std::int32_t* const here = label + cell;
        const auto visit = [&](std::ptrdiff_t offset) {
          if (here[offset] == x) {
            here[offset] = ~x;
            queue[tail++] = static_cast<std::uint32_t>(static_cast<std::ptrdiff_t>(cell) + offset);
          }
        };
        visit(-1);
        visit(1);
        visit(-stride);
        visit(stride);
      }
      if (count == 0) {
        smallest = largest = sum;
      } else if (sum < smallest) {
        smallest = sum;
      } else if (sum > largest) {
        largest = sum;
      }
      ++count;
    }
  }
  if (count != d) {
    failCheck(141, "v razporedu je " + decimal(count) + " obmocij namesto " + decimal(d));
  }
  return static_cast<std::int32_t>(largest - smallest);
}

}  // namespace pelvano
