#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "hexdigits/hexdigits.hpp"
#include "run_in_memory.hpp"

namespace {

// What printf makes of the pattern, spaced out.
std::string spaced_printf(std::uint32_t value) {
  char plain[16];
  std::snprintf(plain, sizeof plain, "%08X", value);
  std::string spaced;
  for (int i = 0; i < 8; ++i) {
    spaced += plain[i];
    spaced += i == 7 ? '\n' : ' ';
  }
  return spaced;
}

std::string digits(std::uint32_t value) {
  char out[16];
  return {out, hexdigits::format_digits(out, value)};
}

TEST(FormatDigits, MatchesPrintfOnPowersOfTwoTheirNeighboursAndASample) {
  std::vector<std::uint32_t> values = {0, 26, 255, 0xffffffffu, 0xfffffff0u, 0x80000000u, 0x7fffffffu};
  for (int bit = 0; bit < 32; ++bit) {
    const std::uint32_t power = std::uint32_t{1} << bit;
    values.insert(values.end(), {power - 1, power, power + 1, ~power});
  }
  std::mt19937 rng(9);
  for (int i = 0; i < 1000000; ++i) values.push_back(static_cast<std::uint32_t>(rng()));
  for (const std::uint32_t v : values) ASSERT_EQ(digits(v), spaced_printf(v)) << v;
}

const std::string kPrompts =
    "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6\xb5\xc4\xd7\xe9\xca\xfd: "
    "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6:\n";

TEST(HexdigitsRun, WritesALinePerNumber) {
  struct Case {
    std::string input;
    std::string lines;  // after the two prompts
  };
  const std::vector<Case> cases = {
      {"1 0", "0 0 0 0 0 0 0 0\n"},
      {"2\n26\n255\n", "0 0 0 0 0 0 1 A\n0 0 0 0 0 0 F F\n"},
      {"3 -1 -16 -2147483648", "F F F F F F F F\nF F F F F F F 0\n8 0 0 0 0 0 0 0\n"},
      {"2 4294967295 +2147483648", "F F F F F F F F\n8 0 0 0 0 0 0 0\n"},
      {"1 007 junk after the last group", "0 0 0 0 0 0 0 7\n"},
      {"0", ""},
      {"0 not read", ""},
      {"-5 1 2", ""},
  };
  for (const Case& c : cases) {
    const auto result = testing_support::run(hexdigits::run, c.input, 2);
    EXPECT_FALSE(result.error) << c.input << ": " << *result.error;
    EXPECT_EQ(result.out, kPrompts + c.lines) << c.input;
  }
}

TEST(HexdigitsRun, StopsAtBadInputKeepingTheLinesBefore) {
  const std::string number = "expected an integer from -2147483648 to 4294967295, got ";
  struct Case {
    std::string input;
    std::string out;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"", "", "expected the number of groups, got end of input (line 1)"},
      {"three", "",
       "expected the number of groups, an integer from -2147483648 to 2147483647, got 'three' (line 1)"},
      {"3 1 0x1F 2", "0 0 0 0 0 0 0 1\n", number + "'0x1F' (line 1)"},
      {"2\n12abc 5", "", number + "'12abc' (line 2)"},
      {"1 4294967296", "", number + "'4294967296' (line 1)"},
      {"1 -2147483649", "", number + "'-2147483649' (line 1)"},
      {"5\n1\n2\n", "0 0 0 0 0 0 0 1\n0 0 0 0 0 0 0 2\n",
       "expected 5 numbers, got end of input after 2 (line 3)"},
  };
  for (const Case& c : cases) {
    const auto result = testing_support::run(hexdigits::run, c.input);
    ASSERT_TRUE(result.error) << c.input;
    EXPECT_EQ(*result.error, c.error) << c.input;
    const std::string prompts = c.input.empty() || c.input == "three" ? kPrompts.substr(0, 26) : kPrompts;
    EXPECT_EQ(result.out, prompts + c.out) << c.input;
  }
}

}  // namespace
