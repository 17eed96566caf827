// A checker as the testlib checker library makes them, for the contest systems built on it
// (Polygon, Codeforces, ejudge, Yandex.Contest, PCMS2): `checker INPUT OUTPUT ANSWER
// [RESULT_FILE [-appes]]`, the verdict in the exit status and a message on standard error or
// in RESULT_FILE, byte for byte as the library writes them.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelvano::judge {

// The library's verdicts and their exit statuses.
enum class TestlibVerdict {
  kAccepted = 0,
  kWrongAnswer = 1,
  kPresentationError = 2,
  kFail = 3,  // the jury's error
  kPoints = 7,
};

// What the library writes for a verdict and its message: on `err`, or in the result file
// (as XML with `appes`). `points` goes with kPoints. Returns the exit status; a result file
// that cannot be written is itself a failure, as in the library.
int finishAsTestlib(TestlibVerdict verdict, const std::string& message,
                    std::optional<double> points, const std::string& resultFile, bool appes,
                    std::ostream& err);

// `pelvano-judge testlib` on the words after the command: [--points P] INPUT OUTPUT ANSWER
// [RESULT_FILE [-appes]]. The output is judged against the task in INPUT; ANSWER is the
// jury's answer, whose spreads are the bests. Accepted: points, P a case (default: 100
// divided by the task's cases) times each case's share. A failed check: wrong answer with
// the failure line. The jury's error, or words that do not fit: fail.
int runTestlibChecker(const std::vector<std::string>& words, std::ostream& err);

}  // namespace pelvano::judge
