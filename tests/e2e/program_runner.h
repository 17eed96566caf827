// Runs the built program in a folder of its own and reads back what it wrote.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace pelvano::test {

namespace fs = std::filesystem;

// Whether the programs under test are Windows programs (PELVANO_PROGRAMS=windows, as the
// windows preset runs them under Wine). Their reports and standard streams are written in text
// mode, each LF as CR LF; a few tests check what only POSIX systems have.
inline bool windowsPrograms() {
  const char* programs = std::getenv("PELVANO_PROGRAMS");
  return programs != nullptr && std::string(programs) == "windows";
}

#define PELVANO_POSIX_ONLY(why) \
  if (windowsPrograms()) GTEST_SKIP() << "POSIX only: " << (why)

// What a text-mode write of `text` gives back as it was written: CR LF as LF.
inline std::string asWritten(std::string text) {
  if (!windowsPrograms()) return text;
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    plain += text[i];
  }
  return plain;
}

// A file the programs wrote, as they meant it: the line ends of a Windows report translated
// back (a file written in binary has no CR LF to translate but what its bytes hold).
inline std::string readFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return asWritten(bytes.str());
}

inline void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The programs under test: the ones this build made, unless the environment names others
// (PELVANO_PROGRAM, PELVANO_JUDGE_PROGRAM), such as an installed or a static build.
inline std::string programPath(const char* variable, const char* built) {
  const char* given = std::getenv(variable);
  return given != nullptr && *given != '\0' ? given : built;
}
inline std::string pelvanoProgram() {
  return programPath("PELVANO_PROGRAM", PELVANO_BINARY);
}
inline std::string judgeProgram() {
  return programPath("PELVANO_JUDGE_PROGRAM", PELVANO_JUDGE_BINARY);
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
    return runBinary(pelvanoProgram(), arguments, {addressSpace, hangSeconds, ""});
  }

  // Runs pelvano-judge with `arguments`, standard input reading the file `input`.
  ProgramRun runJudge(const std::vector<std::string>& arguments,
                      const std::string& input = "") const {
    return runBinary(judgeProgram(), arguments, {std::nullopt, 0, input});
  }

  struct RunOptions {
    std::optional<rlim_t> addressSpace;
    unsigned hangSeconds = 0;
    std::string input;   // the file standard input reads, /dev/null if empty
    int killSignal = 0;  // if not 0, sent to the program after `killAfter`
    std::chrono::microseconds killAfter{0};
  };

  ProgramRun runBinary(const std::string& binary, const std::vector<std::string>& arguments,
                       const RunOptions& options) const {
    std::vector<std::string> words = {binary};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
      argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string outPath = at("stdout").string();
    const std::string errPath = at("stderr").string();
    const std::string inPath = options.input.empty() ? "/dev/null" : options.input;

    const pid_t child = ::fork();
    if (child == 0) {
      ::dup2(::open(inPath.c_str(), O_RDONLY), STDIN_FILENO);
      ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
      ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
      if (options.addressSpace) {
        const rlimit limit{*options.addressSpace, *options.addressSpace};
        ::setrlimit(RLIMIT_AS, &limit);
      }
      if (options.hangSeconds > 0) ::alarm(options.hangSeconds);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    if (options.killSignal != 0) {
      std::this_thread::sleep_for(options.killAfter);
      ::kill(child, options.killSignal);
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
