// Knowing a number again when its digits stand again right after it, as the labels of a
// region's cells do along a row: then its value is known without converting digits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fast/byte_kind.h"
#include "fast/machine.h"

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
    std::memcpy(digits_, start, sizeof digits_);
  }

  // Takes the remembered number as long as it stands again at `p`, up to `room` times, each time
  // followed by blanks, which are taken too (all but a rare few), or by the line's end, which is
  // left. Stores its value for each and returns how many were taken; `p` is left after the last
  // one's blanks. `chunkEnd` is the sentinel, which ends no number.
  std::int32_t takeRepeats(const char*& p, std::int32_t* out, std::int32_t room,
                           const char* chunkEnd) const {
    // Most numbers that do not repeat differ in their first digit.
    if (length_ == 0 || *p != digits_[0]) return 0;
    return takeLikelyRepeats(p, out, room, chunkEnd);
  }

 private:
  static constexpr std::size_t kMaxLength = 15;

  // Kept out of line, so that the scanning loop keeps its registers: a repeat, once seen, tends
  // to come many times.
  [[gnu::noinline]] std::int32_t takeLikelyRepeats(const char*& p, std::int32_t* out,
                                                   std::int32_t room, const char* chunkEnd) const {
    const LeadingBytesMatch match(digits_, length_);
    const char* at = p;
    std::int32_t taken = 0;
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

  char digits_[16] = {};
  std::size_t length_ = 0;
  std::int32_t value_ = 0;
};

}  // namespace pelvano
