#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "console/failure.hpp"
#include "console/input.hpp"
#include "console/output.hpp"
#include "console/parse.hpp"

namespace {

struct Word {
  std::string text;
  std::uint64_t line;
  bool truncated = false;
};

std::vector<Word> tokens_of(std::string_view input, std::size_t chunk, std::size_t capacity) {
  console::MemorySource source(input, chunk);
  console::Input in(source, nullptr, capacity);
  std::vector<Word> words;
  while (const auto token = in.token()) {
    words.push_back({std::string(token->text), token->line, token->truncated});
  }
  return words;
}

TEST(Tokens, SplitOnCWhiteSpaceWithLineNumbersWhateverTheBlockSize) {
  struct Case {
    std::string input;
    std::vector<std::pair<std::string, std::uint64_t>> expected;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {" \t\n\v\f\r ", {}},
      {"4 10", {{"4", 1}, {"10", 1}}},
      {"4\n10\n", {{"4", 1}, {"10", 2}}},
      {"\n\n  -3\t\t+12\r\n", {{"-3", 3}, {"+12", 3}}},
      {"a\vb\fc", {{"a", 1}, {"b", 1}, {"c", 1}}},
      {std::string("x\0y z", 5), {{std::string("x\0y", 3), 1}, {"z", 1}}},
      {"\xd5\xc5\xc8\xfd 7", {{"\xd5\xc5\xc8\xfd", 1}, {"7", 1}}},
      {"last-without-newline", {{"last-without-newline", 1}}},
  };
  for (const Case& c : cases) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{3}, SIZE_MAX}) {
      for (const std::size_t capacity : {std::size_t{1}, std::size_t{4}, std::size_t{65536}}) {
        const auto words = tokens_of(c.input, chunk, capacity);
        ASSERT_EQ(words.size(), c.expected.size()) << c.input << " chunk " << chunk;
        for (std::size_t i = 0; i < words.size(); ++i) {
          EXPECT_EQ(words[i].text, c.expected[i].first) << c.input << " chunk " << chunk;
          EXPECT_EQ(words[i].line, c.expected[i].second) << c.input << " chunk " << chunk;
          EXPECT_FALSE(words[i].truncated);
        }
      }
    }
  }
}

TEST(Tokens, AnOverlongTokenIsCutAndSkippedWithoutStoringIt) {
  const std::string digits(100000, '7');
  for (const std::size_t chunk : {std::size_t{7}, std::size_t{4096}, SIZE_MAX}) {
    const auto words = tokens_of("1 " + digits + "\n2", chunk, 1024);
    ASSERT_EQ(words.size(), 3u) << chunk;
    EXPECT_EQ(words[0].text, "1");
    EXPECT_TRUE(words[1].truncated);
    EXPECT_EQ(words[1].text, std::string(console::Input::kMaxToken, '7'));
    EXPECT_EQ(words[2].text, "2");
    EXPECT_EQ(words[2].line, 2u);
    EXPECT_FALSE(words[2].truncated);
  }
  // Exactly the longest kept length is still whole.
  const std::string longest(console::Input::kMaxToken, '9');
  const auto words = tokens_of(longest, 5, 16);
  ASSERT_EQ(words.size(), 1u);
  EXPECT_FALSE(words[0].truncated);
  EXPECT_EQ(words[0].text, longest);
}

TEST(Blocks, HandOutEveryByteOnceAndThenNothing) {
  const std::string input = "ab\ncd\0ef";
  console::MemorySource source(input, 3);
  console::Input in(source, nullptr, 2);
  std::string seen;
  for (auto bytes = in.block(); !bytes.empty(); bytes = in.block()) {
    EXPECT_LE(bytes.size(), 2u);
    seen.append(bytes.data(), bytes.size());
  }
  EXPECT_EQ(seen, input);
  EXPECT_TRUE(in.block().empty());
}

// A source that notes how much output had reached the sink at each read.
class WatchingSource : public console::Source {
 public:
  WatchingSource(std::string_view text, const console::StringSink& sink) : text_(text), sink_(sink) {}
  std::size_t read(char* buffer, std::size_t size) override {
    seen_at_read.push_back(sink_.text);
    const std::size_t n = std::min({size, std::size_t{2}, text_.size()});
    std::memcpy(buffer, text_.data(), n);
    text_.remove_prefix(n);
    return n;
  }
  std::vector<std::string> seen_at_read;

 private:
  std::string_view text_;
  const console::StringSink& sink_;
};

TEST(Blocks, OutputIsFlushedBeforeEveryRead) {
  console::StringSink sink;
  console::Output out(sink);
  WatchingSource source("1 2", sink);
  console::Input in(source, &out);
  out.put("prompt: ");
  ASSERT_TRUE(in.token());  // "1", then the read that finds the blank
  out.put("one\n");
  ASSERT_TRUE(in.token());
  ASSERT_FALSE(in.token());
  ASSERT_GE(source.seen_at_read.size(), 2u);
  EXPECT_EQ(source.seen_at_read.front(), "prompt: ");
  EXPECT_EQ(source.seen_at_read.back(), "prompt: one\n");
}

TEST(Output, KeepsEveryByteInOrderAcrossBufferBoundaries) {
  console::StringSink sink;
  std::string expected;
  {
    console::Output out(sink, 64);
    for (int i = 0; i < 500; ++i) {
      const std::string piece(static_cast<std::size_t>(i % 150), static_cast<char>('a' + i % 26));
      out.put(piece);
      out.put('\n');
      char* p = out.reserve(8);
      std::memcpy(p, "12345678", 8);
      out.commit(p + 8);
      expected += piece + "\n12345678";
    }
    out.flush();
  }
  EXPECT_EQ(sink.text, expected);
}

class FailingSink : public console::Sink {
 public:
  void write(const char*, std::size_t) override { throw console::WriteError(ENOSPC); }
};

TEST(Output, AFailedWriteIsReportedWithItsReason) {
  FailingSink sink;
  console::Output out(sink, 64);
  out.put("x");
  try {
    out.flush();
    FAIL() << "the failed write went unnoticed";
  } catch (const console::WriteError& error) {
    EXPECT_EQ(error.error(), ENOSPC);
    EXPECT_STREQ(error.what(), "write error: No space left on device");
  }
}

TEST(Messages, NameTheExpectationTheTokenAndTheLine) {
  struct Case {
    std::string text;
    bool truncated;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"abc", false, "expected a number, got 'abc' (line 3)"},
      {std::string("a\0\x1b\x7f", 4), false, "expected a number, got 'a\\x00\\x1b\\x7f' (line 3)"},
      {"\xd5\xc5", false, "expected a number, got '\xd5\xc5' (line 3)"},
      {std::string(50, '1'), false, "expected a number, got '" + std::string(40, '1') + "...' (line 3)"},
      {"12", true, "expected a number, got '12...' (line 3)"},
  };
  for (const Case& c : cases) {
    console::Token token{c.text, c.truncated, 3};
    try {
      console::bad_token("expected a number", token);
      FAIL() << "no failure";
    } catch (const console::Failure& failure) {
      EXPECT_EQ(std::string(failure.what()), c.expected) << c.text;
    }
  }
  console::MemorySource source("1\n2\n");
  console::Input in(source);
  while (in.token()) {
  }
  try {
    console::bad_end("expected the second number", in);
    FAIL() << "no failure";
  } catch (const console::Failure& failure) {
    EXPECT_STREQ(failure.what(), "expected the second number, got end of input (line 2)");
  }
}

TEST(ParseInteger, AcceptsOnlyWholeDecimalTokensInRange) {
  struct Case {
    std::string text;
    std::optional<std::int32_t> expected;
  };
  const std::vector<Case> cases = {
      {"0", 0},
      {"+0", 0},
      {"-0", 0},
      {"007", 7},
      {"-0012", -12},
      {"+2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"18446744073709551616", std::nullopt},
      {"9223372036854775808", std::nullopt},
      {"", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"+-1", std::nullopt},
      {"--1", std::nullopt},
      {"1x", std::nullopt},
      {"0x10", std::nullopt},
      {"1e3", std::nullopt},
      {"1.0", std::nullopt},
      {" 1", std::nullopt},
      {"\xef\xbc\x91", std::nullopt},
      {"nan", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(console::parse_int32(c.text), c.expected) << c.text;
  }
  // Eight digits at a time: every byte of a group is checked, whatever its
  // neighbours.
  for (const char* text : {"1234567:", ":2345678", "1234/678", "12345678\xb0", "\xb9" "2345678", "123456789012345/"}) {
    EXPECT_EQ(console::parse_integer(text, INT64_MIN, INT64_MAX), std::nullopt) << text;
  }
  EXPECT_EQ(console::parse_integer("12345678", INT64_MIN, INT64_MAX), 12345678);
  EXPECT_EQ(console::parse_integer("-1234567890123456789", INT64_MIN, INT64_MAX), -1234567890123456789);
  EXPECT_EQ(console::parse_integer("00000000000000000000099999999", INT64_MIN, INT64_MAX), 99999999);
  EXPECT_EQ(console::parse_integer("9223372036854775807", INT64_MIN, INT64_MAX), INT64_MAX);
  EXPECT_EQ(console::parse_integer("4294967295", INT32_MIN, UINT32_MAX), 4294967295);
  EXPECT_EQ(console::parse_integer("4294967296", INT32_MIN, UINT32_MAX), std::nullopt);
  EXPECT_EQ(console::parse_integer("-9223372036854775808", INT64_MIN, INT64_MAX), INT64_MIN);
}

// What strtof makes of the whole text, or nothing when it stops early.
std::optional<float> strtof_whole(const std::string& text) {
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || std::isspace(static_cast<unsigned char>(text[0]))) {
    return std::nullopt;
  }
  return value;
}

std::uint32_t bits(float f) {
  std::uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

void expect_as_strtof(const std::string& text) {
  const auto expected = strtof_whole(text);
  const auto actual = console::parse_float(text);
  ASSERT_EQ(actual.has_value(), expected.has_value()) << text;
  if (!expected) return;
  if (std::isnan(*expected)) {
    EXPECT_TRUE(std::isnan(*actual)) << text;
    EXPECT_EQ(std::signbit(*actual), std::signbit(*expected)) << text;
  } else {
    EXPECT_EQ(bits(*actual), bits(*expected)) << text;
  }
}

TEST(ParseFloat, AgreesWithStrtofOnTheWholeToken) {
  for (const char* text :
       {"0", "-0", "+0", "90", "80.5", "-5", "+1.5", "1.", ".5", "0.1", "1e3", "1E-3", "1e+2",
        "1e39", "-1e39", "1e-50", "1e-40", "3.4028235e38", "3.4028236e38", "0x1p3", "0X1.8P-1",
        "0x", "inf", "-inf", "+inf", "INF", "infinity", "Infinity", "nan", "-nan", "+nan", "NAN",
        "nan(123)", "nan()", "nan(", "infin", "", "+", "-", ".", "e5", "5e", "5e+", "1,5", "1.5.",
        "0.30000001192092896", "16777217", "1.00000005960464477539062500000000000000000000001",
        "abc", "1 ", "\xa3\xb1"}) {
    expect_as_strtof(text);
  }
  // Random decimal texts around the single-precision rounding boundaries.
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<int> digits(1, 12);
  std::uniform_int_distribution<int> exponent(-45, 40);
  for (int i = 0; i < 200000; ++i) {
    std::string text = (rng() & 1) ? "-" : "";
    const int n = digits(rng);
    const int point = (rng() & 1) ? static_cast<int>(rng() % static_cast<unsigned>(n)) : -1;
    for (int d = 0; d < n; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + rng() % 10);
    }
    if (rng() % 3 == 0) {
      text += 'e';
      text += std::to_string(exponent(rng));
    }
    expect_as_strtof(text);
  }
}

}  // namespace
