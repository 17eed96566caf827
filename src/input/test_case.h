// One test case of the task file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "input/cell_arena.h"
#include "input/grid.h"
#include "input/line_source.h"

namespace pelvano {

// The task's name: line 1 of the task file and line 2 of the submission.
inline constexpr std::string_view kTaskName = "Tolvarustepnik";

class TestCase {
 public:
  std::int32_t number = 0;     // as written in the file; the reader has it equal the position
  std::int32_t w = 0;          // 1 to 300
  std::int32_t h = 0;          // 1 to 300
  std::int32_t d = 0;          // regions required, 1 to w times h
  PopulationGrid populations;  // its cells live in the task's arena

  // Reads this case's block: the empty separator line, the case line and h grid rows, the
  // grid stored in `cells`. `lastLineRead` is the number of the last line read and advances
  // with every line read.
  void readTestCase(LineSource& file, LineCounter& lastLineRead, CellArena& cells);
};

}  // namespace pelvano
