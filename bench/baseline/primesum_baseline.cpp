// The prime-pair splitter exactly the plain way, as a whole program: scanf
// per pair, trial division for every test, printf per line. The measure the
// real program is timed against.
#include <cstdio>

#include "reference/primesum_reference.hpp"

int main() {
  int first = 0;
  int last = 0;
  while (std::scanf("%d%d", &first, &last) != EOF) {
    if (first == 0) return 0;
    std::int64_t a = first;
    std::int64_t b = last;
    reference::adjust(a, b);
    reference::walk(a, b, [](std::int64_t n, std::int64_t j, std::int64_t k) {
      std::printf("%lld=%lld+%lld\n", static_cast<long long>(n), static_cast<long long>(j),
                  static_cast<long long>(k));
    });
    std::putchar('\n');
  }
  return 0;
}
