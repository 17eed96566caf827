#include "input/row_scanner.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "block_sizes.h"
#include "reference_row_scan.h"

namespace pelvano::test {
namespace {

constexpr RowProfile kLabels{999999999, false};
constexpr RowProfile kPopulations{1000000, true};

struct Refusal {
  RowFailure failure;
  std::int32_t argument;
};

// Scans the first line of `bytes`; on success also reads the line after it.
RowOutcome scan(const std::string& bytes, std::int32_t width, const RowProfile& profile,
                std::size_t blockSize, std::string* nextLine = nullptr) {
  MemoryByteSource source(bytes);
  LineSource lines(source, blockSize);
  RowOutcome outcome;
  outcome.numbers.assign(static_cast<std::size_t>(width), -1);
  std::int64_t total = 0;
  try {
    scanRow(lines, outcome.numbers.data(), width, profile, total,
            [](RowFailure failure, std::int32_t argument) {
              throw Refusal{failure, argument};
            });
    if (nextLine != nullptr) lines.readLine(*nextLine);
  } catch (const Refusal& refusal) {
    outcome.numbers.clear();
    outcome.refusal = std::pair{refusal.failure, refusal.argument};
  }
  return outcome;
}

struct RowCase {
  std::string line;
  std::int32_t width;
  RowProfile profile;
  RowOutcome expected;
};

TEST(RowScanner, ReadsOrRefusesRowsInEveryBlockSize) {
  using enum RowFailure;
  const auto refused = [](RowFailure failure, std::int32_t argument) {
    return RowOutcome{{}, std::pair{failure, argument}};
  };
  const std::vector<RowCase> cases = {
      {"  1\t 2\r3\v\f", 3, kLabels, {{1, 2, 3}, {}}},
      {"007 0 999999999", 3, kLabels, {{7, 0, 999999999}, {}}},
      {"123456789 1000000", 2, kPopulations, refused(kTooLarge, 1)},
      {"", 3, kLabels, refused(kTooFew, 0)},
      {"   ", 3, kLabels, refused(kTooFew, 0)},
      {"1 2 \t", 3, kLabels, refused(kTooFew, 2)},
      {"1 2 3 4", 3, kLabels, refused(kTooMany, 3)},
      {"1 2 3 x", 3, kLabels, refused(kTooMany, 3)},
      {"1 2 3x", 3, kLabels, refused(kNotDigit, 120)},
      {"1,2,3", 3, kLabels, refused(kNotDigit, 44)},
      {"-1 2 3", 3, kLabels, refused(kNotDigit, 45)},
      {std::string("1 \0 3", 5), 3, kLabels, refused(kNotDigit, 0)},
      {"1 \xe9", 3, kLabels, refused(kNotDigit, 233)},
      {"1 2147483648", 2, kLabels, refused(kOverflow, 2)},
      {"99999999999x", 1, kLabels, refused(kOverflow, 1)},  // the overflow comes first
      {"2147483647", 1, kLabels, refused(kTooLarge, 1)},
      {"1 1000001", 2, kPopulations, refused(kTooLarge, 2)},
  };
  for (const RowCase& c : cases) {
    for (const std::size_t blockSize : kBlockSizes) {
      // With LF, with CR LF, and as a last line without LF.
      for (const std::string end : {"\nnext\n", "\r\nnext\n", ""}) {
        std::string next;
        const RowOutcome actual = scan(c.line + end, c.width, c.profile, blockSize, &next);
        EXPECT_EQ(actual.refusal, c.expected.refusal) << '"' << c.line << "\" in " << blockSize;
        if (!c.expected.refusal) {
          EXPECT_EQ(actual.numbers, c.expected.numbers) << '"' << c.line << '"';
          EXPECT_EQ(next, end.empty() ? "" : "next") << '"' << c.line << '"';
        }
      }
    }
  }
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
                                "\v",
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
    RowOutcome expected = referenceScan(line, width, profile);
    if (expected.refusal) expected.numbers.clear();
    for (const std::size_t blockSize :
         {std::size_t{1}, std::size_t{3}, std::size_t{9}, LineSource::kDefaultBlockSize}) {
      const RowOutcome actual = scan(line + "\n", width, profile, blockSize);
      EXPECT_EQ(actual.refusal, expected.refusal) << line;
      EXPECT_EQ(actual.numbers, expected.numbers) << line;
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
}  // namespace pelvano::test
