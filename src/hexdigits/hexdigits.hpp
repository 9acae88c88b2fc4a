// Each number as the eight hexadecimal digits of its 32-bit pattern.
#pragma once

#include <cstdint>

#include "console/input.hpp"
#include "console/output.hpp"

namespace hexdigits {

/// Writes the eight hexadecimal digits of `value`, most significant first,
/// upper case, separated by single blanks, and a line end: 16 bytes.
char* format_digits(char* out, std::uint32_t value);

/// The whole program: asks for a count and the numbers, and writes one
/// line of digits per number as soon as it is read. A number is a decimal
/// integer from -2147483648 to 4294967295 (taken modulo 2^32); anything
/// else, or too few numbers, is bad input.
void run(console::Input& in, console::Output& out);

}  // namespace hexdigits
