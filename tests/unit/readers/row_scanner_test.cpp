#include "readers/row_scanner.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "block_sizes.h"
#include "profiled_scan.h"
#include "reference_row_scan.h"

namespace pelvano::test {
namespace {

constexpr RowProfile kLabels = kLongLabelRows;
constexpr RowProfile kPopulations = kPopulationRows;

struct Refusal {
  RowFailure failure;
  std::int32_t argument;
};

// Scans the first line of `bytes`; on success also reads the line after it.
RowOutcome scan(const std::string& bytes, std::int32_t width, const RowProfile& profile,
                std::size_t blockSize, std::string* nextLine = nullptr, std::int64_t total = 0) {
  MemoryByteSource source(bytes);
  LineSource lines(source, blockSize);
  RowOutcome outcome;
  // With the room a label row's scanner may write past the row, as the readers give it.
  outcome.numbers.assign(static_cast<std::size_t>(width + kOneDigitRowOverrun), -1);
  try {
    // As the readers do before a row: its first chunk is read (some cases here have no line).
    static_cast<void>(lines.atEnd());
    scanRowAs(profile, lines, outcome.numbers.data(), width, total,
              [](RowFailure failure, std::int32_t argument) {
                throw Refusal{failure, argument};
              });
    outcome.numbers.resize(static_cast<std::size_t>(width));
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
      // Labels that stand again, taken as repeats where they can be.
      {"12 12 12", 3, kLabels, {{12, 12, 12}, {}}},
      {"123456789 9 9", 3, kLabels, {{123456789, 9, 9}, {}}},  // a number over three blocks
      {"1 1 12 1 1 1", 6, kLabels, {{1, 1, 12, 1, 1, 1}, {}}},
      {"12 123 12 1 12", 5, kLabels, {{12, 123, 12, 1, 12}, {}}},
      {"007 007 7 07", 4, kLabels, {{7, 7, 7, 7}, {}}},
      {"5 5\t\t5 \r 5", 4, kLabels, {{5, 5, 5, 5}, {}}},
      {"000000000000012 000000000000012", 2, kLabels, {{12, 12}, {}}},
      {"00000000000000001 00000000000000001", 2, kLabels, {{1, 1}, {}}},
      {"12 12x", 2, kLabels, refused(kNotDigit, 120)},
      {"12 12 12 12", 3, kLabels, refused(kTooMany, 3)},
      {"12 12", 3, kLabels, refused(kTooFew, 2)},
      {"999999999 999999999 9999999999", 3, kLabels, refused(kOverflow, 3)},
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
    std::string piece = pieces[0];
    for (unsigned n = random() % 12; n > 0; --n) {
      // Half the time the piece before stands again, as labels do along a row.
      if (random() % 2) piece = pieces[random() % std::size(pieces)];
      line += piece;
      if (random() % 2) line += ' ';
    }
    const std::int32_t width = 1 + static_cast<std::int32_t>(random() % 4);
    constexpr RowProfile kProfiles[] = {kLongLabelRows, kShortLabelRows, kPopulationRows};
    const RowProfile& profile = kProfiles[random() % 3];
    RowOutcome expected = referenceScan(line, width, profile);
    if (expected.refusal) expected.numbers.clear();
    for (const std::size_t blockSize :
         {std::size_t{1}, std::size_t{3}, std::size_t{9}, LineSource::kDefaultChunkSize}) {
      const RowOutcome actual = scan(line + "\n", width, profile, blockSize);
      EXPECT_EQ(actual.refusal, expected.refusal) << line;
      EXPECT_EQ(actual.numbers, expected.numbers) << line;
    }
  }
}

// Long rows written plainly but for one fault at a random place (a stray byte, a second blank,
// a number of 8 or more digits or beyond the limit, a line too short or too long), and labels
// in runs: the windows of 64 bytes, and the copies of a label found a window at a time, end
// where the bytewise reading says, in blocks that end anywhere in a window.
TEST(RowScanner, AgreesWithTheBytewiseAlgorithmOnLongPlainRows) {
  std::mt19937 random(25);
  const std::string faults[] = {"x", " ", "\t", "\r", "12345678", "1000001", "99999999999", "\n"};
  for (int round = 0; round < 4000; ++round) {
    const std::int32_t width = 16 + static_cast<std::int32_t>(random() % 40);
    std::string line;
    std::string number = "1";
    for (std::int32_t j = 0; j < width; ++j) {
      // Runs of one number, as labels stand, or a new number of 1 to 7 digits.
      if (random() % 4 == 0) number = std::to_string(random() % kPowersOfTen[1 + random() % 7]);
      line += number + (j + 1 < width ? " " : "");
    }
    const std::size_t at = random() % (line.size() + 1);
    if (random() % 4 != 0) line.insert(at, faults[random() % std::size(faults)]);
    if (random() % 8 == 0) line += " 7";
    const RowProfile& profile = random() % 2 ? kLongLabelRows : kPopulationRows;
    RowOutcome expected = referenceScan(line.substr(0, line.find('\n')), width, profile);
    if (expected.refusal) expected.numbers.clear();
    for (const std::size_t blockSize :
         {std::size_t{64}, std::size_t{100}, std::size_t{131}, LineSource::kDefaultChunkSize}) {
      const RowOutcome actual = scan(line + "\n", width, profile, blockSize);
      EXPECT_EQ(actual.refusal, expected.refusal) << line << " in " << blockSize;
      EXPECT_EQ(actual.numbers, expected.numbers) << line << " in " << blockSize;
    }
#if defined(__SSE2__)
    // The plain words' form of each path takes what the vector form takes, and stops where it
    // stops.
    const std::string bytes = line + "\n" + std::string(80, '\n');
    const char* const chunkEnd = bytes.data() + bytes.size() - 16;
    const auto bothForms = [&](auto take) {
      std::vector<std::int32_t> words(static_cast<std::size_t>(width) + 3, -1);
      std::vector<std::int32_t> vector = words;
      const PlainNumbers byWords =
          take(plain_window::WordPlainWindow{}, bytes.data(), words.data(), chunkEnd);
      const PlainNumbers byVector =
          take(plain_window::VectorPlainWindow{}, bytes.data(), vector.data(), chunkEnd);
      EXPECT_EQ(byWords.taken, byVector.taken) << line;
      EXPECT_EQ(byWords.next, byVector.next) << line;
      words.resize(static_cast<std::size_t>(byWords.taken));
      vector.resize(static_cast<std::size_t>(byWords.taken));
      EXPECT_EQ(words, vector) << line;
    };
    bothForms([&]<class Window>(Window, const char* p, std::int32_t* out, const char* end) {
      return plain_window::takePlainNumbersIn<Window>(p, out, width, end);
    });
    bothForms([&]<class Window>(Window, const char* p, std::int32_t* out, const char* end) {
      return label_runs::takeLabelRunsIn<Window>(p, out, width, end);
    });
#endif
  }
}

// A row whose numbers and line end fall across a block's end at every offset: block sizes of up
// to 40 bytes, and the row shifted by up to 31 blanks, put each boundary at every position of a
// 32-byte window; in blocks of 64 bytes and more, the numbers are looked at a window of 64 at
// a time, and the fault at every position of one. Labels that repeat, and populations written
// plainly (1 to 7 digits, one blank between) but for one number of 8 digits, one too large,
// or a running total that passes its bound within the row: each taken at once or read in full
// with the same outcome.
TEST(RowScanner, TakesRowsAcrossBlockEndsAtEveryOffset) {
  struct Row {
    RowProfile profile;
    std::string numbers;
    std::int64_t total;  // before the row
  };
  const std::string plain =
      "1000000 0 7 0000001 12 999999 5 5 5 65536 1 22 333 4444 55555 666666 1000000 ";
  const std::vector<Row> rows = {
      {kLongLabelRows,
       "123456789 123456789 123456789 42 42\t42 42 7 7 7 0 0 000000000000012 000000000000012 "
       "12 12",
       0},
      {kShortLabelRows,
       "123456789 123456789 123456789 42 42\t42 42 7 7 7 0 0 000000000000012 000000000000012 "
       "12 12",
       0},
      {kLongLabelRows, "5 5 5 5 5 5 17 17 17 17 17 17 17 17 17 17 17 17", 0},
      {kLongLabelRows, "3 31 31 31 31 31 31 31 31 31 31 31 31  31 31 31 31 31", 0},
      {kPopulationRows, plain + "0", 0},
      {kPopulationRows, "999999 0 7 0000001 12 99999 5 5 5 65536 1 22 333 4444 55555 666666 8 9",
       0},
      {kPopulationRows, plain + "00000012", 0},
      {kPopulationRows, "1 2 3 4 5 6 7 8 9 1000001 " + plain.substr(20), 0},
      {kPopulationRows, plain + "3", kMaxTotalPopulation - 4000000},
      {kPopulationRows, plain + "3", kMaxTotalPopulation - 6000000},
  };
  const std::int32_t width = 18;
  for (const Row& row : rows) {
    for (const std::string end : {"\n", "\r\n", " 1\n", "1\n", " \n"}) {
      for (std::size_t shift = 0; shift < 32; shift += 3) {
        const std::string line = std::string(shift, ' ') + row.numbers + end;
        RowOutcome expected =
            referenceScan(line.substr(0, line.find('\n')), width, row.profile, row.total);
        if (expected.refusal) expected.numbers.clear();
        for (std::size_t blockSize = 1; blockSize <= 160; blockSize += blockSize < 40 ? 1 : 7) {
          const RowOutcome actual = scan(line, width, row.profile, blockSize, nullptr, row.total);
          EXPECT_EQ(actual.refusal, expected.refusal) << line << shift << " in " << blockSize;
          EXPECT_EQ(actual.numbers, expected.numbers) << line << shift << " in " << blockSize;
        }
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
    std::int32_t numbers[3 + kOneDigitRowOverrun];
    std::int64_t total = 0;
    EXPECT_THROW(scanRow<kLabels>(lines, numbers, 3, total,
                                  [](RowFailure failure, std::int32_t argument) {
                                    throw Refusal{failure, argument};
                                  }),
                 Refusal);
    EXPECT_EQ(source.delivered, settledAt) << line.substr(0, 12);
  }
}

}  // namespace
}  // namespace pelvano::test
