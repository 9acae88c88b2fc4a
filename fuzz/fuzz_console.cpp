// The console layer: tokens put back together give the input without its
// white space, with the right line numbers, whatever the block sizes; the
// number parsers agree with the C library on every token.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "console/input.hpp"
#include "console/parse.hpp"
#include "fuzz_support.hpp"

namespace {

void check_numbers(const std::string& text) {
  // Integers: what strtoll makes of a plain decimal text.
  bool plain = !text.empty();
  std::size_t digits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (!(i == 0 && (c == '+' || c == '-'))) {
      plain = false;
    }
  }
  plain = plain && digits > 0;
  std::optional<std::int32_t> expected;
  if (plain) {
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == 0 && value >= INT32_MIN && value <= INT32_MAX) expected = static_cast<std::int32_t>(value);
  }
  if (console::parse_int32(text) != expected) fuzz::fail("integer parse differs");

  // Reals: what strtof makes of the whole text.
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  const bool whole = !text.empty() && end == text.c_str() + text.size() &&
                     !console::is_space(static_cast<unsigned char>(text[0]));
  const auto parsed = console::parse_float(text);
  if (parsed.has_value() != whole) fuzz::fail("real acceptance differs");
  if (whole && !(std::isnan(value) ? std::isnan(*parsed) : std::memcmp(&value, &*parsed, sizeof value) == 0)) {
    fuzz::fail("real value differs");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Case c = fuzz::split(data, size);
  console::MemorySource source(c.input, c.chunk);
  console::Input in(source, nullptr, 1 + c.chunk % 61);
  const auto words = fuzz::words(c.input);
  std::size_t k = 0;
  std::uint64_t lines_before = 1;
  std::size_t scanned = 0;
  while (const auto token = in.token()) {
    if (k >= words.size()) fuzz::fail("extra token");
    const std::string& word = words[k++];
    if (token->truncated != (word.size() > console::Input::kMaxToken)) fuzz::fail("truncation differs");
    if (token->text != std::string_view(word).substr(0, console::Input::kMaxToken)) fuzz::fail("token differs");
    // The token's line: line ends before its first byte, plus one.
    const std::size_t start = c.input.find(word, scanned);
    for (std::size_t i = scanned; i < start; ++i) if (c.input[i] == '\n') ++lines_before;
    scanned = start + word.size();
    if (token->line != lines_before) fuzz::fail("line number differs");
    if (!token->truncated) check_numbers(word);
  }
  if (k != words.size()) fuzz::fail("missing token");
  return 0;
}
