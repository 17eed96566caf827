#include "judge/task_loading.h"

#include "contest/bounded_text.h"
#include "platform/byte_source.h"

namespace pelvano::judge {

TaskReading loadTask(const std::string& path, std::string& reason) {
  FileByteSource source(path);
  TaskReading reading = readTask(source);
  if (reading.outcome.kind == Outcome::Kind::kUnreadable) {
    reason = "the task file \"" + path + "\" " + reading.outcome.reason;
  } else if (reading.outcome.kind != Outcome::Kind::kPassed) {
    reason = "the task file \"" + path + "\" fails its checks: " +
             contest::boundedFirstLine(reading.outcome, contest::kQuoteLimit);
  }
  return reading;
}

TaskReading loadTask(const std::string& path, std::ostream& err) {
  std::string reason;
  TaskReading reading = loadTask(path, reason);
  if (!reason.empty()) err << "pelvano-judge: " << reason << "\n";
  return reading;
}

std::optional<contest::KnownBests> loadReference(const std::string& path, std::ostream& err) {
  if (path.empty()) return contest::KnownBests{};
  const WholeFile file = readWholeFile(path);
  std::string error;
  std::optional<contest::KnownBests> bests;
  if (file.unreadable.empty()) bests = contest::parseKnownBests(file.bytes, error);
  if (!bests) {
    err << "pelvano-judge: the reference \"" << path << "\" "
        << (file.unreadable.empty() ? "is no table of bests: " + error : file.unreadable) << "\n";
  }
  return bests;
}

}  // namespace pelvano::judge
