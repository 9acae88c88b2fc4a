// Splitting the numbers of a range, in steps of two, into two parts that
// pass the prime test.
#pragma once

#include <cstdint>

#include "console/input.hpp"
#include "console/output.hpp"

namespace primesum {

/// The prime test: 1 for every prime and for every argument below 4 (0, 1
/// and all negative numbers pass), 0 for every composite from 4 up. The
/// answer is that of trial division by every integer from 2 up to the
/// square root, found here by a deterministic Miller-Rabin test.
int is_prime(std::int32_t x);

/// Writes one line "n=j+(n-j)" for each n = first, first+2, ... not above
/// last, j being the smallest first addend from 2 up, below n, for which
/// both j and n-j pass is_prime; numbers without such a j write nothing.
/// The bounds are taken as they are (already adjusted to even).
void walk(std::int64_t first, std::int64_t last, console::Output& out);

/// The whole program: reads pairs of numbers until end of input or a pair
/// whose first number is 0, walks each (an odd positive first number raised
/// by one, an odd positive second number lowered by one) and ends each
/// pair's lines with an empty line. A token that is not a 32-bit integer,
/// or a pair cut off by the end of input, is bad input.
void run(console::Input& in, console::Output& out);

}  // namespace primesum
