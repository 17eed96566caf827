// The scanner's helpers that read sixteen bytes at once, each way they are built, against plain
// byte-by-byte statements, at every offset of a buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fast/blank_run.h"
#include "fast/eight_digits.h"
#include "fast/one_digit_row.h"
#include "fast/plain_window.h"
#include "readers/row_scanner.h"

namespace pelvano::test {
namespace {

int spacesAndTabsByBytes(const char* p, int window) {
  int count = 0;
  while (count < window && (p[count] == ' ' || p[count] == '\t'))
    ++count;
  return count;
}

// Bytes next to blanks and tabs in value, or sharing their bits: a carry or a wide compare that
// crosses a byte shows on them.
const char kAlphabet[] = {' ', '\t', ' ',    '\t',   '\r',   '\n',   '\v',   '\0',   '0',   '9',
                          ')', '!',  '\x89', '\xa0', '\x08', '\x21', '\x29', '\x7f', '\xff'};

std::string randomBytes(std::mt19937& random, std::size_t size) {
  std::string bytes(size, ' ');
  for (char& byte : bytes)
    byte = kAlphabet[random() % sizeof kAlphabet];
  return bytes;
}

TEST(WordHelpers, CountSpacesAndTabsAsTheBytesSay) {
  std::mt19937 random(3);
  for (int round = 0; round < 2000; ++round) {
    const std::string bytes = randomBytes(random, 48);
    for (std::size_t at = 0; at + 16 <= bytes.size(); ++at) {
      const char* p = bytes.data() + at;
      EXPECT_EQ(blank_run::leadingSpacesAndTabsInWord(p), spacesAndTabsByBytes(p, 8)) << at;
#if defined(__SSE2__)
      EXPECT_EQ(blank_run::leadingSpacesAndTabsInVector(p), spacesAndTabsByBytes(p, 16)) << at;
#endif
    }
  }
}

TEST(WordHelpers, MatchLeadingBytesAsTheBytesSay) {
  std::mt19937 random(4);
  for (int round = 0; round < 500; ++round) {
    // Remembered digits, and text that often starts with them.
    std::string digits(16, '0');
    for (char& digit : digits)
      digit = static_cast<char>('0' + random() % 10);
    for (std::size_t length = 1; length <= 15; ++length) {
      std::string text = randomBytes(random, 40);
      const std::size_t agreeing = random() % 18;  // how many leading bytes copied
      std::memcpy(text.data(), digits.data(), std::min(agreeing, length));
      const bool expected = text.compare(0, length, digits, 0, length) == 0;
      EXPECT_EQ(bytes_match::WordBytesMatch(digits.data(), length).at(text.data()), expected);
#if defined(__SSE2__)
      EXPECT_EQ(bytes_match::VectorBytesMatch(digits.data(), length).at(text.data()), expected);
#endif
    }
  }
}

// What a row of one-digit numbers wants at byte k, and where the line feeds are, byte by byte.
one_digit_row::ByteMasks rowMasksByBytes(const char* p) {
  one_digit_row::ByteMasks masks{0, 0};
  for (int k = 0; k < 16; ++k) {
    const bool fits = k % 2 == 0 ? p[k] >= '0' && p[k] <= '9' : p[k] == ' ';
    masks.fitting |= static_cast<std::uint32_t>(fits) << k;
    masks.lineFeeds |= static_cast<std::uint32_t>(p[k] == '\n') << k;
  }
  return masks;
}

// Which bytes fit a pattern of a grid's rows: a digit at an even k, the pattern's byte at an odd.
std::uint32_t fittingByBytes(const char* p, const char* pattern) {
  std::uint32_t fitting = 0;
  for (int k = 0; k < 16; ++k) {
    const bool fits = k % 2 == 0 ? p[k] >= '0' && p[k] <= '9' : p[k] == pattern[k];
    fitting |= static_cast<std::uint32_t>(fits) << k;
  }
  return fitting;
}

TEST(WordHelpers, FindOneDigitRowBytesAsTheBytesSay) {
  // Rows of two numbers: a line feed at every fourth byte.
  const std::string pattern = "0 0\n0 0\n0 0\n0 0\n";
  // Every byte value at every position, next to the bytes of a fitting row.
  std::string bytes(48, ' ');
  for (int value = 0; value < 256; ++value) {
    for (std::size_t at = 0; at < 16; ++at) {
      for (std::size_t k = 0; k < bytes.size(); ++k)
        bytes[k] = k % 2 == 0 ? static_cast<char>('0' + k % 10) : ' ';
      bytes[at] = static_cast<char>(value);
      for (std::size_t start = 0; start < 2; ++start) {
        const char* p = bytes.data() + start;
        const one_digit_row::ByteMasks expected = rowMasksByBytes(p);
        const one_digit_row::ByteMasks words = one_digit_row::WordRowBytes::masksAt(p);
        EXPECT_EQ(words.fitting, expected.fitting) << value << " at " << at;
        EXPECT_EQ(words.lineFeeds, expected.lineFeeds) << value << " at " << at;
        const std::uint32_t fitting = fittingByBytes(p, pattern.data());
        EXPECT_EQ(one_digit_row::WordRowBytes::fittingAt(p, pattern.data()), fitting)
            << value << " at " << at;
#if defined(__SSE2__)
        const one_digit_row::ByteMasks vector = one_digit_row::VectorRowBytes::masksAt(p);
        EXPECT_EQ(vector.fitting, expected.fitting) << value << " at " << at;
        EXPECT_EQ(vector.lineFeeds, expected.lineFeeds) << value << " at " << at;
        EXPECT_EQ(one_digit_row::VectorRowBytes::fittingAt(p, pattern.data()), fitting)
            << value << " at " << at;
#endif
      }
    }
  }
}

// A window's bytes and the bytes a window apart, as the plain numbers and the copies of a label
// see them, each way they are built: every byte value at every position, among digits and
// blanks.
TEST(WordHelpers, FindWindowBytesAsTheBytesSay) {
  using plain_window::kWindow;
  std::string bytes(2 * kWindow + 8, ' ');
  for (int value = 0; value < 256; ++value) {
    for (std::size_t at = 0; at < kWindow; at += value % 7 + 1) {
      for (std::size_t k = 0; k < bytes.size(); ++k)
        bytes[k] = k % 5 == 4 ? ' ' : static_cast<char>('0' + k % 10);
      bytes[at] = static_cast<char>(value);
      plain_window::WindowMasks expected{0, 0, 0};
      std::uint64_t same = 0;
      for (std::size_t k = 0; k < kWindow; ++k) {
        const std::uint64_t bit = std::uint64_t{1} << k;
        if (bytes[k] >= '0' && bytes[k] <= '9') expected.digits |= bit;
        if (bytes[k] == ' ') expected.blanks |= bit;
        if (bytes[k] == '\n') expected.lineFeeds |= bit;
        if (bytes[k] == bytes[k + 5]) same |= bit;
      }
      const auto masksAre = [&](const plain_window::WindowMasks& masks) {
        EXPECT_EQ(masks.digits, expected.digits) << value << " at " << at;
        EXPECT_EQ(masks.blanks, expected.blanks) << value << " at " << at;
        EXPECT_EQ(masks.lineFeeds, expected.lineFeeds) << value << " at " << at;
      };
      masksAre(plain_window::WordPlainWindow::masksAt(bytes.data()));
      EXPECT_EQ(plain_window::WordPlainWindow::sameBytes(bytes.data(), bytes.data() + 5), same);
#if defined(__SSE2__)
      masksAre(plain_window::VectorPlainWindow::masksAt(bytes.data()));
      EXPECT_EQ(plain_window::VectorPlainWindow::sameBytes(bytes.data(), bytes.data() + 5), same);
#endif
    }
  }
}

// Numbers of 1 to 7 digits, as the window keeps them (digits at the word's top, zero bytes
// below), converted together in every count, each way.
TEST(WordHelpers, ConvertNumbersOfUpToSevenDigits) {
  std::mt19937 random(7);
  std::vector<std::uint64_t> words;
  std::vector<std::int32_t> expected;
  for (int i = 0; i < 11; ++i) {
    const std::string digits = i < 2 ? std::string(i == 0 ? 1 : 7, i == 0 ? '0' : '9')
                                     : std::to_string(random() % kPowersOfTen[1 + random() % 7]);
    std::uint64_t word = 0;
    for (const char digit : digits)
      word = word >> 8 | std::uint64_t{static_cast<unsigned char>(digit)} << 56;
    words.push_back(word);
    expected.push_back(std::stoi(digits));
  }
  for (std::int32_t count = 0; count <= 11; ++count) {
    const std::vector<std::int32_t> wanted(expected.begin(), expected.begin() + count);
    std::vector<std::int32_t> values(static_cast<std::size_t>(count), -1);
    plain_window::WordPlainWindow::convert(words.data(), count, values.data());
    EXPECT_EQ(values, wanted) << count;
#if defined(__SSE2__)
    std::fill(values.begin(), values.end(), -1);
    plain_window::VectorPlainWindow::convert(words.data(), count, values.data());
    EXPECT_EQ(values, wanted) << count;
#endif
  }
}

// Every length and every edge between lengths, and random values of each length.
TEST(WordHelpers, WriteNumbersAsPrintfDoes) {
  std::vector<std::uint32_t> values = {0, 4294967295u, 2000000000, 100000001};
  std::mt19937 random(10);
  for (std::uint64_t power = 1; power <= 1000000000; power *= 10) {
    for (const std::uint64_t value : {power - 1, power, power + 1, power * 9 + random() % power})
      values.push_back(static_cast<std::uint32_t>(value));
  }
  for (const std::uint32_t value : values) {
    char text[16];
    std::memset(text, '#', sizeof text);
    const char* const end = writeDecimalDigits(text, value);
    const char* const begin = text;
    EXPECT_EQ(std::string(begin, end), std::to_string(value));
  }
  // Every number of up to six digits, whose pairs come from one product with a rounding error.
  for (std::uint32_t value = 0; value < 1000000; ++value) {
    char text[16];
    char expected[16];
    const char* const end = writeDecimalDigits(text, value);
    const char* const expectedEnd = std::to_chars(expected, expected + sizeof expected, value).ptr;
    ASSERT_EQ(std::string_view(text, static_cast<std::size_t>(end - text)),
              std::string_view(expected, static_cast<std::size_t>(expectedEnd - expected)));
  }
}

TEST(WordHelpers, StoreEightOneDigitNumbers) {
  const std::string row = "0 9 1 8 2 7 3 6\n";
  const std::vector<std::int32_t> expected = {0, 9, 1, 8, 2, 7, 3, 6};
  std::vector<std::int32_t> words(8, -1);
  one_digit_row::WordRowBytes::storeEight(row.data(), words.data());
  EXPECT_EQ(words, expected);
#if defined(__SSE2__)
  std::vector<std::int32_t> vector(8, -1);
  one_digit_row::VectorRowBytes::storeEight(row.data(), vector.data());
  EXPECT_EQ(vector, expected);
#endif
}

}  // namespace
}  // namespace pelvano::test
