#include "readers/block_line.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "block_sizes.h"
#include "readers/leading_integer.h"

namespace pelvano::test {
namespace {

// What a block line must read as: the whole line read, then its leading integer parsed.
BlockLine expectedBlockLine(std::string_view bytes, std::string& text) {
  MemoryByteSource source(bytes);
  LineSource lines(source);
  if (!lines.readLine(text)) return {BlockLine::Kind::kEnd};
  if (text.empty()) return {BlockLine::Kind::kEmpty};
  const std::optional<std::int32_t> number = parseLeadingInteger(text);
  if (!number) return {BlockLine::Kind::kNoNumber};
  return {BlockLine::Kind::kNumber, *number};
}

TEST(BlockLine, ReadsAsTheWholeLineWouldOnRandomLines) {
  std::mt19937 random(15);
  const std::string pieces[] = {" ",          "\t",
                                "\r",         "+",
                                "-",          "0",
                                "7",          "42",
                                "2147483648", "00000000000000000009",
                                "999999999",  "1000000000",
                                "x",          std::string(1, '\0'),
                                "\xff",       "\n",
                                "\r\n"};
  for (int round = 0; round < 4000; ++round) {
    std::string bytes;
    for (unsigned n = random() % 8; n > 0; --n)
      bytes += pieces[random() % std::size(pieces)];
    bytes += "\nafter\n";
    std::string expectedText;
    const BlockLine expected = expectedBlockLine(bytes, expectedText);
    for (const std::size_t blockSize : kBlockSizes) {
      MemoryByteSource source(bytes);
      LineSource lines(source, blockSize);
      std::string text;
      const BlockLine actual = readBlockLine(lines, text);
      ASSERT_EQ(actual.kind, expected.kind) << '"' << bytes << "\" in blocks of " << blockSize;
      if (expected.kind == BlockLine::Kind::kNumber) {
        EXPECT_EQ(actual.number, expected.number) << '"' << bytes << '"';
      }
      if (expected.kind == BlockLine::Kind::kNoNumber) {
        EXPECT_EQ(text, expectedText) << '"' << bytes << '"';
      }
      // The next line is read from where the whole line would have left off.
      std::string next;
      std::string expectedNext;
      MemoryByteSource again(bytes);
      LineSource reference(again);
      reference.readLine(expectedNext);
      reference.readLine(expectedNext);
      lines.readLine(next);
      EXPECT_EQ(next, expectedNext) << '"' << bytes << '"';
    }
  }
}

}  // namespace
}  // namespace pelvano::test
