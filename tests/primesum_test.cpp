#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "console/output.hpp"
#include "primesum/primesum.hpp"
#include "reference/primesum_reference.hpp"
#include "run_in_memory.hpp"

namespace {

TEST(IsPrime, KnownValues) {
  struct Case {
    std::int32_t x;
    int expected;
  };
  const std::vector<Case> cases = {
      {INT32_MIN, 1}, {-7, 1}, {-1, 1}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 0}, {5, 1},
      {7, 1}, {9, 0}, {11, 1}, {25, 0}, {49, 0}, {1681, 0}, {2147483647, 1},
      {2147395600, 0},  // 46340 squared
      {2147302921, 0},  // 46337 squared, the largest square of a prime below 2^31
      {25326001, 0},    // strong pseudoprime to bases 2, 3 and 5
  };
  for (const Case& c : cases) {
    EXPECT_EQ(primesum::is_prime(c.x), c.expected) << c.x;
  }
}

TEST(IsPrime, MatchesTrialDivisionFromMinus1000To2000000) {
  for (std::int32_t x = -1000; x <= 2000000; ++x) {
    ASSERT_EQ(primesum::is_prime(x), reference::is_prime(x)) << x;
  }
}

TEST(IsPrime, MatchesTrialDivisionAroundSquaresOfPrimes) {
  for (std::int64_t p = 2; p <= 46341; ++p) {
    if (reference::is_prime(static_cast<std::int32_t>(p)) == 0) continue;
    for (const std::int64_t x : {p * p - 2, p * p - 1, p * p, p * p + 1, p * p + 2, p * (p + 2)}) {
      if (x > INT32_MAX) continue;
      const auto v = static_cast<std::int32_t>(x);
      ASSERT_EQ(primesum::is_prime(v), reference::is_prime(v)) << v;
    }
  }
}

TEST(IsPrime, MatchesTrialDivisionOnARandomSample) {
  std::mt19937 rng(2024);
  std::uniform_int_distribution<std::int32_t> any(0, INT32_MAX);
  for (int i = 0; i < 100000; ++i) {
    const std::int32_t x = any(rng) | 1;  // odd: the interesting ones
    ASSERT_EQ(primesum::is_prime(x), reference::is_prime(x)) << x;
  }
  // Strong pseudoprimes to some of the bases, all composite.
  const std::int32_t pseudoprimes[] = {2047, 1373653, 25326001, 4759123,
                                       1194649, 12327121, 3057601, 104653};
  for (const std::int32_t x : pseudoprimes) {
    EXPECT_EQ(primesum::is_prime(x), reference::is_prime(x)) << x;
  }
}

std::string reference_walk(std::int64_t first, std::int64_t last) {
  std::string out;
  reference::walk(first, last, [&](std::int64_t n, std::int64_t j, std::int64_t k) {
    out += std::to_string(n) + "=" + std::to_string(j) + "+" + std::to_string(k) + "\n";
  });
  return out;
}

std::string fast_walk(std::int64_t first, std::int64_t last) {
  console::StringSink sink;
  console::Output out(sink, 256);
  primesum::walk(first, last, out);
  out.flush();
  return sink.text;
}

TEST(Walk, MatchesTheReferenceOnEverySmallRange) {
  for (std::int64_t first = -15; first <= 70; ++first) {
    for (std::int64_t last = first - 3; last <= 80; ++last) {
      std::int64_t a = first;
      std::int64_t b = last;
      reference::adjust(a, b);
      ASSERT_EQ(fast_walk(a, b), reference_walk(a, b)) << first << " " << last;
    }
  }
}

TEST(Walk, MatchesTheReferenceAcrossSieveWindows) {
  EXPECT_EQ(fast_walk(4, 600000), reference_walk(4, 600000));
  // Odd walks cost the plain search a pass over every addend for each number
  // that does not split, so they are compared on a shorter range.
  EXPECT_EQ(fast_walk(-3, 4001), reference_walk(-3, 4001));
}

TEST(Walk, MatchesTheReferenceOnRandomRanges) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<std::int64_t> start(-50, 2000000);
  std::uniform_int_distribution<std::int64_t> width(0, 300);
  for (int i = 0; i < 300; ++i) {
    std::int64_t a = start(rng);
    std::int64_t b = a + width(rng);
    reference::adjust(a, b);
    ASSERT_EQ(fast_walk(a, b), reference_walk(a, b)) << a << " " << b;
  }
}

TEST(Walk, MatchesTheReferenceAtTheTopOfTheRange) {
  EXPECT_EQ(fast_walk(2147483646 - 120, 2147483646), reference_walk(2147483646 - 120, 2147483646));
  EXPECT_EQ(fast_walk(-2147483647, -2147483600), "");
  // An odd walk that high: n = 2 + (n - 2) exactly where n - 2 is prime.
  console::StringSink sink;
  console::Output out(sink, 256);
  primesum::walk(2147483647 - 80, 2147483646, out);
  out.flush();
  std::string expected;
  for (std::int64_t n = 2147483647 - 80; n <= 2147483646; n += 2) {
    if (reference::is_prime(static_cast<std::int32_t>(n - 2))) {
      expected += std::to_string(n) + "=2+" + std::to_string(n - 2) + "\n";
    }
  }
  EXPECT_EQ(sink.text, expected);
}

TEST(PrimesumRun, ReadsPairsAndWritesEachRangeWithAnEmptyLine) {
  struct Case {
    std::string input;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"4 10\n", "4=2+2\n6=3+3\n8=3+5\n10=3+7\n\n"},
      {"3 9", "4=2+2\n6=3+3\n8=3+5\n\n"},
      {"9 10\n4 4\n", "10=3+7\n\n4=2+2\n\n"},
      {"10 4 4 0 5 5 1 2", "\n\n\n\n"},
      {"-6 8", "4=2+2\n6=3+3\n8=3+5\n\n"},
      {"-3 9", "3=2+1\n5=2+3\n7=2+5\n\n"},
      {"-3 12", "3=2+1\n5=2+3\n7=2+5\n9=2+7\n\n"},
      {"4\n\n10\n12 12", "4=2+2\n6=3+3\n8=3+5\n10=3+7\n\n12=5+7\n\n"},
      {"+004 -0", "\n"},
      {"4 6 0 7 8 10", "4=2+2\n6=3+3\n\n"},
      {"4 6 0", "4=2+2\n6=3+3\n\n"},
      {"0 junk 4 6", ""},
      {"2147483647 2147483647", "\n"},
      {"2147483640 2147483647", reference_walk(2147483640, 2147483646) + "\n"},
      {"-2147483648 -2147483000", "\n"},
  };
  for (const Case& c : cases) {
    for (const std::size_t chunk : {std::size_t{1}, SIZE_MAX}) {
      const auto result = testing_support::run(primesum::run, c.input, chunk);
      EXPECT_EQ(result.out, c.expected) << c.input;
      EXPECT_FALSE(result.error) << c.input << ": " << *result.error;
    }
  }
}

TEST(PrimesumRun, StopsAtBadInputKeepingWhatWasWritten) {
  struct Case {
    std::string input;
    std::string expected_out;
    std::string expected_error;
  };
  const std::string range = "expected an integer from -2147483648 to 2147483647, got ";
  const std::vector<Case> cases = {
      {"4 x", "", range + "'x' (line 1)"},
      {"4 6\nabc 8", "4=2+2\n6=3+3\n\n", range + "'abc' (line 2)"},
      {"4 6\n8", "4=2+2\n6=3+3\n\n",
       "expected the second number of the pair, got end of input (line 2)"},
      {"2147483648 5", "", range + "'2147483648' (line 1)"},
      {"4 -2147483649", "", range + "'-2147483649' (line 1)"},
      {"4 1e3", "", range + "'1e3' (line 1)"},
      {"0x10 4", "", range + "'0x10' (line 1)"},
      {"4 6,", "", range + "'6,' (line 1)"},
      {"- 4", "", range + "'-' (line 1)"},
      {"4\n\n" + std::string(5000, '9'), "", range + "'" + std::string(40, '9') + "...' (line 3)"},
  };
  for (const Case& c : cases) {
    const auto result = testing_support::run(primesum::run, c.input, 3);
    EXPECT_EQ(result.out, c.expected_out) << c.input;
    ASSERT_TRUE(result.error) << c.input;
    EXPECT_EQ(*result.error, c.expected_error) << c.input;
  }
}

}  // namespace
