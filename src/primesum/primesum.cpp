#include "primesum/primesum.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
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
// Addends tried on a whole window at once; most even numbers split on one.
constexpr std::size_t kSwept = 12;

// An odd first addend with its decimal digits at hand.
struct Addend {
  std::uint32_t value;
  std::uint32_t half;  // (value - 1) / 2: its distance in a sieve of odd numbers
  std::uint32_t length;
  char text[4];
};

struct Tables {
  std::vector<std::uint32_t> base;  // odd primes up to 46341, past the root of 2^31
  std::vector<Addend> addends;      // odd primes below kReach
};

const Tables& tables() {
  static const Tables built = [] {
    constexpr std::uint32_t kLimit = 46341;
    std::vector<bool> composite(kLimit + 1);
    Tables t;
    for (std::uint32_t i = 3; i <= kLimit; i += 2) {
      if (composite[i]) continue;
      t.base.push_back(i);
      if (i < kReach) {
        Addend a{i, (i - 1) / 2, 0, {}};
        a.length = static_cast<std::uint32_t>(std::to_chars(a.text, a.text + 4, i).ptr - a.text);
        t.addends.push_back(a);
      }
      for (std::uint64_t m = std::uint64_t{i} * i; m <= kLimit; m += 2 * i) composite[m] = true;
    }
    return t;
  }();
  return built;
}

// Which odd numbers of [low, high] pass is_prime, by a sieve of
// Eratosthenes over the odd numbers only. Every even number passing
// is_prime is below 4, and the walk never asks about one.
class OddWindow {
 public:
  /// Sieves the odd numbers of [low, high]; low is odd and not negative.
  void sieve(std::int64_t low, std::int64_t high) {
    low_ = low;
    const auto size = (high - low) / 2 + 1;
    // Eight bytes of slack, never passing, so readers may take whole words.
    flags_.assign(static_cast<std::size_t>(size) + 8, 0);
    std::fill_n(flags_.begin(), size, std::uint8_t{1});
    for (const std::uint32_t prime : tables().base) {
      const std::int64_t p = prime;
      if (p * p > high) break;
      // Odd multiples from p*p up: p itself, and 1 and 3, stay passing.
      std::int64_t m = std::max(p * p, (low + p - 1) / p * p);
      if (m % 2 == 0) m += p;
      for (std::int64_t i = (m - low) / 2; i < size; i += p) flags_[static_cast<std::size_t>(i)] = 0;
    }
  }
  /// Whether the odd number low + 2 * index passes.
  bool passes_at(std::int64_t index) const { return flags_[static_cast<std::size_t>(index)] != 0; }
  /// The index of odd x.
  std::int64_t index(std::int64_t x) const { return (x - low_) / 2; }
  /// The flags, one byte per odd number: 1 when it passes.
  const std::uint8_t* flags() const { return flags_.data(); }

 private:
  std::int64_t low_ = 1;
  std::vector<std::uint8_t> flags_;
};

// The decimal digits of the current number, stepped by two without
// converting it again for every line.
class Decimal {
 public:
  explicit Decimal(std::int64_t value) : low_(static_cast<int>(value % 10000)) {
    length_ = static_cast<int>(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr - digits_);
  }
  void add_two() {
    low_ += 2;
    if (low_ >= 10000) low_ -= 10000;
    int i = length_ - 1;
    const int last = digits_[i] - '0' + 2;
    if (last < 10) {
      digits_[i] = static_cast<char>('0' + last);
      return;
    }
    digits_[i--] = static_cast<char>('0' + last - 10);
    while (i >= 0 && digits_[i] == '9') digits_[i--] = '0';
    if (i >= 0) {
      ++digits_[i];
    } else {
      std::memmove(digits_ + 1, digits_, static_cast<std::size_t>(length_));
      digits_[0] = '1';
      ++length_;
    }
  }
  const char* digits() const { return digits_; }
  int length() const { return length_; }
  /// The value of the last four digits.
  int low() const { return low_; }

 private:
  char digits_[24] = {};  // 16 bytes are always safe to copy
  int length_ = 0;
  int low_ = 0;
};

constexpr std::size_t kLongestLine = 3 * 11 + 3;

// The four digits of every number below 10000.
constexpr auto kFourDigits = [] {
  std::array<std::array<char, 4>, 10000> table{};
  for (int v = 0; v < 10000; ++v) {
    table[static_cast<std::size_t>(v)] = {static_cast<char>('0' + v / 1000), static_cast<char>('0' + v / 100 % 10),
                                          static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
  }
  return table;
}();
// The addend of odd numbers.
constexpr Addend kTwo{2, 0, 1, {'2', 0, 0, 0}};

// Writes "n=j+(n-j)" and a line end, n given by its digits and j < n. The
// difference is worked out on the digits of n.
void put_line(console::Output& out, const Decimal& n, const Addend& addend) {
  const char* const j = addend.text;
  const auto j_length = static_cast<int>(addend.length);
  const auto j_value = static_cast<int>(addend.value);
  char* p = out.reserve(64);
  const int length = n.length();
  std::memcpy(p, n.digits(), 16);
  p += length;
  *p++ = '=';
  std::memcpy(p, j, 4);
  p += j_length;
  *p++ = '+';
  char* const difference = p;
  std::memcpy(difference, n.digits(), 16);
  if (length > 4 && n.low() >= j_value) {
    // No borrow past the last four digits: they are a table entry.
    std::memcpy(difference + length - 4, kFourDigits[static_cast<std::size_t>(n.low() - j_value)].data(), 4);
    p = difference + length;
    *p++ = '\n';
    out.commit(p);
    return;
  }
  int borrow = 0;
  for (int i = length - 1, k = j_length - 1; k >= 0 || borrow != 0; --i, --k) {
    int digit = difference[i] - '0' - borrow - (k >= 0 ? j[k] - '0' : 0);
    borrow = digit < 0 ? 1 : 0;
    digit += 10 * borrow;
    difference[i] = static_cast<char>('0' + digit);
  }
  int zeros = 0;
  while (zeros < length - 1 && difference[zeros] == '0') ++zeros;
  if (zeros > 0) std::memmove(difference, difference + zeros, static_cast<std::size_t>(length - zeros));
  p = difference + length - zeros;
  *p++ = '\n';
  out.commit(p);
}

// The same for any n and j.
void put_line(console::Output& out, std::int64_t n, std::int64_t j) {
  char* p = out.reserve(kLongestLine);
  p = std::to_chars(p, p + 20, n).ptr;
  *p++ = '=';
  p = std::to_chars(p, p + 20, j).ptr;
  *p++ = '+';
  p = std::to_chars(p, p + 20, n - j).ptr;
  *p++ = '\n';
  out.commit(p);
}

// The first addend of an even n whose small addends were all tried.
std::int64_t far_addend(std::int64_t n) {
  for (std::int64_t j = kReach + 1; j < n; j += 2) {
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
  if (first == 4) {
    out.put("4=2+2\n");  // the one even number whose addends are even
    first = 6;
  }

  const Tables& t = tables();
  OddWindow window;
  Decimal digits(first);
  std::vector<std::uint8_t> swept;
  for (std::int64_t low = first; low <= last;) {
    const std::int64_t high = std::min(last, low + 2 * (kChunk - 1));
    // Every n - j the search looks at is odd and lies in this window.
    window.sieve(std::max(std::int64_t{1}, (low - kReach - 1) | 1), high);
    // For even numbers past the reach of the addends, try the first few
    // addends on the whole chunk at once: for each addend in turn, every
    // number not yet split whose difference passes takes it. The inner loop
    // reads the sieve contiguously and becomes vector code.
    const bool sweep = !odd && low > kReach;
    if (sweep) {
      // Eight numbers at a time: each byte of `found` is 0 or the addend's
      // position plus one (at most 127), each byte of `passes` 0 or 1.
      constexpr std::uint64_t kOnes = 0x0101010101010101u;
      constexpr std::uint64_t kHighs = 0x8080808080808080u;
      const auto count = static_cast<std::size_t>((high - low) / 2 + 1);
      swept.assign((count + 7) / 8 * 8, 0);
      const std::int64_t top = window.index(low - 1);
      for (std::size_t k = 0; k < kSwept; ++k) {
        const std::uint8_t* passes = window.flags() + (top - t.addends[k].half);
        const std::uint64_t mark = k + 1;
        for (std::size_t i = 0; i < count; i += 8) {
          std::uint64_t found;
          std::uint64_t pass;
          std::memcpy(&found, swept.data() + i, 8);
          std::memcpy(&pass, passes + i, 8);
          const std::uint64_t taken = ((found + (kHighs - kOnes)) | found) & kHighs;  // high bit: byte != 0
          found |= (pass & ~(taken >> 7) & kOnes) * mark;
          std::memcpy(swept.data() + i, &found, 8);
        }
      }
    }
    std::size_t i = 0;
    for (std::int64_t n = low; n <= high; n += 2, ++i, digits.add_two()) {
      if (odd) {
        // For odd n the addend 2 is the only candidate: any other addend
        // that passes is an odd prime, leaving an even n-j that passes only
        // when it is 2, and then j = n-2 and 2 was the answer already.
        if (window.passes_at(window.index(n - 2))) put_line(out, digits, kTwo);
        continue;
      }
      if (sweep && swept[i] != 0) {
        put_line(out, digits, t.addends[swept[i] - 1u]);
        continue;
      }
      // For even n from 6 the addend 2 leaves an even n-2 from 4: composite.
      const std::int64_t top = window.index(n - 1);
      const Addend* found = nullptr;
      for (std::size_t k = sweep ? kSwept : 0; k < t.addends.size(); ++k) {
        const Addend& a = t.addends[k];
        if (a.value >= n) break;
        if (window.passes_at(top - a.half)) {
          found = &a;
          break;
        }
      }
      if (found != nullptr) {
        put_line(out, digits, *found);
      } else if (n > kReach) {
        if (const std::int64_t j = far_addend(n); j != 0) put_line(out, n, j);
      }
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
