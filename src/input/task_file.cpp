#include "input/task_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "check_failure.h"
#include "input/leading_integer.h"

namespace pelvano {

Task readTaskFile(LineSource& file) {
  std::string name;
  if (!file.readLine(name)) failCheck(195, "manjka prva vrstica z imenom naloge");
  if (name != kTaskName) {
    failCheck(196, quotedAfter("v prvi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa ",
                               std::move(name)));
  }

  std::string countLine;
  if (!file.readLine(countLine)) failCheck(199, "manjka druga vrstica s stevilom testnih primerov");
  const std::optional<std::int32_t> count = parseLeadingInteger(countLine);
  if (!count || *count < 1) {
    failCheck(201, quotedAfter("v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa ",
                               std::move(countLine)));
  }

  // The count comes from the file, so nothing is reserved by it: the list grows as the
  // cases are actually read.
  Task task;
  LineCounter lastLineRead = 2;
  for (std::int64_t i = 1; i <= *count; ++i) {
    const LineCounter lineBeforeCase = lastLineRead;
    TestCase testCase;
    testCase.readTestCase(file, lastLineRead, task.cells);
    if (testCase.number != i) {
      failCheck(207, "v vrsticah " + decimal(lineBeforeCase) + ".." + decimal(lastLineRead) +
                         " bi moral biti testni primer stevilka " + decimal(i) + ", ne pa " +
                         decimal(testCase.number));
    }
    task.cases.push_back(testCase);
  }
  task.byNumber.reserve(task.cases.size());
  for (const TestCase& testCase : task.cases)
    task.byNumber.push_back(&testCase);
  return task;
}

}  // namespace pelvano
