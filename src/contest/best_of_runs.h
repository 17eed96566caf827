// The best of several runs in one submission: for each case, the block with the lowest spread
// among the runs that pass every check, its bytes as the run wrote them (ties go to the
// earliest run, then to its earliest block). `pelvano-judge best` writes it; the page offers it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contest/comparison.h"
#include "readers/task_file.h"

namespace pelvano::contest {

// A run's file as read: its bytes, or why it cannot be read.
struct RunFile {
  std::string name;
  std::string_view bytes;
  std::string unreadable;  // empty when `bytes` are the file's
};

struct BestOfRuns {
  // Where a case's block came from.
  struct Pick {
    std::int32_t caseNumber = 0;
    std::int32_t spread = 0;
    std::size_t run = 0;         // its position among the runs
    std::size_t block = 0;       // its position in the run, from 1
    std::int64_t firstLine = 0;  // the run's line that names the case
  };
  std::string submission;   // the whole file; empty when no run passes
  std::vector<Pick> picks;  // cases ascending
  std::vector<Run> runs;    // every run judged, in the order given
  // What a person should know: each run left out with its failure, a line 1 that differs.
  std::vector<std::string> notes;
};

// `contestant` is line 1 of the result; without it, the first passing run's line 1.
BestOfRuns bestOfRuns(const Task& task, const std::vector<RunFile>& files,
                      const std::optional<std::string>& contestant);

// Where each case's block came from, a line a case: "case 2: spread 4 from run-2, block 3,
// line 9".
std::string picksText(const BestOfRuns& best);

}  // namespace pelvano::contest
