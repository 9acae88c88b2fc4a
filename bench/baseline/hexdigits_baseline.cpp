// The nibble printer the plain way, as a whole program: scanf per number and
// printf per digit. The measure the real program is timed against.
#include <cstdint>
#include <cstdio>

int main() {
  int count = 0;
  long number = 0;
  std::printf("\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6\xb5\xc4\xd7\xe9"
              "\xca\xfd: ");
  std::scanf("%d", &count);
  std::puts("\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6:");
  while (count-- > 0) {
    std::scanf("%ld", &number);
    const auto pattern = static_cast<std::uint32_t>(number);
    for (int k = 7; k > 0; --k) {
      std::printf("%lX ", static_cast<unsigned long>((pattern & (15u << (4 * k))) >> (4 * k)));
    }
    std::printf("%lX\n", static_cast<unsigned long>(pattern & 15u));
  }
  return 0;
}
