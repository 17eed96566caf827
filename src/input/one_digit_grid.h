// Taking a whole small grid of one-digit numbers at once: the label grids of small cases with
// few regions are written so, and row by row their rows cost more than their numbers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "input/one_digit_row.h"

namespace pelvano {

// The most bytes a grid taken at once spans: two sixteen-byte windows.
inline constexpr std::int32_t kOneDigitGridBytes = 32;

namespace one_digit_grid {

// Bit k set where byte k ends a row of `width` one-digit numbers (from 1 to 16) in a grid of
// such rows: at 2 * width - 1, 4 * width - 1, and so on, as far as 32 bytes go.
inline std::uint32_t rowEndBits(std::int32_t width) {
  static constexpr auto kBits = [] {
    std::array<std::uint32_t, 17> bits{};
    for (std::int32_t w = 1; w <= 16; ++w) {
      for (std::int32_t end = 2 * w - 1; end < kOneDigitGridBytes; end += 2 * w)
        bits[static_cast<std::size_t>(w)] |= std::uint32_t{1} << end;
    }
    return bits;
  }();
  return kBits[static_cast<std::size_t>(width)];
}

// See takeOneDigitGrid; `RowBytes` is one of one_digit_row's.
template <class RowBytes>
inline bool takeOneDigitGridWith(const char*& p, std::int32_t* firstRow, std::ptrdiff_t stride,
                                 std::int32_t width, std::int32_t height, std::int32_t rowEnd,
                                 const char* blockEnd) {
  const std::int32_t rowBytes = 2 * width;
  const std::int32_t bytes = rowBytes * height;
  // The last line feed must lie before the sentinel, so every byte looked at is the grid's.
  if (bytes > kOneDigitGridBytes || blockEnd - p < bytes) return false;
  one_digit_row::ByteMasks masks = RowBytes::masksAt(p);
  if (bytes > 16) {
    // p + 16 lies before the last line feed, so sixteen bytes may be read there too.
    const one_digit_row::ByteMasks high = RowBytes::masksAt(p + 16);
    masks.fitting |= high.fitting << 16;
    masks.lineFeeds |= high.lineFeeds << 16;
  }
  const std::uint32_t all = bytes == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << bytes) - 1;
  const std::uint32_t ends = rowEndBits(width) & all;
  if (((masks.fitting | ends) & all) != all || (masks.lineFeeds & ends) != ends) return false;
  // Each row's numbers are stored eight at a time from the row's first byte, which lies before
  // the sentinel; the stores past a row's end are overwritten by its end and the next row. A
  // row of more than eight is the grid's only one.
  std::int32_t* row = firstRow;
  for (const char* at = p; at != p + bytes; at += rowBytes, row += stride) {
    RowBytes::storeEight(at, row);
    if (width > 8) RowBytes::storeEight(at + 16, row + 8);
    row[width] = rowEnd;
  }
  p += bytes;
  return true;
}

}  // namespace one_digit_grid

// Takes the `height` rows of `width` numbers at `p` (both at least 1) when the grid is small
// (kOneDigitGridBytes at most) and every number is one digit, one blank stands between each two
// of a row, and a line feed, not the sentinel `blockEnd`, right after each row's last. Then row r
// is stored at firstRow + r * stride and followed by `rowEnd`, and `p` is after the last line
// feed; the last row has room for kOneDigitRowOverrun numbers past it, which may be overwritten.
// Otherwise nothing is stored, `p` stays, and the grid is for reading row by row.
inline bool takeOneDigitGrid(const char*& p, std::int32_t* firstRow, std::ptrdiff_t stride,
                             std::int32_t width, std::int32_t height, std::int32_t rowEnd,
                             const char* blockEnd) {
#if defined(__SSE2__)
  return one_digit_grid::takeOneDigitGridWith<one_digit_row::VectorRowBytes>(
      p, firstRow, stride, width, height, rowEnd, blockEnd);
#else
  return one_digit_grid::takeOneDigitGridWith<one_digit_row::WordRowBytes>(
      p, firstRow, stride, width, height, rowEnd, blockEnd);
#endif
}

}  // namespace pelvano
