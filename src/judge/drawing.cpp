#include "judge/drawing.h"

#include <limits>
#include <vector>

#include "contest/bounded_text.h"
#include "contest/failure_hints.h"
#include "evaluation/evaluation.h"
#include "judge/output_run.h"
#include "judge/task_loading.h"
#include "pictures/block_picture.h"
#include "pictures/index_page.h"
#include "pictures/picture_words.h"
#include "pictures/submission_drawing.h"
#include "pictures/svg_elements.h"
#include "platform/paths.h"

namespace pelvano::judge {
namespace fs = std::filesystem;
using pictures::BlockPicture;
using pictures::IndexEntry;
namespace {

std::string pictureFileName(const BlockPicture& picture) {
  return "block-" + std::to_string(picture.block) + "-case-" + std::to_string(picture.caseNumber) +
         ".svg";
}

}  // namespace

int runDraw(const std::string& taskPath, const std::string& submissionPath, const fs::path& out,
            pictures::Language language, std::ostream& err) {
  const TaskReading reading = loadTask(taskPath, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kDrawFailed;
  OutputRun run(out);
  if (!run.ok()) {
    err << "pelvano-judge: " << run.failure() << "\n";
    return kDrawFailed;
  }

  int status = kDrawn;
  std::vector<IndexEntry> entries;
  const auto write = [&](const BlockPicture& picture) {
    const std::string file = pictureFileName(picture);
    if (!writeFileOrTell(run.stage(file), pictures::drawBlockPicture(picture, language), err)) {
      status = kDrawFailed;
    }
    entries.push_back({file, pictures::caption(picture, language), pictures::pictureWidth(picture),
                       pictures::pictureHeight(picture)});
  };
  contest::BlockPlaceWatcher watcher;
  // Read whole: the hints look at the bytes of the line a failure lies in.
  const WholeFile bytes = readWholeFile(submissionPath);
  MemoryByteSource submission(bytes.bytes);
  Evaluation evaluation =
      pictures::drawSubmission(reading.task, submission, write,
                               std::numeric_limits<std::int32_t>::max(), &watcher)
          .evaluation;
  if (!bytes.unreadable.empty()) {
    evaluation.outcome.kind = Outcome::Kind::kUnreadable;
    err << "pelvano-judge: the submission \"" << submissionPath << "\" " << bytes.unreadable
        << "\n";
    status = kDrawFailed;
  }
  std::vector<std::string> hints;
  for (const contest::Hint& hint :
       contest::failureHints(evaluation.outcome, bytes.bytes, watcher.place())) {
    hints.push_back(language == pictures::Language::kSlovene ? hint.slovene : hint.english);
  }
  const std::string page = pictures::indexPage(
      textOf(pathOf(submissionPath).filename()),
      contest::boundedReport(evaluation, contest::kJudgeMessageLimit), hints, entries, language);
  if (!writeFileOrTell(run.stage("index.html"), page, err)) status = kDrawFailed;
  if (!run.commit()) {
    err << "pelvano-judge: " << run.failure() << "\n";
    status = kDrawFailed;
  }
  return status;
}

int runVisualizer(const std::string& inputPath, ByteSource& submission, const fs::path& feedbackDir,
                  std::ostream& err) {
  std::string image;
  const TaskReading reading = loadTask(inputPath, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) {
    image = pictures::textImage(reading.outcome.kind == Outcome::Kind::kRejected
                                    ? "The task file fails its checks: nothing to draw."
                                    : "The task file cannot be read: nothing to draw.");
  } else {
    // The blocks' pictures one below the other, each an <svg> of its own.
    std::string tiles;
    std::int32_t width = 0;
    std::int32_t height = 0;
    const auto place = [&](const BlockPicture& picture) {
      tiles += pictures::blockPictureElement(picture, 0, height);
      width = std::max(width, pictures::pictureWidth(picture));
      height += pictures::pictureHeight(picture);
    };
    const Evaluation evaluation =
        pictures::drawSubmission(reading.task, submission, place).evaluation;
    image = height == 0 ? pictures::textImage(
                              "No block to draw. " +
                              contest::boundedFirstLine(evaluation.outcome, contest::kQuoteLimit))
                        : pictures::stackedImage(tiles, width, height);
  }
  return writeFileOrTell(feedbackDir / "teamimage.svg", image, err) ? 0 : 1;
}

}  // namespace pelvano::judge
