// Reads and checks the whole task file.
#pragma once

#include <deque>

#include "input/cell_arena.h"
#include "input/line_source.h"
#include "input/test_case.h"

namespace pelvano {

// The task's test cases in file order, case k at position k - 1, and the storage of their
// grids, which lives as long as they do.
struct Task {
  CellArena cells;
  std::deque<TestCase> cases;
};

// Reads the task file up to its last case; lines after it are not read.
Task readTaskFile(LineSource& file);

}  // namespace pelvano
