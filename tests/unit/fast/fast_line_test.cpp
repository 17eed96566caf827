// The fast readers of the commonest lines, a header line of short numbers, a row of one-digit
// labels and a small grid of them, against the full readings, on random lines in every splitting
// into blocks: whatever they take must be what the full reading gives, and they must take every
// plain line whose line feed lies in the block.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "block_sizes.h"
#include "fast/one_digit_grid.h"
#include "fast/one_digit_row.h"
#include "fast/plain_line.h"
#include "readers/leading_integer.h"

namespace pelvano::test {
namespace {

// Block sizes that put a line's end, or a sixteen-byte window's, at every offset of a window.
std::vector<std::size_t> blockSizes() {
  std::vector<std::size_t> sizes = kBlockSizes;
  for (std::size_t size = 12; size <= 40; ++size)
    sizes.push_back(size);
  return sizes;
}

// Calls check(lines, lineInBlock, blockSize) with `line` and a line after it read in each block
// size, the first block read and the line at the source's position; lineInBlock tells whether
// its line feed lies in that block.
template <class Check>
void readInEveryBlockSize(const std::string& line, Check check) {
  const std::string bytes = line + "after\n";
  for (const std::size_t blockSize : blockSizes()) {
    MemoryByteSource source(bytes);
    LineSource lines(source, blockSize);
    ASSERT_FALSE(lines.atEnd());  // which reads the first block
    const auto inBlock = static_cast<std::size_t>(lines.chunkEnd() - lines.position());
    check(lines, line.size() <= inBlock, blockSize);
  }
}

std::string digits(std::mt19937& random, unsigned count) {
  std::string text;
  for (unsigned k = 0; k < count; ++k)
    text += static_cast<char>('0' + random() % 10);
  return text;
}

// `count` numbers, most of them plain: then only one blank between them and the line feed
// right after the last.
std::string headerLine(std::mt19937& random, int count, bool plain) {
  const std::string odd[] = {"  ", "\t", "+", "-", "x", "\r", ""};
  std::string line;
  for (int i = 0; i < count; ++i) {
    if (i > 0) line += ' ';
    if (!plain && random() % 4 == 0) line += odd[random() % std::size(odd)];
    line += digits(random, 1 + random() % (plain ? 7 : 10));
  }
  if (!plain && random() % 3 == 0) line += odd[random() % std::size(odd)];
  return line + "\n";
}

TEST(PlainNumbers, AreTheLeadingIntegersOrLeftToTheFullReading) {
  std::mt19937 random(91);
  for (int round = 0; round < 3000; ++round) {
    const int count = 1 + static_cast<int>(random() % 4);
    const bool plain = random() % 2 == 0;
    const std::string line = headerLine(random, count, plain);
    const LeadingIntegers parsed = parseLeadingIntegers(line);
    readInEveryBlockSize(line, [&](LineSource& lines, bool lineInBlock, std::size_t blockSize) {
      const char* const start = lines.position();
      std::int32_t values[4];
      const bool taken = readPlainNumbers(lines, values, count);
      if (plain && lineInBlock) {
        EXPECT_TRUE(taken) << line;
      }
      if (!taken) {
        EXPECT_EQ(lines.position(), start);
        return;
      }
      ASSERT_GE(parsed.count, count) << line;
      for (int i = 0; i < count; ++i)
        EXPECT_EQ(values[i], parsed.values[i]) << line;
      std::string next;
      lines.readLine(next);
      EXPECT_EQ(next, "after") << line << " in blocks of " << blockSize;
    });
  }
}

// A row of `width` labels, most of them of one digit with one blank between.
std::string labelRow(std::mt19937& random, int width, bool plain) {
  const std::string odd[] = {"  ", "\t", "x", "\r", "17"};
  std::string line;
  for (int j = 0; j < width; ++j) {
    if (j > 0) line += ' ';
    if (!plain && random() % 8 == 0) line += odd[random() % std::size(odd)];
    line += digits(random, 1);
  }
  if (!plain && random() % 4 == 0) line += odd[random() % std::size(odd)];
  return line + "\n";
}

template <class RowBytes>
void expectOneDigitRowsTakenRight() {
  std::mt19937 random(92);
  for (int round = 0; round < 1500; ++round) {
    const int width = 1 + static_cast<int>(random() % 24);
    const bool plain = random() % 2 == 0;
    const std::string line = labelRow(random, width, plain);
    const bool plainAfterAll = line.size() == static_cast<std::size_t>(2 * width);
    readInEveryBlockSize(line, [&](LineSource& lines, bool lineInBlock, std::size_t blockSize) {
      std::vector<std::int32_t> out(static_cast<std::size_t>(width + kOneDigitRowOverrun), -1);
      const char* const start = lines.position();
      const char* p = start;
      const std::int32_t taken =
          one_digit_row::takeOneDigitNumbers<RowBytes>(p, out.data(), width, lines.chunkEnd());
      if (plain && lineInBlock) {
        ASSERT_EQ(taken, width) << line << " in blocks of " << blockSize;
      }
      // Whatever is taken is a leading run of the row's numbers, each a digit and a blank.
      ASSERT_LE(taken, width);
      for (std::int32_t j = 0; j < taken; ++j) {
        ASSERT_EQ(line[static_cast<std::size_t>(2 * j)] - '0', out[static_cast<std::size_t>(j)])
            << line;
      }
      if (taken == width) {
        EXPECT_TRUE(plainAfterAll && lineInBlock) << line << " in blocks of " << blockSize;
        EXPECT_EQ(p, start + line.size());
      } else {
        EXPECT_EQ(p, start + 2 * taken) << line;
      }
    });
  }
}

TEST(OneDigitRows, AreTakenOnlyWhereTheyStandWordWise) {
  expectOneDigitRowsTakenRight<one_digit_row::WordRowBytes>();
}
#if defined(__SSE2__)
TEST(OneDigitRows, AreTakenOnlyWhereTheyStandVectorWise) {
  expectOneDigitRowsTakenRight<one_digit_row::VectorRowBytes>();
}
#endif

// Small grids, plain or not, some too large to be taken at once; the rows are labelRow's.
template <class RowBytes>
void expectOneDigitGridsTakenRight() {
  std::mt19937 random(93);
  constexpr std::int32_t kUntouched = -7;
  constexpr std::int32_t kRowEnd = -1;
  for (int round = 0; round < 1500; ++round) {
    const int width = 1 + static_cast<int>(random() % 17);
    const int height = 1 + static_cast<int>(random() % (1 + 20 / width));
    const bool plain = random() % 2 == 0;
    std::string grid;
    for (int r = 0; r < height; ++r)
      grid += labelRow(random, width, plain || random() % 4 != 0);
    const bool plainAfterAll = grid.size() == static_cast<std::size_t>(2 * width * height);
    const bool small = 2 * width * height <= kOneDigitGridBytes;
    readInEveryBlockSize(grid, [&](LineSource& lines, bool gridInBlock, std::size_t blockSize) {
      const std::ptrdiff_t stride = width + 2;
      std::vector<std::int32_t> cells(
          static_cast<std::size_t>(stride * height + kOneDigitRowOverrun), kUntouched);
      const char* const start = lines.position();
      const char* p = start;
      const bool taken = one_digit_grid::takeOneDigitGridWith<RowBytes>(
          p, cells.data(), stride, width, height, kRowEnd, lines.chunkEnd());
      ASSERT_EQ(taken, plainAfterAll && small && gridInBlock)
          << grid << " in blocks of " << blockSize;
      if (!taken) {
        EXPECT_EQ(p, start);
        for (const std::int32_t cell : cells)
          ASSERT_EQ(cell, kUntouched) << grid;
        return;
      }
      EXPECT_EQ(p, start + grid.size());
      for (int r = 0; r < height; ++r) {
        const std::int32_t* const row = cells.data() + r * stride;
        for (int c = 0; c < width; ++c)
          ASSERT_EQ(row[c], grid[static_cast<std::size_t>(2 * (r * width + c))] - '0') << grid;
        ASSERT_EQ(row[width], kRowEnd) << grid;
      }
    });
  }
}

TEST(OneDigitGrids, AreTakenOnlyWhenWholeAndPlainWordWise) {
  expectOneDigitGridsTakenRight<one_digit_row::WordRowBytes>();
}
#if defined(__SSE2__)
TEST(OneDigitGrids, AreTakenOnlyWhenWholeAndPlainVectorWise) {
  expectOneDigitGridsTakenRight<one_digit_row::VectorRowBytes>();
}
#endif

}  // namespace
}  // namespace pelvano::test
