// One test case of the task file.
#pragma once

#include <cstdint>

#include "task/grid.h"

namespace pelvano {

// Read from the task file by readTestCase (readers/task_file.h).
struct TestCase {
  std::int32_t number = 0;     // as written in the file; the reader has it equal the position
  std::int32_t w = 0;          // 1 to 300
  std::int32_t h = 0;          // 1 to 300
  std::int32_t d = 0;          // regions required, 1 to w times h
  PopulationGrid populations;  // its cells live in the task's storage
};

}  // namespace pelvano
