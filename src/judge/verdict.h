// How pelvano-judge's tables, standings and messages name the core's one verdict, a
// submission's Outcome: ok (every check passed), rejected (a check failed) or error (it could
// not be judged: it cannot be read, or an unexpected failure).
#pragma once

#include <string>
#include <string_view>

#include "evaluation/evaluation.h"

namespace pelvano::judge {

// "ok", "rejected" or "error".
std::string_view verdictWord(Outcome::Kind kind);

// Why a submission could not be judged, for a table or standard error ("cannot be read:
// ...", "unexpected failure: ..."); empty unless its verdict is error.
std::string judgeErrorReason(const Outcome& outcome);

}  // namespace pelvano::judge
