#include "console/parse.hpp"

#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>

namespace console {
namespace {

// The value of eight decimal digits, or nothing when any byte is not one;
// all eight at once, in a few multiplications instead of eight dependent ones.
std::optional<std::uint64_t> eight_digits(const char* text) {
  std::uint64_t word;
  std::memcpy(&word, text, sizeof word);
  constexpr std::uint64_t kZeros = 0x3030303030303030u;
  // A byte is a digit when adding 0x46 leaves its high bit clear (it is at
  // most '9') and subtracting '0' does too (it is at least '0').
  if ((((word + 0x4646464646464646u) | (word - kZeros)) & 0x8080808080808080u) != 0) return std::nullopt;
  word -= kZeros;  // little-endian: the first digit is the lowest byte
  word = word * 10 + (word >> 8);  // pairs of digits in every other byte
  word = (((word & 0x000000ff000000ffu) * (100 + (1000000ull << 32))) +
          (((word >> 16) & 0x000000ff000000ffu) * (1 + (10000ull << 32)))) >>
         32;
  return word;
}

}  // namespace

std::optional<std::int64_t> parse_integer(std::string_view text, std::int64_t min,
                                          std::int64_t max) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Leading zeros are allowed in any number; past them, 19 digits fit in 64
  // bits without a check per digit, and 20 or more are out of every range.
  if (text.empty()) return std::nullopt;
  std::size_t zeros = 0;
  while (zeros < text.size() && text[zeros] == '0') ++zeros;
  const std::string_view significant = text.substr(zeros);
  if (significant.size() > 19) return std::nullopt;
  std::uint64_t magnitude = 0;
  std::size_t i = 0;
  // Whole words of digits, where the first digit is the word's lowest byte.
  for (; std::endian::native == std::endian::little && significant.size() - i >= 8; i += 8) {
    const auto eight = eight_digits(significant.data() + i);
    if (!eight) return std::nullopt;
    magnitude = magnitude * 100000000 + *eight;
  }
  for (; i < significant.size(); ++i) {
    const auto digit = static_cast<unsigned>(significant[i]) - unsigned{'0'};
    if (digit > 9) return std::nullopt;
    magnitude = magnitude * 10 + digit;
  }
  // The range asked for lies within the 64-bit signed one.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
  if (magnitude > kLimit || (!negative && magnitude == kLimit)) return std::nullopt;
  const std::int64_t value =
      negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<std::int32_t> parse_int32(std::string_view text) {
  const auto value = parse_integer(text, INT32_MIN, INT32_MAX);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::optional<float> parse_float(std::string_view text) {
  if (text.empty()) return std::nullopt;
  // Most scores are short decimals: at most 7 digits make an integer below
  // 2^24, and so at most 7 decimals a power of ten up to 1e7, both exact in
  // single precision, so one correctly rounded division gives what strtof
  // gives.
  {
    std::size_t i = text.front() == '-' ? 1 : 0;
    std::uint32_t digits = 0;
    std::uint32_t mantissa = 0;
    int decimals = -1;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      if (c >= '0' && c <= '9') {
        mantissa = mantissa * 10 + static_cast<std::uint32_t>(c - '0');
        if (++digits > 7) break;
        if (decimals >= 0) ++decimals;
      } else if (c == '.' && decimals < 0) {
        decimals = 0;
      } else {
        break;
      }
    }
    if (i == text.size() && digits > 0) {
      static constexpr float kPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
      const float value = static_cast<float>(mantissa) / kPowers[decimals < 0 ? 0 : decimals];
      return text.front() == '-' ? -value : value;
    }
  }
  // from_chars rounds exactly as strtof does and is much faster; it takes
  // the plain decimal forms. Anything else (a '+' sign, hexadecimal, values
  // that overflow or underflow) goes through strtof itself.
  float value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc{} && end == text.data() + text.size()) return value;

  constexpr std::size_t kLongest = 512;
  if (text.size() >= kLongest) return std::nullopt;
  char copy[kLongest];
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  // strtof skips leading white space; a token has none, but a NUL inside it
  // would end the copy early, which the length check below catches.
  char* stop = nullptr;
  errno = 0;
  value = std::strtof(copy, &stop);
  if (stop != copy + text.size()) return std::nullopt;
  return value;
}

}  // namespace console
