#include "contest/best_of_runs.h"

#include "contest/bounded_text.h"
#include "contest/file_lines.h"
#include "task/arrangement.h"
#include "task/limits.h"

namespace pelvano::contest {
namespace {

// Every block of a run as it is judged: its case, its first line, its rows and its spread.
class BlockLines final : public BlockObserver {
 public:
  struct Block {
    std::int32_t caseNumber;
    std::int64_t firstLine;
    std::int32_t rows;
    std::int32_t spread;
  };
  void blockRead(Arrangement& arrangement) override {
    blocks.push_back({arrangement.caseNumber, arrangement.firstLine, arrangement.h, 0});
  }
  void blockScored(std::int32_t score) override { blocks.back().spread = score; }
  void gridFailed(Arrangement&) override {}

  std::vector<Block> blocks;
};

}  // namespace

BestOfRuns bestOfRuns(const Task& task, const std::vector<RunFile>& files,
                      const std::optional<std::string>& contestant) {
  BestOfRuns best;
  std::vector<std::optional<BestOfRuns::Pick>> picks(task.cases.size());
  std::vector<std::vector<BlockLines::Block>> blocksOfRuns;
  for (std::size_t r = 0; r < files.size(); ++r) {
    const RunFile& file = files[r];
    MemoryByteSource source(file.bytes);
    BlockLines lines;
    Run run{file.name, evaluateSubmission(task, source, &lines)};
    if (!file.unreadable.empty()) {
      run.evaluation.outcome.kind = Outcome::Kind::kUnreadable;
      run.evaluation.outcome.reason = file.unreadable;
    }
    const Outcome& outcome = run.evaluation.outcome;
    if (outcome.kind != Outcome::Kind::kPassed) {
      best.notes.push_back(
          file.name + " is left out: " +
          (file.unreadable.empty() ? boundedFirstLine(outcome, kQuoteLimit) : file.unreadable));
    } else {
      for (std::size_t k = 0; k < lines.blocks.size(); ++k) {
        const BlockLines::Block& block = lines.blocks[k];
        auto& pick = picks[static_cast<std::size_t>(block.caseNumber - 1)];
        if (!pick || block.spread < pick->spread) {
          pick = BestOfRuns::Pick{block.caseNumber, block.spread, r, k + 1, block.firstLine};
        }
      }
    }
    blocksOfRuns.push_back(std::move(lines.blocks));
    best.runs.push_back(std::move(run));
  }

  // Line 1: as asked, else the first passing run's; a passing run with another is named.
  std::optional<std::string> line1 = contestant;
  for (const Run& run : best.runs) {
    if (run.evaluation.outcome.kind != Outcome::Kind::kPassed) continue;
    if (!line1) line1 = run.evaluation.contestant;
    if (run.evaluation.contestant != *line1) {
      best.notes.push_back(run.name + "'s line 1 is \"" + run.evaluation.contestant + "\", not \"" +
                           *line1 + "\"");
    }
  }
  if (!line1) return best;
  best.submission = *line1 + "\n" + std::string(kTaskName) + "\n";
  for (const auto& pick : picks) {
    if (!pick) continue;
    const BlockLines::Block& block = blocksOfRuns[pick->run][pick->block - 1];
    // The block's lines as the run wrote them; a file's last line gets the LF it lacked.
    best.submission +=
        fileLines(files[pick->run].bytes, block.firstLine, block.firstLine + block.rows)
            .value_or("");
    if (!best.submission.ends_with('\n')) best.submission += '\n';
    best.picks.push_back(*pick);
  }
  return best;
}

std::string picksText(const BestOfRuns& best) {
  std::string text;
  for (const BestOfRuns::Pick& pick : best.picks) {
    text += "case " + std::to_string(pick.caseNumber) + ": spread " + std::to_string(pick.spread) +
            " from " + best.runs[pick.run].name + ", block " + std::to_string(pick.block) +
            ", line " + std::to_string(pick.firstLine) + "\n";
  }
  return text;
}

}  // namespace pelvano::contest
