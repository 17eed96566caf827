// Times the evaluator on one workload folder against `wc -w` on the same two files, the two
// run in turn so that both see the same machine: median wall time of each, the evaluator's
// peak resident memory, its throughput, and the ratio of the medians.
//
//   measure PELVANO_BINARY FOLDER RUNS
//
// Prints one line: name, input MB, median seconds, MB/s, peak RSS MiB, wc -w median seconds,
// and the median over the pairs of the evaluator's time over wc's (the machine's noise
// moves both runs of a pair alike). Fails unless every run's report is a success report.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Sample {
  double seconds;
  long peakKiB;
};

// Runs `arguments` with standard output sent nowhere; exits on any failure.
Sample runOnce(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", arguments[0].c_str());
    std::exit(1);
  }
  return {seconds, usage.ru_maxrss};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s PELVANO_BINARY FOLDER RUNS\n", argv[0]);
    return 2;
  }
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
  long peakKiB = 0;
  for (int run = 0; run < runs; ++run) {
    const Sample sample = runOnce({binary, "eval", task, submission, report});
    evaluatorTimes.push_back(sample.seconds);
    peakKiB = std::max(peakKiB, sample.peakKiB);
    wcTimes.push_back(runOnce({"wc", "-w", task, submission}).seconds);
    ratios.push_back(evaluatorTimes.back() / wcTimes.back());
    std::ifstream reportFile(report);
    std::string firstLine;
    std::getline(reportFile, firstLine);
    if (firstLine != "OK") {
      std::fprintf(stderr, "%s: the report is not a success report: %s\n", folder.c_str(),
                   firstLine.c_str());
      return 1;
    }
  }
  const double seconds = median(evaluatorTimes);
  const double wcSeconds = median(wcTimes);
  std::printf("%-12s %9.1f %10.4f %9.0f %9.1f %10.4f %7.2f\n", folder.filename().c_str(), megabytes,
              seconds, megabytes / seconds, static_cast<double>(peakKiB) / 1024, wcSeconds,
              median(ratios));
  return 0;
}
