// The output validator of the ICPC/Kattis problem package format, which DOMjudge and Kattis
// judge with: `VALIDATOR input answer feedback_dir [flags] < team_output`; and its input
// validator for the task file.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/byte_source.h"

namespace pelvano::judge {

// Exit statuses the format defines; anything else is a judge error shown to staff.
inline constexpr int kValidatorAccepted = 42;
inline constexpr int kValidatorWrongAnswer = 43;
inline constexpr int kValidatorJudgeError = 1;

// A scoring problem's validator: the answer file is the jury's submission, whose spreads are
// the bests that the team's points are measured against.
struct ValidatorScoring {
  std::string answerPath;
  std::optional<double> pointsPerCase;  // default: 100 divided by the task's case count
};

// The validator flags, the words after FEEDBACK_DIR as the contest system joins them from the
// package: `score` makes a scoring validator, `points P` sets a case's points (a plain
// decimal number above 0, at most 1000000; given again, the last wins). Every other word is
// passed over (`-h`, `--` among them: a validator never shows help). Either may repeat.
// `error` says why when `points` has no such number after it, or is given without `score`.
struct ValidatorFlags {
  bool score = false;
  std::optional<double> pointsPerCase;
};
std::optional<ValidatorFlags> parseValidatorFlags(const std::vector<std::string>& words,
                                                  std::string& error);

// Judges `submission` against the task at `inputPath`, as `Pelvano eval` would. Writes
// FEEDBACK_DIR/judgemessage.txt (the report, whole up to 64 KiB) and teammessage.txt (the
// success report, or the failure line with its quoted text cut to 200 bytes), and returns 42
// or 43. A task that cannot be read or fails its checks, an unexpected failure, or feedback
// that cannot be written: a message on `err` and 1.
//
// With `scoring`, the jury's answer must pass every check and answer every case (else 1);
// an accepted submission then also gets FEEDBACK_DIR/score.txt, its points, and the judge's
// message a table of each case's spreads and points.
int runValidator(const std::string& inputPath, ByteSource& submission,
                 const std::filesystem::path& feedbackDir, std::ostream& err,
                 const std::optional<ValidatorScoring>& scoring = std::nullopt);

// The input validator: reads the task file from `task` (named `name` in messages), and
// returns 42 when it passes every check, 43 with its failure line on `err` when it does not,
// 1 with the reason when it cannot be read. `strict` also holds it to the strict form
// (strict_task.h), a fault of which is a 43 with one line naming the line.
int checkTask(FileByteSource& task, const std::string& name, bool strict, std::ostream& err);

}  // namespace pelvano::judge
