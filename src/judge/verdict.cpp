#include "judge/verdict.h"

namespace pelvano::judge {

std::string_view verdictWord(Outcome::Kind kind) {
  switch (kind) {
    case Outcome::Kind::kPassed:
      return "ok";
    case Outcome::Kind::kRejected:
      return "rejected";
    case Outcome::Kind::kUnreadable:
    case Outcome::Kind::kUnexpected:
      break;
  }
  return "error";
}

std::string judgeErrorReason(const Outcome& outcome) {
  switch (outcome.kind) {
    case Outcome::Kind::kUnreadable:
      return outcome.reason;
    case Outcome::Kind::kUnexpected:
      return "unexpected failure: " + outcome.reason;
    case Outcome::Kind::kPassed:
    case Outcome::Kind::kRejected:
      break;
  }
  return {};
}

}  // namespace pelvano::judge
