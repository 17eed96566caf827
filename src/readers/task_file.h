// Reads and checks the whole task file: the one place of its grammar, its checks, their codes
// and their words.
//
//   task file  = name line, count line, count cases; nothing after them is read
//   case       = separator line (empty), case line (number w h d), h population rows
#pragma once

#include <vector>

#include "platform/cell_arena.h"
#include "platform/line_source.h"
#include "task/check_failure.h"
#include "task/test_case.h"

namespace pelvano {

// The task's test cases in file order, case k at position k - 1, so that a block finds its case
// in one step, and the storage of their grids, which lives as long as they do. Moved, never
// copied: a case's grid points into `cells`.
struct Task {
  CellArena cells;
  std::vector<TestCase> cases;

  Task() = default;
  Task(Task&&) = default;
  Task& operator=(Task&&) = default;
  Task(const Task&) = delete;
  Task& operator=(const Task&) = delete;
};

// Reads the task file up to its last case; lines after it are not read.
Task readTaskFile(LineSource& file);

// Reads one case into `testCase`, its grid stored in `cells`. `lastLineRead` is the
// number of the last line read and advances with every line read.
void readTestCase(LineSource& file, LineCounter& lastLineRead, CellArena& cells,
                  TestCase& testCase);

}  // namespace pelvano
