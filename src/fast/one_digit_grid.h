// Taking a whole small grid of one-digit numbers at once: the label grids of small cases with
// few regions are written so, and row by row their rows cost more than their numbers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "fast/one_digit_row.h"

namespace pelvano {

// The most bytes a grid taken at once spans: two sixteen-byte windows.
inline constexpr std::int32_t kOneDigitGridBytes = 32;

namespace one_digit_grid {

// The bytes of a grid of rows of `width` one-digit numbers (from 1 to 16), as far as 32 bytes
// go: '0' where a digit stands, a line feed where a row ends, a blank elsewhere.
inline const char* gridPattern(std::int32_t width) {
  static constexpr auto kPatterns = [] {
    std::array<std::array<char, kOneDigitGridBytes>, 17> patterns{};
    for (std::int32_t w = 1; w <= 16; ++w) {
      for (std::int32_t k = 0; k < kOneDigitGridBytes; ++k) {
        char& byte = patterns[static_cast<std::size_t>(w)][static_cast<std::size_t>(k)];
        const bool rowEnd = k % (2 * w) == 2 * w - 1;
        byte = k % 2 == 0 ? '0' : (rowEnd ? '\n' : ' ');
      }
    }
    return patterns;
  }();
  return kPatterns[static_cast<std::size_t>(width)].data();
}

// See takeOneDigitGrid; `RowBytes` is one of one_digit_row's.
template <class RowBytes>
inline bool takeOneDigitGridWith(const char*& p, std::int32_t* firstRow, std::ptrdiff_t stride,
                                 std::int32_t width, std::int32_t height, std::int32_t rowEnd,
                                 const char* chunkEnd) {
  const std::int32_t rowBytes = 2 * width;
  const std::int32_t bytes = rowBytes * height;
  // The last line feed must lie before the sentinel, so every byte looked at is the grid's.
  if (bytes > kOneDigitGridBytes || chunkEnd - p < bytes) return false;
  const char* const pattern = gridPattern(width);
  std::uint32_t fitting = RowBytes::fittingAt(p, pattern);
  // p + 16 lies before the last line feed, so sixteen bytes may be read there too.
  if (bytes > 16) fitting |= RowBytes::fittingAt(p + 16, pattern + 16) << 16;
  const std::uint32_t all = bytes == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << bytes) - 1;
  if ((fitting & all) != all) return false;
  // Each row's numbers are stored eight at a time from the row's first byte, which lies before
  // the sentinel; the stores past a row's end are overwritten by its end and the next row. A
  // row of more than eight is the grid's only one.
  std::int32_t* row = firstRow;
  if (height == 1) {
    // A grid of one row, as many small cases' are, without the loop's preparations.
    RowBytes::storeEight(p, row);
    if (width > 8) RowBytes::storeEight(p + 16, row + 8);
    row[width] = rowEnd;
    p += bytes;
    return true;
  }
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
// of a row, and a line feed, not the sentinel `chunkEnd`, right after each row's last. Then row r
// is stored at firstRow + r * stride and followed by `rowEnd`, and `p` is after the last line
// feed; the last row has room for kOneDigitRowOverrun numbers past it, which may be overwritten.
// Otherwise nothing is stored, `p` stays, and the grid is for reading row by row.
inline bool takeOneDigitGrid(const char*& p, std::int32_t* firstRow, std::ptrdiff_t stride,
                             std::int32_t width, std::int32_t height, std::int32_t rowEnd,
                             const char* chunkEnd) {
  return one_digit_grid::takeOneDigitGridWith<one_digit_row::MachineRowBytes>(
      p, firstRow, stride, width, height, rowEnd, chunkEnd);
}

}  // namespace pelvano
