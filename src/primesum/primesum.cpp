#include "primesum/primesum.hpp"

#include <algorithm>
#include <charconv>
#include <vector>

#include "console/parse.hpp"

namespace primesum {
namespace {

std::uint64_t pow_mod(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus) {
  std::uint64_t result = 1;
  base %= modulus;
  while (exponent > 0) {
    if (exponent & 1) result = result * base % modulus;
    base = base * base % modulus;
    exponent >>= 1;
  }
  return result;
}

// Miller-Rabin round for an odd n > a: false means n is certainly composite.
bool strong_probable_prime(std::uint64_t n, std::uint64_t a) {
  std::uint64_t d = n - 1;
  int s = 0;
  while ((d & 1) == 0) {
    d >>= 1;
    ++s;
  }
  std::uint64_t x = pow_mod(a, d, n);
  if (x == 1 || x == n - 1) return true;
  for (int r = 1; r < s; ++r) {
    x = x * x % n;
    if (x == n - 1) return true;
  }
  return false;
}

// The sieve reaches this far below each number for its first addend. The
// smallest first addend of every even number below 2^31 is far smaller
// (a few hundred at most), so the fallback search past it never runs in
// practice, but it keeps the answer exact whatever the numbers.
constexpr std::int64_t kReach = 4096;
// Numbers walked per sieved window: the window stays in the cache.
constexpr std::int64_t kChunk = std::int64_t{1} << 17;

struct Tables {
  std::vector<std::uint32_t> base;     // primes up to 46341, past the root of 2^31
  std::vector<std::uint32_t> addends;  // primes below kReach
};

const Tables& tables() {
  static const Tables built = [] {
    constexpr std::uint32_t kLimit = 46341;
    std::vector<bool> composite(kLimit + 1);
    Tables t;
    for (std::uint32_t i = 2; i <= kLimit; ++i) {
      if (composite[i]) continue;
      t.base.push_back(i);
      if (i < kReach) t.addends.push_back(i);
      for (std::uint64_t m = std::uint64_t{i} * i; m <= kLimit; m += i) composite[m] = true;
    }
    return t;
  }();
  return built;
}

// Which numbers of [low, high] pass is_prime, by a sieve of Eratosthenes.
class Window {
 public:
  void sieve(std::int64_t low, std::int64_t high) {
    low_ = low;
    flags_.assign(static_cast<std::size_t>(high - low + 1), 1);
    for (const std::uint32_t p : tables().base) {
      const std::int64_t step = p;
      if (step * step > high) break;
      // Multiples from p*p up: p itself, and 0 to 3, stay marked as passing.
      const std::int64_t start = std::max(step * step, (low + step - 1) / step * step);
      for (std::int64_t m = start; m <= high; m += step) flags_[static_cast<std::size_t>(m - low)] = 0;
    }
  }
  bool passes(std::int64_t x) const { return flags_[static_cast<std::size_t>(x - low_)] != 0; }

 private:
  std::int64_t low_ = 0;
  std::vector<std::uint8_t> flags_;
};

char* put_number(char* p, std::int64_t value) { return std::to_chars(p, p + 20, value).ptr; }

// n=j+(n-j) and a line end.
char* put_line(char* p, std::int64_t n, std::int64_t j) {
  p = put_number(p, n);
  *p++ = '=';
  p = put_number(p, j);
  *p++ = '+';
  p = put_number(p, n - j);
  *p++ = '\n';
  return p;
}

constexpr std::size_t kLongestLine = 3 * 11 + 3;

// The first addend of an even n >= 4 whose small addends were all tried.
std::int64_t far_addend(std::int64_t n) {
  for (std::int64_t j = kReach; j < n; ++j) {
    if (is_prime(static_cast<std::int32_t>(j)) && is_prime(static_cast<std::int32_t>(n - j))) {
      return j;
    }
  }
  return 0;
}

}  // namespace

int is_prime(std::int32_t x) {
  if (x < 4) return 1;
  if (x % 2 == 0 || x % 3 == 0) return 0;
  for (const std::int32_t p : {5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
    if (x % p == 0) return x == p ? 1 : 0;
  }
  if (x < 41 * 41) return 1;
  // Bases 2, 7 and 61 decide every number below 4,759,123,141.
  const auto n = static_cast<std::uint64_t>(x);
  for (const std::uint64_t a : {std::uint64_t{2}, std::uint64_t{7}, std::uint64_t{61}}) {
    if (!strong_probable_prime(n, a)) return 0;
  }
  return 1;
}

void walk(std::int64_t first, std::int64_t last, console::Output& out) {
  // Below 3 (odd walks) and 4 (even walks) no addend from 2 up lies below
  // the number, so nothing is written there: start past them.
  const bool odd = (first % 2) != 0;
  first = std::max(first, odd ? std::int64_t{3} : std::int64_t{4});
  if (first > last) return;

  const Tables& t = tables();
  Window window;
  for (std::int64_t low = first; low <= last;) {
    const std::int64_t high = std::min(last, low + 2 * (kChunk - 1));
    window.sieve(std::max(std::int64_t{0}, low - kReach), high);
    for (std::int64_t n = low; n <= high; n += 2) {
      char* p = out.reserve(kLongestLine);
      if (odd) {
        // For odd n the addend 2 is the only candidate: any other addend
        // that passes is an odd prime, leaving an even n-j that passes only
        // when it is 2, and then j = n-2 and 2 was the answer already.
        if (window.passes(n - 2)) out.commit(put_line(p, n, 2));
        continue;
      }
      std::int64_t found = 0;
      for (const std::uint32_t j : t.addends) {
        if (j >= n) break;
        if (window.passes(n - j)) {
          found = j;
          break;
        }
      }
      if (found == 0 && n > kReach) found = far_addend(n);
      if (found != 0) out.commit(put_line(p, n, found));
    }
    low = high + 2;
  }
}

void run(console::Input& in, console::Output& out) {
  constexpr std::string_view kExpected = "expected an integer from -2147483648 to 2147483647";
  for (;;) {
    const auto a = in.token();
    if (!a) return;
    const auto first_read = console::parse_int32(a->text);
    if (!first_read || a->truncated) console::bad_token(kExpected, *a);
    std::int64_t first = *first_read;
    if (first == 0) {
      // A pair starting with 0 ends the run; its second number is read
      // (when there is one) but not looked at.
      (void)in.token();
      return;
    }
    const auto b = in.token();
    if (!b) console::bad_end("expected the second number of the pair", in);
    const auto last_read = console::parse_int32(b->text);
    if (!last_read || b->truncated) console::bad_token(kExpected, *b);
    std::int64_t last = *last_read;

    // Truncating remainders: only positive odd bounds are moved.
    if (first % 2 == 1) first += 1;
    if (last % 2 == 1) last -= 1;
    walk(first, last, out);
    out.put('\n');
  }
}

}  // namespace primesum
