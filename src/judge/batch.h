// Judging a whole contest: one task, read once, and any number of submissions.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelvano::judge {

struct BatchOptions {
  std::string task;
  std::filesystem::path out;
  std::vector<std::string> submissions;  // files or folders, as given
  unsigned jobs = 1;
  bool progress = false;  // draw a progress line on `err`
  bool tally = true;      // end with a line that counts the verdicts on `err`
  // The standings: best.csv, points.csv, standings.csv and standings.html.
  bool standings = true;
  std::optional<double> pointsPerCase;  // default: 100 divided by the task's case count
  std::string reference;                // a table of known bests, or empty
  bool byContestant = false;            // one standings row per contestant
};

// Exit statuses of the batch.
inline constexpr int kBatchJudged = 0;  // every submission judged, whatever its verdict
inline constexpr int kBatchFailed = 3;  // the task or the reference failed, DIR could not be
                                        // written, or a submission could not be judged

// Judges every submission, as `Pelvano eval` would, on `options.jobs` threads, and writes
// DIR/reports/NAME.txt for each, DIR/summary.csv and DIR/scores.csv, in the order given, and
// the standings (standings.h), as
// one OutputRun: they replace an earlier batch's output whole, once every submission is
// judged. On `err`: a warning for each entry skipped, a line for each submission that could
// not be judged, and the tally.
int runBatch(const BatchOptions& options, std::ostream& err);

}  // namespace pelvano::judge
