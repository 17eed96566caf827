#include "platform/line_source.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "block_sizes.h"

namespace pelvano::test {
namespace {

// Every line read whole, or read as a view.
std::vector<std::string> readAllLines(std::string_view bytes, std::size_t blockSize,
                                      bool asViews = false) {
  MemoryByteSource source(bytes);
  LineSource lines(source, blockSize);
  std::vector<std::string> result;
  std::string line;
  if (asViews) {
    while (const std::optional<std::string_view> view = lines.viewLine(line))
      result.emplace_back(*view);
  } else {
    while (lines.readLine(line))
      result.push_back(line);
  }
  EXPECT_TRUE(line.empty());
  EXPECT_TRUE(lines.atEnd());
  return result;
}

struct LinesCase {
  std::string bytes;
  std::vector<std::string> expected;
};

TEST(LineSource, SplitsLinesTheSameInEveryBlockSize) {
  using namespace std::string_literals;
  const std::vector<LinesCase> cases = {
      {"", {}},
      {"\n", {""}},
      {"a\nb\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\r\n", {"a\r"}},
      {"a\r", {"a\r"}},  // only a CR before an LF belongs to the line end
      {"\r\n\r\n", {"", ""}},
      {"\r\n\n\r", {"", "", "\r"}},
      {"\r\r\n\n", {"\r", ""}},
      {"a\rb\n", {"a\rb"}},
      {"\n\n\nx", {"", "", "", "x"}},
      {"  \n", {"  "}},
      {"a\0b\n"s, {"a\0b"s}},
      {"\xff\x80\n", {"\xff\x80"}},
  };
  for (const LinesCase& c : cases) {
    for (const std::size_t blockSize : kBlockSizes) {
      for (const bool asViews : {false, true}) {
        EXPECT_EQ(readAllLines(c.bytes, blockSize, asViews), c.expected)
            << '"' << c.bytes << "\" in blocks of " << blockSize << (asViews ? ", as views" : "");
      }
    }
  }
}

struct HeadCase {
  std::string bytes;
  std::size_t keep;
  std::string head;
  std::size_t length;
};

TEST(LineSource, KeepsOnlyTheHeadOfALongLine) {
  const std::vector<HeadCase> cases = {
      {"123456\nnext\n", 7, "123456", 6},
      {"123456\r\nnext\n", 7, "123456", 6},
      {"1234567\r\nnext\n", 7, "1234567", 7},
      {"12345678\r\nnext\n", 7, "1234567", 8},
      {"123456\r\r\nnext\n", 7, "123456\r", 7},
      {"\r\nnext\n", 7, "", 0},
      {std::string(1000, 'x') + "\nnext\n", 3, "xxx", 1000},
      {"12345\r", 7, "12345\r", 6},  // no LF: the CR belongs to the line
  };
  for (const HeadCase& c : cases) {
    for (const std::size_t blockSize : kBlockSizes) {
      MemoryByteSource source(c.bytes);
      LineSource lines(source, blockSize);
      std::string head;
      EXPECT_EQ(lines.readLineHead(head, c.keep), c.length) << '"' << c.bytes << '"';
      EXPECT_EQ(head, c.head) << '"' << c.bytes << "\" in blocks of " << blockSize;
      std::string next;
      lines.readLine(next);
      EXPECT_EQ(next, c.bytes.find('\n') == std::string::npos ? "" : "next") << '"' << c.bytes;
    }
  }
  MemoryByteSource empty("");
  LineSource lines(empty);
  std::string head;
  EXPECT_EQ(lines.readLineHead(head, 7), std::nullopt);
}

}  // namespace
}  // namespace pelvano::test
