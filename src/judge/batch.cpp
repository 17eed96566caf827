#include "judge/batch.h"

#include <cstring>
#include <exception>
#include <thread>

#include "evaluation.h"
#include "input/byte_source.h"
#include "judge/csv.h"
#include "judge/judging_window.h"
#include "judge/progress_line.h"
#include "judge/staged_file.h"
#include "judge/submission_list.h"
#include "judge/task_loading.h"

namespace pelvano::judge {
namespace fs = std::filesystem;
namespace {

// One submission's outcome, with why it could not be judged, if it could not.
struct Judged {
  Evaluation evaluation;
  std::string error;  // empty unless the verdict is `error`
};

Judged judgeOne(const Task& task, const fs::path& path) {
  FileByteSource source(path.string());
  Judged judged{evaluateSubmission(task, source), {}};
  if (source.openError() != 0) {
    judged.error = std::string("cannot be read: ") + std::strerror(source.openError());
  } else if (judged.evaluation.outcome.kind == Outcome::Kind::kUnexpected) {
    judged.error = "unexpected failure: " + judged.evaluation.outcome.reason;
  }
  return judged;
}

// The two tables, each staged in DIR until complete.
class Tables {
 public:
  explicit Tables(const fs::path& out)
      : summary_(out / "summary.csv"), scores_(out / "scores.csv") {
    appendCsvRecord(text_, {"submission", "contestant", "verdict", "code", "message", "blocks"});
    summary_.append(text_);
    text_.clear();
    appendCsvRecord(text_, {"submission", "block", "case", "spread"});
    scores_.append(text_);
  }

  void add(const std::string& name, const Judged& judged) {
    const Evaluation& evaluation = judged.evaluation;
    const bool rejected =
        judged.error.empty() && evaluation.outcome.kind == Outcome::Kind::kRejected;
    const char* verdict = !judged.error.empty() ? "error" : rejected ? "rejected" : "ok";
    const std::string code = rejected ? std::to_string(evaluation.outcome.failure.code) : "";
    // The message as the report shows it: a NUL byte of quoted input ends it there.
    const std::string_view message =
        !judged.error.empty() ? std::string_view(judged.error)
        : rejected            ? std::string_view(evaluation.outcome.failure.message.c_str())
                              : std::string_view();
    text_.clear();
    appendCsvRecord(text_, {name, evaluation.contestant, verdict, code, message,
                            std::to_string(evaluation.results.size())});
    summary_.append(text_);
    text_.clear();
    std::size_t block = 0;
    for (const CaseResult& result : evaluation.results) {
      appendCsvRecord(text_, {name, std::to_string(++block), std::to_string(result.caseNumber),
                              std::to_string(result.score)});
    }
    scores_.append(text_);
  }

  // Moves both tables to their places; what went wrong, or an empty string.
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

}  // namespace

int runBatch(const BatchOptions& options, std::ostream& err) {
  const TaskReading reading = loadTask(options.task, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kBatchFailed;

  const fs::path reports = options.out / "reports";
  std::error_code error;
  fs::create_directories(reports, error);
  if (error) {
    err << "pelvano-judge: cannot create \"" << reports.string() << "\": " << error.message()
        << "\n";
    return kBatchFailed;
  }

  const std::vector<SubmissionEntry> entries = listSubmissions(options.submissions);
  Tables tables(options.out);
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
      if (!writeWholeFile(reports / (entries[i].name + ".txt"), reportText(judged.evaluation),
                          err)) {
        status = kBatchFailed;
      }
      if (!judged.error.empty()) status = kBatchFailed;
      tables.add(entries[i].name, judged);
      progress.update(i + 1);
    }
    progress.finish();
    for (std::thread& worker : workers)
      worker.join();
  }
  if (const std::string failure = tables.commit(); !failure.empty()) {
    err << "pelvano-judge: " << failure << "\n";
    status = kBatchFailed;
  }
  return status;
}

}  // namespace pelvano::judge
