#include "judge/task_loading.h"

#include "judge/bounded_text.h"
#include "platform/byte_source.h"

namespace pelvano::judge {

TaskReading loadTask(const std::string& path, std::ostream& err) {
  FileByteSource source(path);
  TaskReading reading = readTask(source);
  if (source.openError() != 0) {
    err << "pelvano-judge: the task file \"" << path << "\" " << source.openFailure() << "\n";
    reading.outcome.kind = Outcome::Kind::kUnexpected;
  } else if (reading.outcome.kind != Outcome::Kind::kPassed) {
    err << "pelvano-judge: the task file \"" << path
        << "\" fails its checks: " << boundedFirstLine(reading.outcome, kQuoteLimit) << "\n";
  }
  return reading;
}

}  // namespace pelvano::judge
