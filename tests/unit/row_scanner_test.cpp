#include "input/row_scanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "block_sizes.h"
#include "reference_row_scan.h"

namespace pelvano {
namespace {

constexpr RowProfile kLabels{999999999, false};
constexpr RowProfile kPopulations{1000000, true};

struct Refusal {
  RowFailure failure;
  std::int32_t argument;
};

struct Outcome {
  std::vector<std::int32_t> numbers;  // when accepted
  std::optional<Refusal> refusal;
  std::string nextLine;  // the line read after an accepted row
};

Outcome scan(const std::string& bytes, std::int32_t width, const RowProfile& profile,
             std::size_t blockSize, std::int64_t total = 0) {
  MemoryByteSource source(bytes);
  LineSource lines(source, blockSize);
  Outcome outcome;
  outcome.numbers.assign(static_cast<std::size_t>(width), -1);
  try {
    scanRow(lines, outcome.numbers.data(), width, profile, total,
            [](RowFailure failure, std::int32_t argument) {
              throw Refusal{failure, argument};
            });
    lines.readLine(outcome.nextLine);
  } catch (const Refusal& refusal) {
    outcome.refusal = refusal;
  }
  return outcome;
}

struct AcceptCase {
  std::string line;
  std::int32_t width;
  std::vector<std::int32_t> expected;
};

TEST(RowScanner, AcceptsRowsInEveryBlockSize) {
  const std::vector<AcceptCase> cases = {
      {"1 2 3", 3, {1, 2, 3}},       {"  1\t 2 3  ", 3, {1, 2, 3}},
      {"1\r2\v3\f", 3, {1, 2, 3}},   {"007 0 10", 3, {7, 0, 10}},
      {"999999999", 1, {999999999}}, {"123456789 987654321", 2, {123456789, 987654321}},
  };
  for (const AcceptCase& c : cases) {
    for (const std::size_t blockSize : kBlockSizes) {
      // With LF, with CR LF, and as a last line without LF.
      for (const std::string end : {"\nnext\n", "\r\nnext\n", ""}) {
        const Outcome outcome = scan(c.line + end, c.width, kLabels, blockSize);
        ASSERT_FALSE(outcome.refusal) << '"' << c.line << "\" in blocks of " << blockSize;
        EXPECT_EQ(outcome.numbers, c.expected) << '"' << c.line << '"';
        EXPECT_EQ(outcome.nextLine, end.empty() ? "" : "next") << '"' << c.line << '"';
      }
    }
  }
}

struct RefuseCase {
  std::string line;
  std::int32_t width;
  RowProfile profile;
  RowFailure failure;
  std::int32_t argument;
};

TEST(RowScanner, RefusesWithKindAndArgumentInEveryBlockSize) {
  using enum RowFailure;
  const std::vector<RefuseCase> cases = {
      {"", 3, kLabels, kTooFew, 0},
      {"   ", 3, kLabels, kTooFew, 0},
      {"\r", 3, kLabels, kTooFew, 0},
      {"1 2", 3, kLabels, kTooFew, 2},
      {"1 2 \t", 3, kLabels, kTooFew, 2},
      {"1 2 3 4", 3, kLabels, kTooMany, 3},
      {"1 2 3 x", 3, kLabels, kTooMany, 3},
      {"1 2 x", 3, kLabels, kNotDigit, 120},
      {"1 2 3x", 3, kLabels, kNotDigit, 120},
      {"1,2,3", 3, kLabels, kNotDigit, 44},
      {"-1 2 3", 3, kLabels, kNotDigit, 45},
      {"+1 2 3", 3, kLabels, kNotDigit, 43},
      {std::string("1 \0 3", 5), 3, kLabels, kNotDigit, 0},
      {"1 \xe9", 3, kLabels, kNotDigit, 233},
      {"2147483648", 1, kLabels, kOverflow, 1},
      {"1 99999999999", 2, kLabels, kOverflow, 2},
      {"1 99999999999x", 2, kLabels, kOverflow, 2},  // the overflow comes first
      {"2147483647", 1, kLabels, kTooLarge, 1},
      {"1 1000000000", 2, kLabels, kTooLarge, 2},
      {"1 1000001", 2, kPopulations, kTooLarge, 2},
      {"1 1000000 1", 2, kPopulations, kTooMany, 2},  // fine up to the extra number
  };
  for (const RefuseCase& c : cases) {
    for (const std::size_t blockSize : kBlockSizes) {
      const Outcome outcome = scan(c.line + "\n", c.width, c.profile, blockSize);
      ASSERT_TRUE(outcome.refusal) << '"' << c.line << "\" in blocks of " << blockSize;
      EXPECT_EQ(outcome.refusal->failure, c.failure) << '"' << c.line << '"';
      EXPECT_EQ(outcome.refusal->argument, c.argument) << '"' << c.line << '"';
    }
  }
}

TEST(RowScanner, TestsTheRunningTotalAfterEveryNumber) {
  // 1999000000 so far: the first number may reach the bound exactly, the next passes it.
  const Outcome refused = scan("1000000 1 5\n", 3, kPopulations, 4, 1999000000);
  ASSERT_TRUE(refused.refusal);
  EXPECT_EQ(refused.refusal->failure, RowFailure::kTotal);
  EXPECT_EQ(refused.refusal->argument, 2);

  const Outcome accepted = scan("1000000 0\n", 2, kPopulations, 4, 1999000000);
  EXPECT_FALSE(accepted.refusal);

  // Labels keep no total.
  EXPECT_FALSE(scan("999999999 999999999 999999999\n", 3, kLabels, 4, 1999000000).refusal);
}

TEST(RowScanner, AgreesWithTheBytewiseAlgorithmOnRandomRows) {
  std::mt19937 random(8);
  const std::string pieces[] = {"0",
                                "7",
                                "12345678",
                                "123456789",
                                "999999999",
                                "1000000",
                                "00000000000000001",
                                "2147483647",
                                "2147483648",
                                "99999999999999999999",
                                " ",
                                "\t",
                                "\r",
                                "  ",
                                "x",
                                "-",
                                std::string(1, '\0'),
                                "\xb0",
                                "/",
                                ":"};
  for (int round = 0; round < 3000; ++round) {
    std::string line;
    for (unsigned n = random() % 12; n > 0; --n) {
      line += pieces[random() % std::size(pieces)];
      if (random() % 2) line += ' ';
    }
    const std::int32_t width = 1 + static_cast<std::int32_t>(random() % 4);
    const RowProfile& profile = random() % 2 ? kLabels : kPopulations;
    const testing::RowOutcome expected = testing::referenceScan(line, width, profile);
    for (const std::size_t blockSize :
         {std::size_t{1}, std::size_t{3}, std::size_t{9}, LineSource::kDefaultBlockSize}) {
      const Outcome actual = scan(line + "\nnext\n", width, profile, blockSize);
      ASSERT_EQ(actual.refusal.has_value(), expected.refusal.has_value()) << line;
      if (expected.refusal) {
        EXPECT_EQ(actual.refusal->failure, expected.refusal->first) << line;
        EXPECT_EQ(actual.refusal->argument, expected.refusal->second) << line;
      } else {
        EXPECT_EQ(actual.numbers, expected.numbers) << line;
        EXPECT_EQ(actual.nextLine, "next") << line;
      }
    }
  }
}

// Counts the bytes handed out, to show how far a scan read.
class CountingSource final : public ByteSource {
 public:
  explicit CountingSource(std::string_view bytes) : inner_(bytes) {}
  std::size_t read(char* into, std::size_t capacity) override {
    const std::size_t count = inner_.read(into, capacity);
    delivered += count;
    return count;
  }
  std::size_t delivered = 0;

 private:
  MemoryByteSource inner_;
};

TEST(RowScanner, ReadsNothingPastTheByteThatSettlesTheRow) {
  const std::string tail(1000, ' ');
  const std::vector<std::pair<std::string, std::size_t>> cases = {
      {"1 x 3" + tail, 3},         // the x
      {"1 2 3 4" + tail, 7},       // the 4
      {"99999999999" + tail, 10},  // the tenth digit
  };
  for (const auto& [line, settledAt] : cases) {
    CountingSource source(line);
    LineSource lines(source, 1);
    std::int32_t numbers[3];
    std::int64_t total = 0;
    EXPECT_THROW(scanRow(lines, numbers, 3, kLabels, total,
                         [](RowFailure failure, std::int32_t argument) {
                           throw Refusal{failure, argument};
                         }),
                 Refusal);
    EXPECT_EQ(source.delivered, settledAt) << line.substr(0, 12);
  }
}

}  // namespace
}  // namespace pelvano
