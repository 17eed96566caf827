// The progress of a long run, as one line redrawn on a terminal.
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>

namespace pelvano::judge {

class ProgressLine {
 public:
  // Draws nothing unless `enabled` (the caller's stream is a terminal and not silenced).
  ProgressLine(std::ostream& terminal, std::size_t total, bool enabled);
  // `done` of the total are finished: redrawn at most ten times a second, and at the end.
  void update(std::size_t done);
  // Ends the line, so that what follows starts on a line of its own.
  void finish();

 private:
  std::ostream& terminal_;
  std::size_t total_;
  bool enabled_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDrawn_;
};

}  // namespace pelvano::judge
