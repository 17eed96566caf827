// Knowing a number again when its digits stand again right after it, as the labels of a
// region's cells do along a row: then its value is known without converting digits.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fast/byte_kind.h"
#include "fast/machine.h"
#include "fast/plain_window.h"

namespace pelvano {

// The digits of the number read last, to know it again when the same digits stand next, as
// the labels of a region's cells do along a row. Then the value is known without converting
// digits. Only the digits are compared, and the byte after them must be a blank or the line's
// end: a longer number, a stray byte or the chunk's sentinel are left to the full reading.
class RepeatedDigits {
 public:
  // The digits in [start, end) were read as `value`. Digits beyond what one comparison holds
  // are not remembered, nor is an empty range.
  void remember(const char* start, const char* end, std::int32_t value) {
    const auto length = static_cast<std::size_t>(end - start);
    length_ = length <= kMaxLength ? length : 0;
    value_ = value;
    end_ = end;
    std::memcpy(digits_, start, sizeof digits_);
  }

  // Takes the remembered number as long as it stands again at `p`, up to `room` times, each time
  // followed by blanks, which are taken too (all but a rare few), or by the line's end, which is
  // left. Stores its value for each and returns how many were taken; `p` is left after the last
  // one's blanks. `chunkEnd` is the sentinel, which ends no number.
  // `byWindows` says whether to look for copies a window at a time first (see takeCopies): not
  // in rows laid out with runs of blanks or tabs, where copies with one blank are few.
  std::int32_t takeRepeats(const char*& p, std::int32_t* out, std::int32_t room,
                           const char* chunkEnd, bool byWindows) const {
    // Most numbers that do not repeat differ in their first digit.
    if (length_ == 0 || *p != digits_[0]) return 0;
    return takeLikelyRepeats(p, out, room, chunkEnd, byWindows);
  }

 private:
  static constexpr std::size_t kMaxLength = 15;

  // Kept out of line, so that the scanning loop keeps its registers: a repeat, once seen, tends
  // to come many times.
  [[gnu::noinline]] std::int32_t takeLikelyRepeats(const char*& p, std::int32_t* out,
                                                   std::int32_t room, const char* chunkEnd,
                                                   bool byWindows) const {
    const LeadingBytesMatch match(digits_, length_);
    const char* at = p;
    // Right after the number read, with one blank between, the copies are taken a window at a
    // time; the loop below goes on from where they end.
    std::int32_t taken = byWindows && at == end_ + 1 && *end_ == ' '
                             ? takeCopies(at, out, room, chunkEnd, match)
                             : 0;
    while (taken < room && match.at(at)) {
      const char* const after = at + length_;
      const ByteKind kind = kindOf(*after);
      if (kind == ByteKind::kBlank) {
        at = after + 1;
        // Any blank still ahead fails the next comparison and is left to the caller.
        if (kindOf(*at) == ByteKind::kBlank) at += leadingSpacesAndTabs(at);
      } else if (kind == ByteKind::kLineFeed && after != chunkEnd) {
        at = after;
      } else {
        break;
      }
      out[taken++] = value_;
    }
    p = at;
    return taken;
  }

  // Takes the copies of the number that stand at `at`, each followed by one blank, up to
  // `room`: the bytes ahead are compared with those one copy before, 64 at a time, so that a run
  // of copies costs one comparison a window. A copy followed by the line's end is taken too,
  // as the row's last, and `at` left at the line feed; any other stays for the caller.
  std::int32_t takeCopies(const char*& at, std::int32_t* out, std::int32_t room,
                          const char* chunkEnd, const LeadingBytesMatch& match) const {
    const auto period = static_cast<std::int64_t>(length_ + 1);
    // The copy before is where the number was read; its bytes are compared, as a chunk read
    // since may have replaced them.
    if (!match.at(at - period)) return 0;
    std::int32_t taken = 0;
    while (taken < room && chunkEnd - at >= plain_window::kWindow) {
      const int same = std::countr_one(MachinePlainWindow::sameBytes(at - period, at));
      const auto copies =
          static_cast<std::int32_t>(std::min<std::int64_t>(same / period, room - taken));
      std::fill_n(out + taken, copies, value_);
      taken += copies;
      at += copies * period;
      if (same < plain_window::kWindow) {
        const char* const after = at + length_;
        if (taken < room && *after == '\n' && after != chunkEnd && match.at(at)) {
          out[taken++] = value_;
          at = after;
        }
        break;
      }
    }
    return taken;
  }

  char digits_[16] = {};
  const char* end_ = nullptr;
  std::size_t length_ = 0;
  std::int32_t value_ = 0;
};

}  // namespace pelvano
