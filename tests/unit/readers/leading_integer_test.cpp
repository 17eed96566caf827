#include "readers/leading_integer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelvano::test {
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

TEST(LeadingInteger, ReadsFourInARowAsTheCaseLineNeeds) {
  const LeadingIntegers parsed = parseLeadingIntegers("\t1-2\r3\v4 5 and more");
  ASSERT_EQ(parsed.count, 4);
  EXPECT_EQ(std::vector<std::int32_t>(parsed.values, parsed.values + 4),
            (std::vector<std::int32_t>{1, -2, 3, 4}));
  EXPECT_EQ(parseLeadingIntegers("1 2 x 4").count, 2);
}

}  // namespace
}  // namespace pelvano::test
