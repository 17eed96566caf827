#include "judge/judge_command_line.h"

#include <CLI/CLI.hpp>
#include <array>
#include <exception>
#include <filesystem>
#include <optional>
#include <string_view>
#include <thread>

#include "contest/points_rule.h"
#include "judge/batch.h"
#include "judge/cms_checker.h"
#include "judge/drawing.h"
#include "judge/testlib_checker.h"
#include "judge/validator.h"
#include "judge/workbench.h"
#include "pictures/language.h"
#include "platform/byte_source.h"
#include "platform/paths.h"

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
  batch TASK --out DIR [--jobs N] [--quiet] [--points P] [--reference FILE]
        [--by-contestant] [--no-standings] SUBMISSION...
      Reads and checks TASK once, then judges every SUBMISSION (a file, or a folder:
      every regular file in it, sorted by name) on N threads (default: every core).
      Writes DIR/reports/NAME.txt (the report `Pelvano eval` writes), DIR/summary.csv
      and DIR/scores.csv, replacing whatever an earlier batch wrote into DIR. Tells on
      standard error why a submission could not be judged, and a tally at the end; a
      progress line on a terminal. --quiet silences the progress and the tally.
      The standings: DIR/best.csv (each case's lowest spread), DIR/points.csv (each
      case a submission answered: P * min(1, best / spread), 1 for a spread of 0),
      DIR/standings.csv and DIR/standings.html (ranked by points; P a case, default
      100 divided by the number of cases). --reference FILE takes the bests from a
      best.csv or any CSV with `case,spread` columns; --by-contestant ranks each
      contestant's best per case; --no-standings writes none of them.
      Exit 0 when every submission was judged, whatever its verdict; 3 when the task or
      the reference fails, DIR cannot be written or a submission cannot be judged.
  validate INPUT ANSWER FEEDBACK_DIR [FLAGS] < SUBMISSION
      The output validator of the ICPC/Kattis problem package format. Writes
      FEEDBACK_DIR/judgemessage.txt and teammessage.txt. Exit 42 when the submission
      passes every check, 43 when a check fails, 1 for a judge error. ANSWER is not
      read, unless the flag `score` makes a scoring validator: then ANSWER is the jury's
      submission, which must answer every case, and an accepted submission gets
      FEEDBACK_DIR/score.txt, its points against the jury's spreads. The flag `points P`
      sets P a case (a plain decimal number above 0, at most 1000000; default: 100
      divided by the number of cases; given twice, the last wins). Every other word is
      passed over, -h and -- among them.
  check-task [--strict] [TASK]
      The input validator of the problem package format: exit 42 when TASK (standard
      input without it) passes every check, 43 with the failure on standard error when
      it does not, 1 when it cannot be read. --strict also refuses what a jury's file
      should not hold: leading zeros or signs, blanks but one between numbers, tabs,
      CRs, words after a line's numbers, bytes after the last case, no final line feed.
  cms INPUT CORRECT_OUTPUT OUTPUT
      A checker as CMS runs one: the outcome (0 to 1, the mean share of each case's
      points against CORRECT_OUTPUT's spreads) on standard output, the contestant's
      message on standard error. Exit 0 whenever OUTPUT was judged, 1 for a judge error.
  testlib [--points P] INPUT OUTPUT ANSWER [RESULT_FILE [-appes]]
      A checker as the testlib library makes them: exit 7 with "points X ..." when
      OUTPUT passes (P a case against ANSWER's spreads; default: 100 divided by the
      number of cases), 1 with "wrong answer ..." when a check fails, 3 with "FAIL ..."
      for the jury's error or words that do not fit; with RESULT_FILE the message goes
      there (as XML with -appes).
  compare TASK [--reference FILE] [--points P] [--csv] SUBMISSION...
      Several runs side by side: a row a case, a column a run, each run's spread (the
      lowest of its blocks for the case) and points by the contest's rule, the best of
      the runs marked, and each run's total. The bests are the runs' own, or those of
      FILE (a best.csv). --csv prints the table as CSV. Exit 0, or 3 when the task or
      the reference fails.
  best TASK SUBMISSION... --out FILE [--contestant NNNNNN]
      Writes FILE, one submission holding for each case the block with the lowest spread
      among the runs that pass every check (their bytes as written; ties to the earliest
      run), line 1 from the first passing run or NNNNNN; runs left out are named on
      standard error. FILE is written whole or not at all, then judged again: its report
      and where each block came from on standard output. Exit 0, or 3.
  draw TASK SUBMISSION --out DIR [--language en|sl]
      Pictures of the submission's regions: DIR/block-K-case-N.svg for every block
      read, and DIR/index.html with the report and every picture, replacing whatever
      an earlier draw wrote into DIR; their words in English (en) or Slovene (sl). Exit 0, or 3 when the task fails or DIR or the
      submission cannot be used.
  visualize INPUT ANSWER FEEDBACK_DIR < SUBMISSION
      The output visualizer of the problem package format: every block's picture in
      FEEDBACK_DIR/teamimage.svg. Exit 0, or 1 when the image cannot be written.

Options:
  -h, --help   show this help and exit
  --version    show the version and exit

Options take their value as `--out DIR` or `--out=DIR`, each at most once. A usage error
exits with 2.
)";

constexpr std::array<std::string_view, 9> kCommands = {
    "batch", "validate", "draw", "visualize", "check-task", "cms", "testlib", "compare", "best"};

struct UsageError {
  std::string message;
};

// What a command line asks for, filled in by the parser.
struct Request {
  judge::BatchOptions batch;
  bool quiet = false;
  bool noStandings = false;
  std::string points;
  bool strict = false;
  bool csv = false;
  std::string contestant;
  std::string language = "en";
  judge::CompareOptions compare;
  std::string task;
  std::string correct;
  std::string submission;
  std::string out;
};

// The parser of every command: subcommands, `--opt value` and `--opt=value`, a repeated
// option refused, -h and --help anywhere before `--`.
class Parser {
 public:
  explicit Parser(Request& request) {
    app_.set_help_flag("-h,--help");
    // Options start with "-" everywhere: on Windows too, a path may start with "/".
    app_.allow_windows_style_options(false);
    app_.require_subcommand(1);
    addBatch(request);
    addDraw(request);
    CLI::App* checkTask = app_.add_subcommand("check-task");
    checkTask->add_option("TASK", request.task);
    checkTask->add_flag("--strict", request.strict);
    checkTask->allow_extras();
    addWorkbench(request);
    CLI::App* cms = app_.add_subcommand("cms");
    cms->add_option("INPUT", request.task)->required();
    cms->add_option("CORRECT_OUTPUT", request.correct)->required();
    cms->add_option("OUTPUT", request.submission)->required();
  }

  // Throws a CLI::ParseError (CLI::CallForHelp for help) when the words do not fit.
  std::string parse(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
      argv.push_back(argument.c_str());
    app_.parse(static_cast<int>(argv.size()), argv.data());
    for (const CLI::Option* option : single_) {
      if (option->count() > 1) throw UsageError{option->get_name() + " is given more than once"};
    }
    return app_.get_subcommands().front()->get_name();
  }

 private:
  // An option that may stand once: given twice, the command line is refused after parsing.
  CLI::Option* once(CLI::Option* option) {
    single_.push_back(option);
    return option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }

  void addBatch(Request& request) {
    CLI::App* batch = app_.add_subcommand("batch");
    batch->add_option("TASK", request.batch.task)->required();
    batch->add_option("SUBMISSION", request.batch.submissions)->required();
    once(batch->add_option("--out", request.out)->required());
    once(batch->add_option("--jobs", request.batch.jobs)->check(CLI::Range(1u, 1024u)));
    batch->add_flag("--quiet", request.quiet);
    once(batch->add_option("--points", request.points));
    once(batch->add_option("--reference", request.batch.reference));
    batch->add_flag("--by-contestant", request.batch.byContestant);
    batch->add_flag("--no-standings", request.noStandings);
  }

  void addWorkbench(Request& request) {
    CLI::App* compare = app_.add_subcommand("compare");
    compare->add_option("TASK", request.task)->required();
    compare->add_option("SUBMISSION", request.compare.submissions)->required();
    once(compare->add_option("--reference", request.compare.reference));
    once(compare->add_option("--points", request.points));
    compare->add_flag("--csv", request.csv);
    CLI::App* best = app_.add_subcommand("best");
    best->add_option("TASK", request.task)->required();
    best->add_option("SUBMISSION", request.compare.submissions)->required();
    once(best->add_option("--out", request.out)->required());
    once(best->add_option("--contestant", request.contestant));
  }

  void addDraw(Request& request) {
    CLI::App* draw = app_.add_subcommand("draw");
    draw->add_option("TASK", request.task)->required();
    draw->add_option("SUBMISSION", request.submission)->required();
    once(draw->add_option("--out", request.out)->required());
    once(draw->add_option("--language", request.language)->check(CLI::IsMember({"en", "sl"})));
  }

  CLI::App app_{"pelvano-judge", "pelvano-judge"};
  std::vector<const CLI::Option*> single_;
};

// The words of a problem package's validator or visualizer: INPUT ANSWER FEEDBACK_DIR, then
// the flags the contest system passes, which are never options of pelvano-judge's own.
struct PackageWords {
  std::string input;
  std::string answer;
  std::string feedbackDir;
  std::vector<std::string> flags;
};
PackageWords packageWords(const std::string& command, const std::vector<std::string>& arguments) {
  if (arguments.size() < 5) {
    throw UsageError{command + ": INPUT, ANSWER and FEEDBACK_DIR are needed"};
  }
  return {arguments[2], arguments[3], arguments[4], {arguments.begin() + 5, arguments.end()}};
}

// Help is asked for only in place of INPUT, ANSWER or FEEDBACK_DIR: a flag is never help.
bool asksForHelp(const std::vector<std::string>& arguments) {
  for (std::size_t i = 2; i < std::min<std::size_t>(arguments.size(), 5); ++i) {
    if (arguments[i] == "-h" || arguments[i] == "--help") return true;
  }
  return false;
}

int runPackageCommand(const std::string& command, const std::vector<std::string>& arguments,
                      std::ostream& err) {
  const PackageWords words = packageWords(command, arguments);
  FileByteSource submission(FileByteSource::StandardInput{});
  if (command == "visualize") {
    return judge::runVisualizer(words.input, submission, pathOf(words.feedbackDir), err);
  }
  std::string error;
  const auto flags = judge::parseValidatorFlags(words.flags, error);
  if (!flags) {
    err << "pelvano-judge: validate: " << error << "\n";
    return judge::kValidatorJudgeError;
  }
  std::optional<judge::ValidatorScoring> scoring;
  if (flags->score) scoring = judge::ValidatorScoring{words.answer, flags->pointsPerCase};
  return judge::runValidator(words.input, submission, pathOf(words.feedbackDir), err, scoring);
}

// The value of --points, if given: a plain decimal number above 0, at most 1000000.
std::optional<double> pointsOption(const std::string& command, const std::string& value) {
  if (value.empty()) return std::nullopt;
  const std::optional<double> points = contest::parsePointsPerCase(value);
  if (!points) {
    throw UsageError{command +
                     ": --points needs a plain decimal number above 0 and at most 1000000, "
                     "not \"" +
                     value + "\""};
  }
  return points;
}

void refuseEmpty(const std::string& value, const char* what) {
  if (value.empty()) throw UsageError{std::string(what) + " must not be empty"};
}

}  // namespace

int runJudgeCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err, bool errIsTerminal) {
  const std::string command = arguments.size() >= 2 ? arguments[1] : "";
  if (command == "--version") {
    out << "pelvano-judge " PELVANO_VERSION "\n";
    return 0;
  }
  Request request;
  request.batch.jobs = std::max(1u, std::thread::hardware_concurrency());
  try {
    const bool known = std::find(kCommands.begin(), kCommands.end(), command) != kCommands.end();
    if (!known && !command.starts_with('-')) {
      throw UsageError{command.empty() ? "a COMMAND is needed"
                                       : "there is no command \"" + command + "\""};
    }
    // The contest systems' own conventions: their words are never taken for options.
    if ((command == "validate" || command == "visualize") && !asksForHelp(arguments)) {
      return runPackageCommand(command, arguments, err);
    }
    if (command == "testlib" && !asksForHelp(arguments)) {
      return judge::runTestlibChecker({arguments.begin() + 2, arguments.end()}, err);
    }
    Parser parser(request);
    try {
      parser.parse(arguments);
    } catch (const CLI::CallForHelp&) {
      out << kHelp;
      return 0;
    } catch (const CLI::ParseError& error) {
      throw UsageError{command + ": " + error.what()};
    } catch (const UsageError& error) {
      throw UsageError{command + ": " + error.message};
    }
    if (command == "batch") {
      refuseEmpty(request.out, "--out");
      request.batch.out = pathOf(request.out);
      request.batch.progress = errIsTerminal && !request.quiet;
      request.batch.tally = !request.quiet;
      request.batch.standings = !request.noStandings;
      request.batch.pointsPerCase = pointsOption(command, request.points);
      if (request.noStandings && (!request.points.empty() || !request.batch.reference.empty() ||
                                  request.batch.byContestant)) {
        throw UsageError{"batch: --no-standings takes no --points, --reference or --by-contestant"};
      }
      return judge::runBatch(request.batch, err);
    }
    if (command == "compare") {
      request.compare.task = request.task;
      request.compare.csv = request.csv;
      request.compare.pointsPerCase = pointsOption(command, request.points);
      return judge::runCompare(request.compare, out, err);
    }
    if (command == "best") {
      refuseEmpty(request.out, "--out");
      judge::BestOptions best{request.task, request.compare.submissions, request.out, {}};
      if (!request.contestant.empty()) best.contestant = request.contestant;
      return judge::runBest(best, out, err);
    }
    if (command == "draw") {
      refuseEmpty(request.out, "--out");
      return judge::runDraw(request.task, request.submission, pathOf(request.out),
                            *pictures::languageNamed(request.language), err);
    }
    if (command == "check-task") {
      if (request.task.empty()) {
        FileByteSource task(FileByteSource::StandardInput{});
        return judge::checkTask(task, "on standard input", request.strict, err);
      }
      FileByteSource task(request.task);
      return judge::checkTask(task, "\"" + request.task + "\"", request.strict, err);
    }
    return judge::runCmsChecker(request.task, request.correct, request.submission, out, err);
  } catch (const UsageError& usage) {
    err << "pelvano-judge: " << usage.message << "\nTry 'pelvano-judge --help'.\n";
    return kJudgeUsageError;
  } catch (const std::exception& failure) {
    // Outside any one evaluation (a thread that cannot be started, memory for the list of
    // submissions): the jury's error, in each command's own status for it.
    err << "pelvano-judge: unexpected failure: " << failure.what() << "\n";
    return command == "validate" || command == "visualize" || command == "cms" ? 1
           : command == "testlib" ? static_cast<int>(judge::TestlibVerdict::kFail)
                                  : judge::kBatchFailed;
  }
}

}  // namespace pelvano
