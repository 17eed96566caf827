#include "judge/batch.h"

#include <exception>
#include <thread>

#include "contest/bounded_text.h"
#include "contest/csv.h"
#include "evaluation/evaluation.h"
#include "judge/judging_window.h"
#include "judge/output_run.h"
#include "judge/progress_line.h"
#include "judge/standings.h"
#include "judge/submission_list.h"
#include "judge/task_loading.h"
#include "judge/verdict.h"
#include "platform/byte_source.h"
#include "platform/paths.h"
#include "platform/staged_file.h"

namespace pelvano::judge {
namespace fs = std::filesystem;
namespace {

Evaluation judgeOne(const Task& task, const fs::path& path) {
  FileByteSource source(textOf(path));
  return evaluateSubmission(task, source);
}

// The two tables, each staged until the run is complete.
class Tables {
 public:
  explicit Tables(OutputRun& run)
      : summary_(run.stage("summary.csv")), scores_(run.stage("scores.csv")) {
    contest::appendCsvRecord(
        text_, {"submission", "path", "contestant", "verdict", "code", "message", "blocks"});
    summary_.append(text_);
    text_.clear();
    contest::appendCsvRecord(text_, {"submission", "block", "case", "spread"});
    scores_.append(text_);
  }

  void add(const SubmissionEntry& entry, const Evaluation& evaluation) {
    const Outcome& outcome = evaluation.outcome;
    const bool rejected = outcome.kind == Outcome::Kind::kRejected;
    const std::string code = rejected ? std::to_string(outcome.failure.code) : "";
    // The message as the report shows it, its quoted text cut to a field's size.
    const std::string message = rejected
                                    ? contest::boundedMessage(outcome.failure, contest::kQuoteLimit)
                                    : judgeErrorReason(outcome);
    text_.clear();
    contest::appendCsvRecord(text_, {entry.name, textOf(entry.path), evaluation.contestant,
                                     std::string(verdictWord(outcome.kind)), code, message,
                                     std::to_string(evaluation.results.size())});
    summary_.append(text_);
    text_.clear();
    std::size_t block = 0;
    for (const CaseResult& result : evaluation.results) {
      contest::appendCsvRecord(
          text_, {entry.name, std::to_string(++block), std::to_string(result.caseNumber),
                  std::to_string(result.score)});
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
  std::size_t ok = 0;
  std::size_t rejected = 0;
  std::size_t errors = 0;

  void add(Outcome::Kind kind) {
    const std::string_view word = verdictWord(kind);
    ++(word == "ok" ? ok : word == "rejected" ? rejected : errors);
  }
  std::string line() const {
    return "pelvano-judge: " + std::to_string(ok + rejected + errors) +
           " judged: " + std::to_string(ok) + " ok, " + std::to_string(rejected) + " rejected, " +
           std::to_string(errors) + (errors == 1 ? " error" : " errors") + "\n";
  }
};

void judgeInParallel(const Task& task, const std::vector<SubmissionEntry>& entries,
                     JudgingWindow<Evaluation>& window, unsigned jobs,
                     std::vector<std::thread>& workers) {
  for (unsigned job = 0; job < jobs; ++job) {
    workers.emplace_back([&] {
      while (const std::optional<std::size_t> index = window.take()) {
        window.finish(*index, judgeOne(task, entries[*index].path));
      }
    });
  }
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

  const std::optional<contest::KnownBests> reference = loadReference(options.reference, err);
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
    JudgingWindow<Evaluation> window(entries.size(), std::size_t{4} * options.jobs);
    std::vector<std::thread> workers;
    judgeInParallel(reading.task, entries, window, options.jobs, workers);
    ProgressLine progress(err, entries.size(), options.progress);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Evaluation judged = window.collect(i);
      if (!writeReport(run, entries[i], judged, err)) status = kBatchFailed;
      if (const std::string reason = judgeErrorReason(judged.outcome); !reason.empty()) {
        progress.finish();
        err << "pelvano-judge: \"" << textOf(entries[i].path)
            << "\" could not be judged: " << reason << "\n";
        status = kBatchFailed;
      }
      tally.add(judged.outcome.kind);
      tables.add(entries[i], judged);
      if (options.standings) {
        standings.add(entries[i].name, judged.contestant, judged.outcome.kind,
                      contest::lowestSpreads(judged.results));
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
