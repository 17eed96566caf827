// The output validator of the ICPC/Kattis problem package format, which DOMjudge and Kattis
// judge with: `VALIDATOR input answer feedback_dir < team_output`.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "input/byte_source.h"

namespace pelvano::judge {

// Exit statuses the format defines; anything else is a judge error shown to staff.
inline constexpr int kValidatorAccepted = 42;
inline constexpr int kValidatorWrongAnswer = 43;
inline constexpr int kValidatorJudgeError = 1;

// Judges `submission` against the task at `inputPath`, as `Pelvano eval` would. Writes
// FEEDBACK_DIR/judgemessage.txt (the report, whole up to 64 KiB) and teammessage.txt (the
// success report, or the failure line with its quoted text cut to 200 bytes), and returns 42
// or 43. A task that cannot be read or fails its
// checks, an unexpected failure, or feedback that cannot be written: a message on `err`
// and 1.
int runValidator(const std::string& inputPath, ByteSource& submission,
                 const std::filesystem::path& feedbackDir, std::ostream& err);

}  // namespace pelvano::judge
