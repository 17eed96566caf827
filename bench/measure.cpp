// Times the evaluator on one workload folder against `wc -w` and `cat` on the same two files,
// run in turn so that all see the same machine: median wall time of each, the evaluator's
// peak resident memory, its throughput, and the ratios.
//
//   measure PELVANO_BINARY FOLDER RUNS [--failure CODE]
//
// Prints one line: name, input MB, median seconds, MB/s, peak RSS MiB, wc -w median seconds,
// the median over the pairs of the evaluator's time over wc's (the machine's noise moves both
// runs of a pair alike), cat's median seconds (its output thrown away), and the same ratio. Fails
// unless every run's report is a success report, or with --failure, the failure report of check
// CODE; its first line is then read no further than it must be, as it may quote hundreds of
// megabytes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "timing.h"

namespace {

namespace fs = std::filesystem;
using bench::median;
using bench::runOnce;
using bench::Sample;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && !(argc == 6 && std::string(argv[4]) == "--failure")) {
    std::fprintf(stderr, "usage: %s PELVANO_BINARY FOLDER RUNS [--failure CODE]\n", argv[0]);
    return 2;
  }
  const std::string expected =
      argc == 6 ? "Napaka [Pelvano:" + std::string(argv[5]) + "]" : std::string("OK\n");
  const std::string binary = argv[1];
  const fs::path folder = argv[2];
  const int runs = std::max(1, std::atoi(argv[3]));
  const std::string task = folder / "task.txt";
  const std::string submission = folder / "submission.txt";
  const std::string report = folder / "report.txt";
  const double megabytes =
      static_cast<double>(fs::file_size(task) + fs::file_size(submission)) / 1e6;

  std::vector<double> evaluatorTimes;
  std::vector<double> wcTimes;
  std::vector<double> ratios;
  std::vector<double> catTimes;
  std::vector<double> catRatios;
  long peakKiB = 0;
  for (int run = 0; run < runs; ++run) {
    const Sample sample = runOnce({binary, "eval", task, submission, report});
    evaluatorTimes.push_back(sample.seconds);
    peakKiB = std::max(peakKiB, sample.peakKiB);
    wcTimes.push_back(runOnce({"wc", "-w", task, submission}).seconds);
    ratios.push_back(evaluatorTimes.back() / wcTimes.back());
    catTimes.push_back(runOnce({"cat", task, submission}).seconds);
    catRatios.push_back(evaluatorTimes.back() / catTimes.back());
    std::ifstream reportFile(report);
    std::string start(expected.size(), '\0');
    reportFile.read(start.data(), static_cast<std::streamsize>(start.size()));
    if (start != expected) {
      std::fprintf(stderr, "%s: the report does not start with %s but %s\n", folder.c_str(),
                   expected.c_str(), start.c_str());
      return 1;
    }
  }
  const double seconds = median(evaluatorTimes);
  const double wcSeconds = median(wcTimes);
  std::printf("%-12s %9.1f %10.4f %9.0f %9.1f %10.4f %7.2f %9.4f %7.2f\n",
              folder.filename().c_str(), megabytes, seconds, megabytes / seconds,
              static_cast<double>(peakKiB) / 1024, wcSeconds, median(ratios), median(catTimes),
              median(catRatios));
  return 0;
}
