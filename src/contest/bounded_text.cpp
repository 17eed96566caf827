#include "contest/bounded_text.h"

#include <algorithm>
#include <cstring>

namespace pelvano::contest {
namespace {

// The report's failure tail and the margin the marker and the message's words need within a
// bounded report; no message's own words come near it.
constexpr std::size_t kWordsRoom = 1024;

std::string cutMarker(std::size_t shown, std::size_t whole) {
  return " [quoted text cut: " + std::to_string(shown) + " of " + std::to_string(whole) +
         " bytes shown]";
}

}  // namespace

std::string boundedMessage(const EAssertion& failure, std::size_t limit) {
  const std::string& message = failure.message;
  // The message as the report prints it: up to a NUL byte of quoted input.
  const std::size_t shown = std::strlen(message.c_str());
  if (failure.quoteAt == std::string::npos || failure.quoteAt > shown) {
    return message.substr(0, shown);
  }
  // The quoted text runs to the closing quote that ends the message, or to the NUL.
  const std::size_t textEnd = shown == message.size() ? shown - 1 : shown;
  const std::size_t textLength = textEnd - failure.quoteAt;
  if (textLength <= limit) return message.substr(0, shown);
  return message.substr(0, failure.quoteAt + limit) + "...\"" + cutMarker(limit, textLength);
}

std::string boundedFirstLine(const Outcome& outcome, std::size_t limit) {
  if (!outcome.showsFailure()) return firstReportLine(outcome);
  return failureHead(outcome.failure) + boundedMessage(outcome.failure, limit);
}

std::string boundedReport(const Evaluation& evaluation, std::size_t limit) {
  const ReportPieces pieces = reportPieces(evaluation);
  const std::size_t whole = pieces.head.size() + pieces.message.size() + pieces.tail.size();
  if (whole <= limit) return pieces.head + std::string(pieces.message) + std::string(pieces.tail);
  if (evaluation.outcome.showsFailure()) {
    const std::size_t quoteLimit = limit > kWordsRoom ? limit - kWordsRoom : 0;
    return boundedFirstLine(evaluation.outcome, quoteLimit) + std::string(pieces.tail);
  }
  // A success report of many blocks: its first lines, cut at a line's end.
  const std::string marker = "[report cut: the first lines shown; the whole report has " +
                             std::to_string(whole) + " bytes]\n";
  const std::size_t room = limit > marker.size() ? limit - marker.size() : 0;
  const std::size_t lineEnd = pieces.head.rfind('\n', room == 0 ? 0 : room - 1);
  const std::size_t kept = lineEnd == std::string::npos ? 0 : lineEnd + 1;
  return pieces.head.substr(0, kept) + marker;
}

}  // namespace pelvano::contest
