// Sixty-four bytes of a row looked at once, and the numbers found in them converted together:
// in plain words here, on every machine; machine.h chooses between this and the vector form.
#pragma once

#include <cstdint>

#include "fast/blank_run.h"
#include "fast/eight_digits.h"
#include "fast/row_bytes.h"

namespace pelvano {
namespace plain_window {

// The bytes looked at from a position at once. A caller keeps them before the chunk's
// sentinel, and the word loaded at a number's start inside them stays in the read-ahead.
inline constexpr int kWindow = 64;

// What the window's bytes are, bit k for byte k.
struct WindowMasks {
  std::uint64_t digits;
  std::uint64_t blanks;  // ' ' only: other white space is not plainly written
  std::uint64_t lineFeeds;
};

// The low half of every byte: a digit's value, 0 for a zero byte.
inline constexpr std::uint64_t kLowHalves = 0x0F0F0F0F0F0F0F0Fu;

// The top bit of every byte of `word` that is a digit, exactly: its high half is '0''s, and
// its low half stays below 16 when 6 is added.
inline std::uint64_t digitBytes(std::uint64_t word) {
  const std::uint64_t offsets = word ^ 0x3030303030303030u;
  const std::uint64_t notDigits = blank_run::nonZeroBytes(offsets & ~kLowHalves) |
                                  (((offsets & kLowHalves) + 0x0606060606060606u) << 3);
  return ~notDigits & one_digit_row::kTopBits;
}

// The value of a number of up to seven digits in the top bytes of `word`, zero bytes below.
inline std::int32_t numberValue(std::uint64_t word) {
  return static_cast<std::int32_t>(eightDigitsValue(word & kLowHalves));
}

struct WordPlainWindow {
  static WindowMasks masksAt(const char* p) {
    WindowMasks masks{0, 0, 0};
    for (int k = 0; k < kWindow / 8; ++k) {
      const std::uint64_t word = loadEightBytes(p + 8 * k);
      const auto gather = [k](std::uint64_t topBits) {
        return std::uint64_t{one_digit_row::gatherTopBits(topBits)} << (8 * k);
      };
      masks.digits |= gather(digitBytes(word));
      masks.blanks |= gather(one_digit_row::equalBytes(word, 0x2020202020202020u));
      masks.lineFeeds |= gather(one_digit_row::equalBytes(word, 0x0A0A0A0A0A0A0A0Au));
    }
    return masks;
  }
  // Bit k set where byte k at `a` and at `b` are the same.
  static std::uint64_t sameBytes(const char* a, const char* b) {
    std::uint64_t same = 0;
    for (int k = 0; k < kWindow / 8; ++k) {
      const std::uint64_t bytes = loadEightBytes(a + 8 * k);
      same |= std::uint64_t{one_digit_row::gatherTopBits(
                  one_digit_row::equalBytes(bytes, loadEightBytes(b + 8 * k)))}
              << (8 * k);
    }
    return same;
  }
  // The values of `count` numbers, each held as numberValue takes it.
  static void convert(const std::uint64_t* words, std::int32_t count, std::int32_t* out) {
    for (std::int32_t i = 0; i < count; ++i)
      out[i] = numberValue(words[i]);
  }
};

}  // namespace plain_window
}  // namespace pelvano
