#include "judge/testlib_checker.h"

#include <cstdio>
#include <sstream>
#include <string_view>

#include "contest/bounded_text.h"
#include "judge/jury_check.h"
#include "judge/output_run.h"
#include "platform/paths.h"

namespace pelvano::judge {
namespace {

// The library cuts a longer message to this many bytes, a warning first.
constexpr std::size_t kMaxMessageLength = 32000;

// How the library names a verdict: before its message on standard error, and as the XML
// result's outcome.
struct VerdictWords {
  TestlibVerdict verdict;
  std::string_view shown;
  std::string_view outcome;
};
constexpr VerdictWords kVerdictWords[] = {
    {TestlibVerdict::kAccepted, "ok ", "accepted"},
    {TestlibVerdict::kWrongAnswer, "wrong answer ", "wrong-answer"},
    {TestlibVerdict::kPresentationError, "wrong output format ", "presentation-error"},
    {TestlibVerdict::kFail, "FAIL ", "fail"},
    {TestlibVerdict::kPoints, "points ", "points"},
};

const VerdictWords& wordsOf(TestlibVerdict verdict) {
  for (const VerdictWords& words : kVerdictWords) {
    if (words.verdict == verdict) return words;
  }
  return kVerdictWords[3];  // fail
}

// The library's message as it shows it: blanks, tabs, CRs and LFs trimmed at both ends; a
// message longer than the limit cut with a warning; its bracket bytes 11 and 17, when there
// is exactly one of each and in that order, shown as ( and ).
std::string shownMessage(const std::string& message) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t first = 0;
  std::size_t last = message.size();
  while (first < last && blank(message[first]))
    ++first;
  while (last > first && blank(message[last - 1]))
    --last;
  std::string shown = message.substr(first, last - first);
  if (shown.size() > kMaxMessageLength) {
    const std::string warning = "message length exceeds " + std::to_string(kMaxMessageLength) +
                                ", the message is truncated: ";
    shown = warning + shown.substr(0, kMaxMessageLength - warning.size());
  }
  const std::size_t open = shown.find('\x0b');
  const std::size_t close = shown.find('\x11');
  if (open != std::string::npos && close != std::string::npos && open < close &&
      shown.find('\x0b', open + 1) == std::string::npos &&
      shown.find('\x11', close + 1) == std::string::npos) {
    shown[open] = '(';
    shown[close] = ')';
  }
  return shown;
}

// Points as the library writes them: ten decimals, trailing zeros dropped but one.
std::string testlibPoints(double points) {
  char text[64];
  std::snprintf(text, sizeof text, "%.10f", points);
  std::string value = text;
  while (value.ends_with('0'))
    value.pop_back();
  if (value.ends_with('.')) value += '0';
  return value;
}

std::string xmlResult(TestlibVerdict verdict, const std::string& shown,
                      std::optional<double> points) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?><result outcome = \"";
  xml += wordsOf(verdict).outcome;
  xml += verdict == TestlibVerdict::kPoints ? "\" points = \"" + testlibPoints(*points) + "\">"
                                            : std::string("\">");
  for (const char c : shown) {
    switch (c) {
      case '&':
        xml += "&amp;";
        break;
      case '<':
        xml += "&lt;";
        break;
      case '>':
        xml += "&gt;";
        break;
      case '"':
        xml += "&quot;";
        break;
      default:
        xml += c >= 0 && c <= 31 ? '.' : c;
    }
  }
  return xml + "</result>\n";
}

struct Words {
  std::optional<double> pointsPerCase;
  std::vector<std::string> files;  // INPUT OUTPUT ANSWER [RESULT_FILE]
  bool appes = false;
};

std::optional<Words> readWords(const std::vector<std::string>& words, std::string& error) {
  Words read;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const bool inline_ = word.starts_with("--points=");
    if (word == "--points" || inline_) {
      const std::string value = inline_ ? word.substr(9) : i + 1 < words.size() ? words[++i] : "";
      if (read.pointsPerCase) error = "--points is given more than once";
      read.pointsPerCase = contest::parsePointsPerCase(value);
      if (!read.pointsPerCase && error.empty()) {
        error = "--points needs a plain decimal number above 0 and at most 1000000";
      }
    } else if (read.files.size() == 4 && (word == "-appes" || word == "-APPES")) {
      read.appes = true;
    } else if (read.files.size() < 4 && !read.appes) {
      read.files.push_back(word);
    } else {
      error = "unexpected \"" + word + "\"";
    }
    if (!error.empty()) break;
  }
  if (error.empty() && read.files.size() < 3) error = "INPUT, OUTPUT and ANSWER are needed";
  if (!error.empty()) {
    error =
        "Program must be run with the following arguments: [--points P] <input-file> "
        "<output-file> <answer-file> [<report-file> [<-appes>]]: " +
        error;
    return std::nullopt;
  }
  return read;
}

}  // namespace

int finishAsTestlib(TestlibVerdict verdict, const std::string& message,
                    std::optional<double> points, const std::string& resultFile, bool appes,
                    std::ostream& err) {
  const std::string shown = shownMessage(message);
  if (!resultFile.empty()) {
    std::ostringstream ignored;
    if (!writeFileOrTell(pathOf(resultFile), appes ? xmlResult(verdict, shown, points) : shown,
                         ignored)) {
      return finishAsTestlib(TestlibVerdict::kFail, "Can not write to the result file",
                             std::nullopt, "", false, err);
    }
    err << "\nSee file to check exit message\n";
  } else {
    err << wordsOf(verdict).shown << shown << "\n";
  }
  err.flush();
  return static_cast<int>(verdict);
}

int runTestlibChecker(const std::vector<std::string>& words, std::ostream& err) {
  std::string error;
  const std::optional<Words> read = readWords(words, error);
  if (!read) return finishAsTestlib(TestlibVerdict::kFail, error, std::nullopt, "", false, err);
  const std::string resultFile = read->files.size() == 4 ? read->files[3] : "";
  const auto finish = [&](TestlibVerdict verdict, const std::string& message,
                          std::optional<double> points = std::nullopt) {
    return finishAsTestlib(verdict, message, points, resultFile, read->appes, err);
  };

  const JuryCheck check = checkAgainstJury(read->files[0], read->files[2], read->files[1]);
  switch (check.kind) {
    case JuryCheck::Kind::kJuryError:
      return finish(TestlibVerdict::kFail, check.reason);
    case JuryCheck::Kind::kOutputUnreadable:
      return finish(TestlibVerdict::kPresentationError,
                    "Output file not found: \"" + read->files[1] + "\"");
    case JuryCheck::Kind::kJudged:
      break;
  }
  if (check.evaluation.outcome.kind != Outcome::Kind::kPassed) {
    return finish(TestlibVerdict::kWrongAnswer,
                  contest::boundedFirstLine(check.evaluation.outcome, contest::kQuoteLimit));
  }
  const double pointsPerCase =
      read->pointsPerCase.value_or(contest::defaultPointsPerCase(check.caseCount));
  if (pointsPerCase * static_cast<double>(check.caseCount) > contest::kMostPointsPerCase + 1e-8) {
    return finish(TestlibVerdict::kFail,
                  "--points " + contest::formatPoints(pointsPerCase) + " over " +
                      std::to_string(check.caseCount) +
                      " cases may pass 1000000, the most points a checker may give");
  }
  const double points = check.scored.points(pointsPerCase);
  return finish(TestlibVerdict::kPoints,
                testlibPoints(points) + " " + contest::caseSummary(check.scored, 500), points);
}

}  // namespace pelvano::judge
