#include "input/submission_file.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "check_failure.h"
#include "input/block_line.h"
#include "input/leading_integer.h"

namespace pelvano {

std::string SubmissionReader::readContestant() {
  // Only a line of exactly six bytes is looked at further, so no more is kept.
  const std::optional<std::size_t> length = file_.readLineHead(text_, 7);
  if (!length) failCheck(215, "manjka stevilka tekmovalca");
  if (*length != 6) failCheck(216, "stevilka tekmovalca bi morala imeti 6 stevk");
  if (!parseLeadingInteger(text_)) {
    failCheck(218, quotedAfter("v prvi vrstici bi morala biti stevilka tekmovalca, ne pa ",
                               std::move(text_)));
  }
  return text_;
}

void SubmissionReader::readTaskName() {
  if (!file_.readLine(text_)) failCheck(219, "manjka druga vrstica");
  if (text_ != kTaskName) {
    failCheck(220, quotedAfter("v drugi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa ",
                               std::move(text_)));
  }
}

std::optional<BlockStart> SubmissionReader::readAnyBlockStart() {
  BlockLine first = readAnyBlockLine(file_, text_);
  for (; first.kind == BlockLine::Kind::kEmpty; first = readBlockLine(file_, text_))
    ++nextLine_;
  if (first.kind == BlockLine::Kind::kEnd) return std::nullopt;
  if (first.kind == BlockLine::Kind::kNoNumber) {
    failCheck(228, quotedAfter("v " + decimal(nextLine_) +
                                   ". vrstici bi morala biti stevilka testnega primera, ne pa ",
                               std::move(text_)));
  }
  return startOfCase(first.number);
}

void SubmissionReader::failInvalidCaseNumber(LineCounter line, std::int32_t number) {
  failCheck(230, "v " + decimal(line) + ". vrstici se pojavlja neveljavna stevilka testnega " +
                     "primera: " + decimal(number));
}

void SubmissionReader::readBlockGrid(const BlockStart& start, Arrangement& arrangement) {
  arrangement.readArrangement(file_, nextLine_, start.caseNumber, *start.testCase);
}

}  // namespace pelvano
