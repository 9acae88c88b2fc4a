// The prime-pair splitter done the plain way: trial division by every
// integer from 2, the square root taken anew at every test, and a search
// from the first addend 2 for every number. Slow, and the measure the fast
// code is checked and timed against.
#pragma once

#include <cmath>
#include <cstdint>

namespace reference {

/// Trial division: 1 when no divisor from 2 up to the square root divides x.
inline int is_prime(std::int32_t x) {
  if (x == 2) return 1;
  for (std::int32_t divisor = 2;; ++divisor) {
    const double root = std::sqrt(static_cast<double>(x));
    if (!(root >= static_cast<double>(divisor))) return 1;  // also when the root is NaN
    if (x % divisor == 0) return 0;
  }
}

/// Calls emit(n, j, n - j) for each n = first, first + 2, ... up to last that
/// splits, with the smallest first addend j; the bounds are the adjusted ones.
template <class Emit>
void walk(std::int64_t first, std::int64_t last, Emit emit) {
  for (std::int64_t n = first; n <= last; n += 2) {
    for (std::int64_t j = 2; j < n; ++j) {
      if (is_prime(static_cast<std::int32_t>(j)) && is_prime(static_cast<std::int32_t>(n - j))) {
        emit(n, j, n - j);
        break;
      }
    }
  }
}

/// The bounds of a pair after the adjustment of odd positive numbers.
inline void adjust(std::int64_t& first, std::int64_t& last) {
  if (first % 2 == 1) ++first;
  if (last % 2 == 1) --last;
}

}  // namespace reference
