// Reads and checks the submission, one block at a time: the one place of its grammar, its
// checks, their codes and their words.
//
//   submission = contestant line, task name line, blocks
//   block      = empty lines, block line (a case number), h label rows
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fast/plain_line.h"
#include "platform/line_source.h"
#include "task/arrangement.h"
#include "task/check_failure.h"
#include "task/test_case.h"

namespace pelvano {

// A block's first line, checked: the case number written there and the case it names.
struct BlockStart {
  std::int32_t caseNumber;
  const TestCase* testCase;
};

class SubmissionReader {
 public:
  // `cases` holds the task's case k at position k - 1; they must outlive the reader.
  SubmissionReader(LineSource& file, const std::vector<TestCase>& cases)
      : file_(file), cases_(cases.data()), caseCount_(cases.size()) {}

  // Checks line 1, the contestant number, and returns it.
  std::string readContestant();
  // Checks line 2, the task's name.
  void readTaskName();

  // Reads the next block's first line, skipping empty lines before it, and finds the case it
  // names; nothing when the file has ended.
  std::optional<BlockStart> readBlockStart() {
    // The usual block line, a short number alone, is read here; any other by the full reader.
    std::int32_t number;
    if (!readPlainNumbers(file_, &number, 1)) return readAnyBlockStart();
    return startOfCase(number);
  }
  // Reads that block's label grid into `arrangement`.
  void readBlockGrid(const BlockStart& start, Arrangement& arrangement);

 private:
  std::optional<BlockStart> readAnyBlockStart();
  // The case that a block line numbered `number`, which has been read, names.
  BlockStart startOfCase(std::int32_t number) {
    // Case k stands at position k - 1, so the case is found by index, not by a search.
    if (number < 1 || static_cast<std::size_t>(number) > caseCount_) {
      failInvalidCaseNumber(nextLine_, number);
    }
    ++nextLine_;
    return BlockStart{number, cases_ + (number - 1)};
  }
  [[noreturn]] static void failInvalidCaseNumber(LineCounter line, std::int32_t number);

  LineSource& file_;
  const TestCase* cases_;  // the cases' own, kept here: one load a block, not two
  std::size_t caseCount_;
  LineCounter nextLine_ = 3;  // the number of the next line to be read
  std::string text_;
};

// Binds `arrangement` to `boundCase`, numbered `number` in the block line, and reads its h
// label rows. `nextLine` is the number of the next line to be read and advances past each
// row.
void readArrangement(LineSource& file, LineCounter& nextLine, std::int32_t number,
                     const TestCase& boundCase, Arrangement& arrangement);

}  // namespace pelvano
