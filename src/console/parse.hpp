// Strict number parsing: a number is a whole token, or it is bad input.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace console {

/// A decimal integer filling the whole of `text`: an optional '+' or '-',
/// then one or more digits (leading zeros allowed). Nothing when anything
/// else is in the text or the value lies outside [min, max].
std::optional<std::int64_t> parse_integer(std::string_view text, std::int64_t min,
                                          std::int64_t max);

/// parse_integer over the range of a 32-bit signed integer.
std::optional<std::int32_t> parse_int32(std::string_view text);

/// A real as C's strtof reads it (decimal or hexadecimal form, exponent,
/// inf, infinity, nan, nan(...)), accepted only when strtof consumes the
/// whole of `text`; rounded to single precision as strtof rounds it.
std::optional<float> parse_float(std::string_view text);

}  // namespace console
