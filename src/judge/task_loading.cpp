#include "judge/task_loading.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "input/byte_source.h"

namespace pelvano::judge {

TaskReading loadTask(const std::string& path, std::ostream& err) {
  FileByteSource source(path);
  TaskReading reading = readTask(source);
  if (source.openError() != 0) {
    err << "pelvano-judge: the task file \"" << path
        << "\" cannot be read: " << std::strerror(source.openError()) << "\n";
    reading.outcome.kind = Outcome::Kind::kUnexpected;
  } else if (reading.outcome.kind != Outcome::Kind::kPassed) {
    Evaluation failed;
    failed.outcome = std::move(reading.outcome);
    const std::string report = reportText(failed);
    reading.outcome = std::move(failed.outcome);
    err << "pelvano-judge: the task file \"" << path
        << "\" fails its checks: " << std::string_view(report).substr(0, report.find('\n')) << "\n";
  }
  return reading;
}

}  // namespace pelvano::judge
