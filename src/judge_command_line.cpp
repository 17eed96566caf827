#include "judge_command_line.h"

#include <unistd.h>

#include <charconv>
#include <exception>
#include <filesystem>
#include <optional>
#include <string_view>
#include <thread>

#include "input/byte_source.h"
#include "judge/batch.h"
#include "judge/validator.h"
#include "pictures/drawing.h"

#ifndef PELVANO_VERSION
#error "the build names the version"
#endif

namespace pelvano {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: pelvano-judge COMMAND [ARGUMENTS]

Judges submissions for the task "Tolvarustepnik" on the same checks and scoring as
`Pelvano eval`, for organisers, contestants and contest systems.

Commands:
  batch TASK --out DIR [--jobs N] [--quiet] SUBMISSION...
      Reads and checks TASK once, then judges every SUBMISSION (a file, or a folder:
      every regular file in it, sorted by name) on N threads (default: every core).
      Writes DIR/reports/NAME.txt (the report `Pelvano eval` writes), DIR/summary.csv
      and DIR/scores.csv. Shows its progress on a terminal unless --quiet.
      Exit 0 when every submission was judged, whatever its verdict; 3 when the task
      fails, DIR cannot be written or a submission cannot be judged.
  validate INPUT ANSWER FEEDBACK_DIR < SUBMISSION
      The output validator of the ICPC/Kattis problem package format. ANSWER is not
      read. Writes FEEDBACK_DIR/judgemessage.txt and teammessage.txt. Exit 42 when the
      submission passes every check, 43 when a check fails, 1 for a judge error.
  draw TASK SUBMISSION --out DIR
      Pictures of the submission's regions: DIR/block-K-case-N.svg for every block
      read, and DIR/index.html with the report and every picture. Exit 0, or 3 when
      the task fails or DIR or the submission cannot be used.
  visualize INPUT ANSWER FEEDBACK_DIR < SUBMISSION
      The output visualizer of the problem package format: every block's picture in
      FEEDBACK_DIR/teamimage.svg. Exit 0, or 1 when the image cannot be written.

Options:
  --help       show this help and exit
  --version    show the version and exit

A usage error exits with 2.
)";

struct UsageError {
  std::string message;
};

// The value of an option given as `--name VALUE` or `--name=VALUE`, moving `i` past it;
// nothing when `arguments[i]` is not that option.
std::optional<std::string> optionValue(const std::vector<std::string>& arguments, std::size_t& i,
                                       std::string_view name) {
  const std::string_view argument = arguments[i];
  if (argument.starts_with(name) && argument.size() > name.size() && argument[name.size()] == '=') {
    return std::string(argument.substr(name.size() + 1));
  }
  if (argument != name) return std::nullopt;
  if (++i == arguments.size()) throw UsageError{std::string(name) + " needs a value"};
  return arguments[i];
}

unsigned parseJobs(const std::string& text) {
  unsigned jobs = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (error != std::errc() || end != text.data() + text.size() || jobs < 1 || jobs > 1024) {
    throw UsageError{"--jobs takes a whole number from 1 to 1024, not \"" + text + "\""};
  }
  return jobs;
}

int batchCommand(const std::vector<std::string>& arguments, std::ostream& err, bool errIsTerminal) {
  judge::BatchOptions options;
  options.jobs = std::max(1u, std::thread::hardware_concurrency());
  bool quiet = false;
  bool outGiven = false;
  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (std::size_t i = 2; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || !argument.starts_with("-") || argument == "-") {
      positional.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (const auto out = optionValue(arguments, i, "--out")) {
      options.out = *out;
      outGiven = true;
    } else if (const auto jobs = optionValue(arguments, i, "--jobs")) {
      options.jobs = parseJobs(*jobs);
    } else if (argument == "--quiet") {
      quiet = true;
    } else {
      throw UsageError{"batch does not know the option \"" + argument + "\""};
    }
  }
  if (positional.empty()) throw UsageError{"batch needs a TASK file"};
  if (!outGiven || options.out.empty()) throw UsageError{"batch needs --out DIR"};
  if (positional.size() < 2) throw UsageError{"batch needs at least one SUBMISSION"};
  options.task = positional.front();
  options.submissions.assign(positional.begin() + 1, positional.end());
  options.progress = errIsTerminal && !quiet;
  return judge::runBatch(options, err);
}

int drawCommand(const std::vector<std::string>& arguments, std::ostream& err) {
  std::vector<std::string> positional;
  std::filesystem::path out;
  for (std::size_t i = 2; i < arguments.size(); ++i) {
    if (const auto value = optionValue(arguments, i, "--out")) {
      out = *value;
    } else if (arguments[i].starts_with("--")) {
      throw UsageError{"draw does not know the option \"" + arguments[i] + "\""};
    } else {
      positional.push_back(arguments[i]);
    }
  }
  if (positional.size() != 2) throw UsageError{"draw needs TASK and SUBMISSION"};
  if (out.empty()) throw UsageError{"draw needs --out DIR"};
  return pictures::runDraw(positional[0], positional[1], out, err);
}

int visualizeCommand(const std::vector<std::string>& arguments, std::ostream& err) {
  if (arguments.size() < 5) throw UsageError{"visualize needs INPUT ANSWER FEEDBACK_DIR"};
  FileByteSource submission(::dup(STDIN_FILENO), "standard input");
  return pictures::runVisualizer(arguments[2], submission, arguments[4], err);
}

int validateCommand(const std::vector<std::string>& arguments, std::ostream& err) {
  // Arguments after FEEDBACK_DIR are the package's validator flags; none is needed.
  if (arguments.size() < 5) throw UsageError{"validate needs INPUT ANSWER FEEDBACK_DIR"};
  FileByteSource submission(::dup(STDIN_FILENO), "standard input");
  return judge::runValidator(arguments[2], submission, arguments[4], err);
}

}  // namespace

int runJudgeCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err, bool errIsTerminal) {
  const std::string command = arguments.size() >= 2 ? arguments[1] : "";
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--") break;
    if (arguments[i] == "--help") {
      out << kHelp;
      return 0;
    }
    if (arguments[i] == "--version" && i == 1) {
      out << "pelvano-judge " PELVANO_VERSION "\n";
      return 0;
    }
  }
  try {
    if (command == "batch") return batchCommand(arguments, err, errIsTerminal);
    if (command == "validate") return validateCommand(arguments, err);
    if (command == "draw") return drawCommand(arguments, err);
    if (command == "visualize") return visualizeCommand(arguments, err);
    throw UsageError{command.empty() ? "a COMMAND is needed"
                                     : "there is no command \"" + command + "\""};
  } catch (const UsageError& usage) {
    err << "pelvano-judge: " << usage.message << "\nTry 'pelvano-judge --help'.\n";
    return kJudgeUsageError;
  } catch (const std::exception& failure) {
    // Outside any one evaluation (a thread that cannot be started, memory for the list of
    // submissions): the jury's error, in each command's own status for it.
    err << "pelvano-judge: unexpected failure: " << failure.what() << "\n";
    return command == "validate"    ? judge::kValidatorJudgeError
           : command == "visualize" ? 1
                                    : judge::kBatchFailed;
  }
}

}  // namespace pelvano
