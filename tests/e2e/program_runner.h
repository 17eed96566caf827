// Runs the built program in a folder of its own and reads back what it wrote.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace pelvano::test {

namespace fs = std::filesystem;

inline std::string readFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

inline void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct ProgramRun {
  int status = -1;  // the exit status, or 128 plus the signal that ended it
  std::string out;
  std::string err;
  long peakKiB = 0;  // the program's peak resident memory
};

// A fresh folder for each test, removed afterwards.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pelvano-e2e-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path at(const std::string& name) const { return dir_ / name; }

  // Runs the program with `arguments`; `addressSpace` limits its virtual memory in bytes, and
  // a program still running after `hangSeconds` (if not 0) is ended by SIGALRM.
  ProgramRun run(const std::vector<std::string>& arguments,
                 std::optional<rlim_t> addressSpace = std::nullopt,
                 unsigned hangSeconds = 0) const {
    std::vector<std::string> words = {PELVANO_BINARY};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
      argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string outPath = at("stdout").string();
    const std::string errPath = at("stderr").string();

    const pid_t child = ::fork();
    if (child == 0) {
      ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
      ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
      if (addressSpace) {
        const rlimit limit{*addressSpace, *addressSpace};
        ::setrlimit(RLIMIT_AS, &limit);
      }
      if (hangSeconds > 0) ::alarm(hangSeconds);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    ProgramRun result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    result.peakKiB = usage.ru_maxrss;
    fs::remove(outPath);
    fs::remove(errPath);
    return result;
  }

  // Runs `eval` on files holding the given bytes; the report goes to report.txt.
  ProgramRun evaluate(const std::string& task, const std::string& submission) const {
    writeFile(at("input.txt"), task);
    writeFile(at("submission.txt"), submission);
    return run({"eval", at("input.txt"), at("submission.txt"), at("report.txt")});
  }

  fs::path dir_;
};

}  // namespace pelvano::test
