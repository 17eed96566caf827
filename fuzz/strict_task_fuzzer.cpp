// Fuzzes the task check of check-task --strict: a task file that passes the evaluator's checks
// is held to the strict form, which names a line or finds none; a file in the strict form
// must read as the same cases when written again in that form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "evaluation/evaluation.h"
#include "judge/strict_task.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pelvano::MemoryByteSource source(bytes);
  const pelvano::TaskReading reading = pelvano::readTask(source);
  if (reading.outcome.kind != pelvano::Outcome::Kind::kPassed) return 0;
  const std::string fault = pelvano::judge::strictFormFault(bytes, reading.task);
  if (!fault.empty() && !fault.starts_with("line ")) std::abort();
  if (!fault.empty()) return 0;
  // In the strict form: the file is exactly its cases written with single blanks.
  std::string written = "Tolvarustepnik\n" + std::to_string(reading.task.cases.size()) + "\n";
  for (const pelvano::TestCase& testCase : reading.task.cases) {
    written += "\n" + std::to_string(testCase.number) + " " + std::to_string(testCase.w) + " " +
               std::to_string(testCase.h) + " " + std::to_string(testCase.d) + "\n";
    for (std::int32_t row = 0; row < testCase.h; ++row) {
      for (std::int32_t column = 0; column < testCase.w; ++column) {
        written += (column > 0 ? " " : "") + std::to_string(testCase.populations.row(row)[column]);
      }
      written += "\n";
    }
  }
  if (written != bytes) std::abort();
  return 0;
}
