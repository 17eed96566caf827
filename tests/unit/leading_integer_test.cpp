#include "input/leading_integer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelvano {
namespace {

struct OneCase {
  std::string text;
  std::optional<std::int32_t> expected;
};

TEST(LeadingInteger, ParsesLikeScanfAndSaturates) {
  const std::vector<OneCase> cases = {
      {"3 test cases", 3},
      {"  \t-12345", -12345},
      {"+7", 7},
      {"007", 7},
      {"12ab56", 12},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"99999999999", 2147483647},
      {"-2147483648", -2147483648},
      {"-99999999999", -2147483648},
      {"000000000000000000000042", 42},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abcdef", std::nullopt},
      {"-", std::nullopt},
      {"- 5", std::nullopt},
      {"--5", std::nullopt},
      {std::string("\0"
                   "12",
                   3),
       std::nullopt},
      {std::string("12\0"
                   "34",
                   5),
       12},
      {"\xff"
       "1",
       std::nullopt},
  };
  for (const OneCase& c : cases) {
    EXPECT_EQ(parseLeadingInteger(c.text), c.expected) << '"' << c.text << '"';
  }
}

struct FourCase {
  std::string text;
  std::vector<std::int32_t> expected;
};

TEST(LeadingInteger, ReadsUpToFourInARow) {
  const std::vector<FourCase> cases = {
      {"1 3 2 2", {1, 3, 2, 2}},
      {"1-2 3 4", {1, -2, 3, 4}},
      {"1 5 5 3 and more", {1, 5, 5, 3}},
      {"1 2 3 4 5", {1, 2, 3, 4}},
      {"1 2 2", {1, 2, 2}},
      {"1 x 2 2", {1}},
      {"\t1\r2\v3\f4", {1, 2, 3, 4}},
      {"1 99999999999 1 1", {1, 2147483647, 1, 1}},
      {"", {}},
  };
  for (const FourCase& c : cases) {
    const LeadingIntegers parsed = parseLeadingIntegers(c.text);
    EXPECT_EQ(std::vector<std::int32_t>(parsed.values, parsed.values + parsed.count), c.expected)
        << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace pelvano
