// Reads and checks the whole task file.
#pragma once

#include <deque>
#include <vector>

#include "input/cell_arena.h"
#include "input/line_source.h"
#include "input/test_case.h"

namespace pelvano {

// The task's test cases in file order, case k at position k - 1, and the storage of their
// grids, which lives as long as they do. Moved, never copied: `byNumber` points into `cases`.
struct Task {
  CellArena cells;
  std::deque<TestCase> cases;
  // Case k's address at position k - 1, so that a block finds its case in one step; a deque
  // finds an element through its map of blocks.
  std::vector<const TestCase*> byNumber;

  Task() = default;
  Task(Task&&) = default;
  Task& operator=(Task&&) = default;
  Task(const Task&) = delete;
  Task& operator=(const Task&) = delete;
};

// Reads the task file up to its last case; lines after it are not read.
Task readTaskFile(LineSource& file);

}  // namespace pelvano
