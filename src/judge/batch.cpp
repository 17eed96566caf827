#include "judge/batch.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <thread>

#include "evaluation/evaluation.h"
#include "judge/bounded_text.h"
#include "judge/csv.h"
#include "judge/judging_window.h"
#include "judge/output_run.h"
#include "judge/progress_line.h"
#include "judge/standings.h"
#include "judge/submission_list.h"
#include "judge/task_loading.h"
#include "platform/byte_source.h"
#include "platform/paths.h"
#include "platform/staged_file.h"

namespace pelvano::judge {
namespace fs = std::filesystem;
namespace {

// One submission's outcome, with why it could not be judged, if it could not.
struct Judged {
  Evaluation evaluation;
  std::string error;  // empty unless the verdict is `error`
};

Judged judgeOne(const Task& task, const fs::path& path) {
  FileByteSource source(textOf(path));
  Judged judged{evaluateSubmission(task, source), {}};
  if (source.openError() != 0) {
    judged.error = source.openFailure();
  } else if (judged.evaluation.outcome.kind == Outcome::Kind::kUnexpected) {
    judged.error = "unexpected failure: " + judged.evaluation.outcome.reason;
  }
  return judged;
}

enum class Verdict { kOk, kRejected, kError };
constexpr const char* kVerdictWords[] = {"ok", "rejected", "error"};

Verdict verdictOf(const Judged& judged) {
  if (!judged.error.empty()) return Verdict::kError;
  return judged.evaluation.outcome.kind == Outcome::Kind::kRejected ? Verdict::kRejected
                                                                    : Verdict::kOk;
}

// The two tables, each staged until the run is complete.
class Tables {
 public:
  explicit Tables(OutputRun& run)
      : summary_(run.stage("summary.csv")), scores_(run.stage("scores.csv")) {
    appendCsvRecord(text_,
                    {"submission", "path", "contestant", "verdict", "code", "message", "blocks"});
    summary_.append(text_);
    text_.clear();
    appendCsvRecord(text_, {"submission", "block", "case", "spread"});
    scores_.append(text_);
  }

  void add(const SubmissionEntry& entry, const Judged& judged) {
    const Evaluation& evaluation = judged.evaluation;
    const Verdict verdict = verdictOf(judged);
    const bool rejected = verdict == Verdict::kRejected;
    const std::string code = rejected ? std::to_string(evaluation.outcome.failure.code) : "";
    // The message as the report shows it, its quoted text cut to a field's size.
    const std::string message = verdict == Verdict::kError ? judged.error
                                : rejected ? boundedMessage(evaluation.outcome.failure, kQuoteLimit)
                                           : std::string();
    text_.clear();
    appendCsvRecord(text_, {entry.name, textOf(entry.path), evaluation.contestant,
                            kVerdictWords[static_cast<int>(verdict)], code, message,
                            std::to_string(evaluation.results.size())});
    summary_.append(text_);
    text_.clear();
    std::size_t block = 0;
    for (const CaseResult& result : evaluation.results) {
      appendCsvRecord(text_, {entry.name, std::to_string(++block),
                              std::to_string(result.caseNumber), std::to_string(result.score)});
    }
    scores_.append(text_);
  }

  // Completes both tables in the staging folder; what went wrong, or an empty string.
  std::string commit() {
    for (StagedFile* table : {&summary_, &scores_}) {
      if (!table->commit()) return table->failure();
    }
    return {};
  }

 private:
  StagedFile summary_;
  StagedFile scores_;
  std::string text_;
};

// How many submissions got each verdict.
struct Tally {
  std::size_t counts[3] = {0, 0, 0};

  void add(Verdict verdict) { ++counts[static_cast<int>(verdict)]; }
  std::string line() const {
    const std::size_t judged = counts[0] + counts[1] + counts[2];
    return "pelvano-judge: " + std::to_string(judged) + " judged: " + std::to_string(counts[0]) +
           " ok, " + std::to_string(counts[1]) + " rejected, " + std::to_string(counts[2]) +
           (counts[2] == 1 ? " error" : " errors") + "\n";
  }
};

void judgeInParallel(const Task& task, const std::vector<SubmissionEntry>& entries,
                     JudgingWindow<Judged>& window, unsigned jobs,
                     std::vector<std::thread>& workers) {
  for (unsigned job = 0; job < jobs; ++job) {
    workers.emplace_back([&] {
      while (const std::optional<std::size_t> index = window.take()) {
        window.finish(*index, judgeOne(task, entries[*index].path));
      }
    });
  }
}

// The bests of `options.reference`, if one is named; nothing, after a message on `err`, when
// it cannot be read or is no table of bests.
std::optional<KnownBests> readReference(const BatchOptions& options, std::ostream& err) {
  if (options.reference.empty()) return KnownBests{};
  std::ifstream file(pathOf(options.reference), std::ios::binary);
  const std::string table{std::istreambuf_iterator<char>(file), {}};
  std::string error = file.bad() || !file.is_open() ? "cannot be read" : "";
  std::optional<KnownBests> bests;
  if (error.empty()) bests = parseKnownBests(table, error);
  if (!bests) {
    err << "pelvano-judge: the reference \"" << options.reference << "\" "
        << (error == "cannot be read" ? error : "is no table of bests: " + error) << "\n";
  }
  return bests;
}

bool writeStandings(OutputRun& run, const Standings& standings, std::ostream& err) {
  const Standings::Files files = standings.write();
  for (const auto& [name, text] : {std::pair{"best.csv", &files.best},
                                   {"points.csv", &files.points},
                                   {"standings.csv", &files.standings},
                                   {"standings.html", &files.page}}) {
    if (!writeFileOrTell(run.stage(name), *text, err)) return false;
  }
  return true;
}

bool writeReport(OutputRun& run, const SubmissionEntry& entry, const Evaluation& evaluation,
                 std::ostream& err) {
  // Written from its pieces: a message quoting a huge line is not copied again.
  const ReportPieces pieces = reportPieces(evaluation);
  const std::string failure = writeWholeFile(run.stage("reports/" + entry.name + ".txt"),
                                             {pieces.head, pieces.message, pieces.tail});
  if (!failure.empty()) err << "pelvano-judge: " << failure << "\n";
  return failure.empty();
}

}  // namespace

int runBatch(const BatchOptions& options, std::ostream& err) {
  const TaskReading reading = loadTask(options.task, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kBatchFailed;

  const std::optional<KnownBests> reference = readReference(options, err);
  if (!reference) return kBatchFailed;
  const auto caseCount = static_cast<std::int32_t>(reading.task.cases.size());
  Standings standings({caseCount, options.pointsPerCase.value_or(100.0 / caseCount), *reference,
                       options.byContestant});

  const SubmissionList list = listSubmissions(options.submissions);
  for (const std::string& warning : list.warnings)
    err << "pelvano-judge: warning: " << warning << "\n";
  const std::vector<SubmissionEntry>& entries = list.entries;

  OutputRun run(options.out);
  run.addFolder("reports");
  if (!run.ok()) {
    err << "pelvano-judge: " << run.failure() << "\n";
    return kBatchFailed;
  }
  Tables tables(run);
  Tally tally;
  int status = kBatchJudged;
  {
    // Finished submissions wait for their turn in a window a few times the threads' number,
    // so memory does not grow with the count of submissions.
    JudgingWindow<Judged> window(entries.size(), std::size_t{4} * options.jobs);
    std::vector<std::thread> workers;
    judgeInParallel(reading.task, entries, window, options.jobs, workers);
    ProgressLine progress(err, entries.size(), options.progress);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Judged judged = window.collect(i);
      if (!writeReport(run, entries[i], judged.evaluation, err)) status = kBatchFailed;
      if (!judged.error.empty()) {
        progress.finish();
        err << "pelvano-judge: \"" << textOf(entries[i].path)
            << "\" could not be judged: " << judged.error << "\n";
        status = kBatchFailed;
      }
      const Verdict verdict = verdictOf(judged);
      tally.add(verdict);
      tables.add(entries[i], judged);
      if (options.standings) {
        standings.add(entries[i].name, judged.evaluation.contestant,
                      kVerdictWords[static_cast<int>(verdict)],
                      verdict == Verdict::kOk ? lowestSpreads(judged.evaluation.results)
                                              : std::vector<CaseSpread>());
      }
      progress.update(i + 1);
    }
    progress.finish();
    for (std::thread& worker : workers)
      worker.join();
  }
  if (options.standings && !writeStandings(run, standings, err)) status = kBatchFailed;
  std::string failure = tables.commit();
  if (failure.empty() && !run.commit()) failure = run.failure();
  if (!failure.empty()) {
    err << "pelvano-judge: " << failure << "\n";
    status = kBatchFailed;
  }
  if (options.tally) err << tally.line();
  return status;
}

}  // namespace pelvano::judge
