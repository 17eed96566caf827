// The scanner's helpers that read sixteen bytes at once, each way they are built, against plain
// byte-by-byte statements, at every offset of a buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "input/blank_run.h"
#include "input/row_scanner.h"

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
      EXPECT_EQ(row_scanning::WordBytesMatch(digits.data(), length).at(text.data()), expected);
#if defined(__SSE2__)
      EXPECT_EQ(row_scanning::VectorBytesMatch(digits.data(), length).at(text.data()), expected);
#endif
    }
  }
}

}  // namespace
}  // namespace pelvano::test
