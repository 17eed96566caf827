// A checker as CMS runs one: `checker input.txt correct_output.txt OUTPUT`. Standard output
// holds one line, the outcome from 0 to 1; standard error one line, the message the
// contestant sees. CMS takes a message only if it is UTF-8 without control characters or
// characters from U+007F to U+00BF, so every byte of the contestant's that the message
// quotes is shown in printable ASCII.
#pragma once

#include <ostream>
#include <string>

namespace pelvano::judge {

// Exit statuses: 0 whenever the output was judged, whatever the verdict; a non-zero status is
// a failed evaluation that CMS shows to its admins.
inline constexpr int kCmsJudged = 0;
inline constexpr int kCmsJudgeError = 1;

// Judges the contestant's OUTPUT against the task in INPUT, the jury's spreads in
// CORRECT_OUTPUT as the bests. The outcome is the mean over the task's cases of the points
// rule's share; the message "translate:success" at 1, else each case's spread against its
// best, or the failure line.
int runCmsChecker(const std::string& inputPath, const std::string& correctPath,
                  const std::string& outputPath, std::ostream& out, std::ostream& err);

// `text` with every byte but printable ASCII written as \xNN, and a backslash as \\.
std::string printableAscii(const std::string& text);

}  // namespace pelvano::judge
