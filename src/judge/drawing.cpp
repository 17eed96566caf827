#include "judge/drawing.h"

#include <vector>

#include "contest/bounded_text.h"
#include "contest/failure_hints.h"
#include "evaluation/evaluation.h"
#include "judge/output_run.h"
#include "judge/task_loading.h"
#include "pictures/block_picture.h"
#include "pictures/index_page.h"
#include "pictures/markup_text.h"
#include "pictures/picture_collector.h"
#include "platform/paths.h"

namespace pelvano::judge {
namespace fs = std::filesystem;
using pictures::BlockPicture;
using pictures::IndexEntry;
using pictures::PictureCollector;
namespace {

std::string pictureFileName(const BlockPicture& picture) {
  return "block-" + std::to_string(picture.block) + "-case-" + std::to_string(picture.caseNumber) +
         ".svg";
}

// An image of a few lines of text, for a visualizer that has no blocks to show.
std::string textImage(const std::string& text) {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"720\" height=\"64\" "
      "font-family=\"sans-serif\">\n<rect width=\"720\" height=\"64\" fill=\"#ffffff\"/>\n"
      "<text x=\"16\" y=\"36\" font-size=\"14\">";
  pictures::appendMarkupText(svg, text);
  return svg + "</text>\n</svg>\n";
}

}  // namespace

int runDraw(const std::string& taskPath, const std::string& submissionPath, const fs::path& out,
            std::ostream& err) {
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
    if (!writeFileOrTell(run.stage(file), pictures::drawBlockPicture(picture), err)) {
      status = kDrawFailed;
    }
    entries.push_back({file, pictures::caption(picture), pictures::pictureWidth(picture),
                       pictures::pictureHeight(picture)});
  };
  PictureCollector collector(write);
  contest::BlockPlaceWatcher watcher;
  ObserverPair observers(collector, watcher);
  // Read whole: the hints look at the bytes of the line a failure lies in.
  const WholeFile bytes = readWholeFile(submissionPath);
  MemoryByteSource submission(bytes.bytes);
  Evaluation evaluation = evaluateSubmission(reading.task, submission, &observers);
  if (const std::optional<BlockPicture> failed = collector.failedBlock(evaluation)) write(*failed);
  if (!bytes.unreadable.empty()) {
    evaluation.outcome.kind = Outcome::Kind::kUnreadable;
    err << "pelvano-judge: the submission \"" << submissionPath << "\" " << bytes.unreadable
        << "\n";
    status = kDrawFailed;
  }
  std::vector<std::string> hints;
  for (const contest::Hint& hint :
       contest::failureHints(evaluation.outcome, bytes.bytes, watcher.place())) {
    hints.push_back(hint.english);
  }
  const std::string page = pictures::indexPage(
      textOf(pathOf(submissionPath).filename()),
      contest::boundedReport(evaluation, contest::kJudgeMessageLimit), hints, entries);
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
    image = textImage(reading.outcome.kind == Outcome::Kind::kRejected
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
    PictureCollector collector(place);
    const Evaluation evaluation = evaluateSubmission(reading.task, submission, &collector);
    if (const std::optional<BlockPicture> failed = collector.failedBlock(evaluation))
      place(*failed);
    if (height == 0) {
      image = textImage("No block to draw. " +
                        contest::boundedFirstLine(evaluation.outcome, contest::kQuoteLimit));
    } else {
      image =
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
          std::to_string(width) + "\" height=\"" + std::to_string(height) + "\">\n" + tiles +
          "</svg>\n";
    }
  }
  return writeFileOrTell(feedbackDir / "teamimage.svg", image, err) ? 0 : 1;
}

}  // namespace pelvano::judge
