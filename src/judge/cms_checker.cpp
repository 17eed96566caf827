#include "judge/cms_checker.h"

#include <array>
#include <charconv>

#include "contest/bounded_text.h"
#include "judge/jury_check.h"

namespace pelvano::judge {
namespace {

// The outcome in the fewest digits that read back as the same number ("1", "0.5").
std::string outcomeText(double share) {
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), share);
  return std::string(text.data(), result.ptr);
}

}  // namespace

std::string printableAscii(const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\') {
      shown += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7f) {
      shown += c;
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    }
  }
  return shown;
}

int runCmsChecker(const std::string& inputPath, const std::string& correctPath,
                  const std::string& outputPath, std::ostream& out, std::ostream& err) {
  const JuryCheck check = checkAgainstJury(inputPath, correctPath, outputPath);
  if (check.kind != JuryCheck::Kind::kJudged) {
    err << "pelvano-judge: " << printableAscii(check.reason) << "\n";
    return kCmsJudgeError;
  }
  if (check.evaluation.outcome.kind != Outcome::Kind::kPassed) {
    out << "0\n";
    err << printableAscii(contest::boundedFirstLine(check.evaluation.outcome, contest::kQuoteLimit))
        << "\n";
  } else {
    const double share = check.scored.share();
    out << outcomeText(share) << "\n";
    err << (share == 1 ? "translate:success"
                       : printableAscii(contest::caseSummary(check.scored, 500)))
        << "\n";
  }
  out.flush();
  err.flush();
  return out && err ? kCmsJudged : kCmsJudgeError;
}

}  // namespace pelvano::judge
