// Times judging a contest two ways on the same files: a shell loop of `Pelvano eval` over
// every submission, and one `pelvano-judge batch`; prints both, their ratio, the batch's
// peak resident memory and the task's populations it holds; then the batch with its
// standings against the batch without them (--no-standings).
//
//   contest PELVANO_BINARY JUDGE_BINARY FOLDER RUNS
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "timing.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s PELVANO_BINARY JUDGE_BINARY FOLDER RUNS\n", argv[0]);
    return 2;
  }
  const std::string pelvano = argv[1];
  const std::string judge = argv[2];
  const fs::path folder = argv[3];
  const int runs = std::max(1, std::atoi(argv[4]));
  const std::string task = folder / "task.txt";
  const std::string report = folder / "report.txt";
  std::vector<std::string> submissions;
  for (const auto& entry : fs::directory_iterator(folder / "submissions"))
    submissions.push_back(entry.path());
  std::sort(submissions.begin(), submissions.end());

  // The loop as a shell script would run it, one process per submission.
  const std::string loop =
      "for s in \"$1\"/submissions/*; do \"$2\" eval \"$3\" \"$s\" \"$4\"; done";
  std::vector<double> loopTimes;
  std::vector<double> batchTimes;
  std::vector<double> ratios;
  std::vector<double> plainTimes;
  std::vector<double> standingsRatios;
  long batchPeakKiB = 0;
  for (int run = 0; run < runs; ++run) {
    loopTimes.push_back(
        bench::runOnce({"sh", "-c", loop, "sh", folder.string(), pelvano, task, report}).seconds);
    std::vector<std::string> batch = {judge,
                                      "batch",
                                      task,
                                      "--out",
                                      (folder / "out").string(),
                                      "--quiet",
                                      (folder / "submissions").string()};
    const bench::Sample sample = bench::runOnce(batch);
    batchTimes.push_back(sample.seconds);
    batchPeakKiB = std::max(batchPeakKiB, sample.peakKiB);
    ratios.push_back(batchTimes.back() / loopTimes.back());
    batch.push_back("--no-standings");
    plainTimes.push_back(bench::runOnce(batch).seconds);
    standingsRatios.push_back(batchTimes.back() / plainTimes.back());
  }
  // Thirty grids of 300x300 with their borders, four bytes a cell.
  const double populationsMiB = 30.0 * 302 * 302 * 4 / (1 << 20);
  std::printf(
      "contest: %zu submissions; loop of eval %.3f s, batch %.3f s, ratio %.3f; "
      "batch peak RSS %.1f MiB (task populations %.1f MiB)\n",
      submissions.size(), bench::median(loopTimes), bench::median(batchTimes),
      bench::median(ratios), static_cast<double>(batchPeakKiB) / 1024, populationsMiB);
  std::printf("contest: batch with standings %.3f s, without %.3f s, ratio %.3f\n",
              bench::median(batchTimes), bench::median(plainTimes), bench::median(standingsRatios));
  return 0;
}
