#include "judge/workbench.h"

#include "contest/best_of_runs.h"
#include "contest/bounded_text.h"
#include "contest/comparison.h"
#include "contest/points_rule.h"
#include "judge/batch.h"
#include "judge/submission_list.h"
#include "judge/task_loading.h"
#include "platform/byte_source.h"
#include "platform/paths.h"
#include "platform/staged_file.h"

namespace pelvano::judge {

int runCompare(const CompareOptions& options, std::ostream& out, std::ostream& err) {
  const TaskReading reading = loadTask(options.task, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kBatchFailed;
  const std::optional<contest::KnownBests> reference = loadReference(options.reference, err);
  if (!reference) return kBatchFailed;
  const SubmissionList list = listSubmissions(options.submissions);
  for (const std::string& warning : list.warnings)
    err << "pelvano-judge: " << warning << "\n";
  std::vector<contest::Run> runs;
  for (const SubmissionEntry& entry : list.entries) {
    FileByteSource source(textOf(entry.path));
    runs.push_back({entry.name, evaluateSubmission(reading.task, source)});
  }
  const contest::Comparison comparison = contest::compareRuns(
      reading.task.cases.size(), runs, *reference,
      options.pointsPerCase.value_or(contest::defaultPointsPerCase(reading.task.cases.size())));
  out << (options.csv ? contest::comparisonCsv(comparison) : contest::comparisonText(comparison));
  out.flush();
  return out ? kBatchJudged : kBatchFailed;
}

int runBest(const BestOptions& options, std::ostream& out, std::ostream& err) {
  const TaskReading reading = loadTask(options.task, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kBatchFailed;
  const SubmissionList list = listSubmissions(options.submissions);
  for (const std::string& warning : list.warnings)
    err << "pelvano-judge: " << warning << "\n";
  std::vector<WholeFile> wholes;
  wholes.reserve(list.entries.size());
  std::vector<contest::RunFile> files;
  for (const SubmissionEntry& entry : list.entries) {
    wholes.push_back(readWholeFile(textOf(entry.path)));
    files.push_back({entry.name, wholes.back().bytes, wholes.back().unreadable});
  }
  const contest::BestOfRuns best = contest::bestOfRuns(reading.task, files, options.contestant);
  for (const std::string& note : best.notes)
    err << "pelvano-judge: " << note << "\n";
  if (best.submission.empty()) {
    err << "pelvano-judge: no run passes every check; nothing is written\n";
    return kBatchFailed;
  }
  // The result must pass as it stands (a --contestant that fails line 1's check does not)
  // before it replaces anything.
  MemoryByteSource candidate(best.submission);
  const Evaluation check = evaluateSubmission(reading.task, candidate);
  if (check.outcome.kind != Outcome::Kind::kPassed) {
    err << "pelvano-judge: the best of the runs would fail: "
        << contest::boundedFirstLine(check.outcome, contest::kQuoteLimit)
        << "; nothing is written\n";
    return kBatchFailed;
  }
  if (const std::string failure = writeWholeFile(pathOf(options.out), {best.submission});
      !failure.empty()) {
    err << "pelvano-judge: " << failure << "\n";
    return kBatchFailed;
  }
  // Judged again as written, from the disk.
  FileByteSource written(options.out);
  const Evaluation again = evaluateSubmission(reading.task, written);
  out << reportText(again) << "\n" << contest::picksText(best);
  out.flush();
  return again.outcome.kind == Outcome::Kind::kPassed ? kBatchJudged : kBatchFailed;
}

}  // namespace pelvano::judge
