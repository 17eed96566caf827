#include "judge/progress_line.h"

#include <cstdio>

namespace pelvano::judge {

ProgressLine::ProgressLine(std::ostream& terminal, std::size_t total, bool enabled)
    : terminal_(terminal),
      total_(total),
      enabled_(enabled),
      start_(std::chrono::steady_clock::now()),
      lastDrawn_(start_) {}

void ProgressLine::update(std::size_t done) {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (done < total_ && drawn_ && now - lastDrawn_ < std::chrono::milliseconds(100)) return;
  lastDrawn_ = now;
  drawn_ = true;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
  const double left = rate > 0 ? static_cast<double>(total_ - done) / rate : 0;
  char line[128];
  std::snprintf(line, sizeof line, "\r%zu of %zu judged, %.1f a second, %.0f s left  ", done,
                total_, rate, left);
  terminal_ << line << std::flush;
}

void ProgressLine::finish() {
  if (drawn_) terminal_ << '\n' << std::flush;
  drawn_ = false;
}

}  // namespace pelvano::judge
