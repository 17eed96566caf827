// A contestant's workbench on the command line: several runs compared case by case
// (`compare`), and the best of them in one submission (`best`).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelvano::judge {

struct CompareOptions {
  std::string task;
  std::vector<std::string> submissions;  // files or folders, as batch takes them
  std::string reference;                 // a table of known bests, or empty
  std::optional<double> pointsPerCase;   // default: 100 divided by the task's case count
  bool csv = false;
};

// Prints the runs' table on `out`. 0, or 3 when the task or the reference fails.
int runCompare(const CompareOptions& options, std::ostream& out, std::ostream& err);

struct BestOptions {
  std::string task;
  std::vector<std::string> submissions;
  std::string out;
  std::optional<std::string> contestant;  // line 1 of the result
};

// Writes the best of the runs to `options.out`, whole or not at all, judges it again from
// the disk and prints its report and where each case's block came from on `out`; runs left
// out, and line 1s that differ, on `err`. 0, or 3 when the task fails, no run passes, the
// result would fail a check, or the file cannot be written.
int runBest(const BestOptions& options, std::ostream& out, std::ostream& err);

}  // namespace pelvano::judge
