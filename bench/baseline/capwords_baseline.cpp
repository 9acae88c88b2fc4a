// The word capitaliser the plain way, as a whole program: standard output
// reopened onto the file, then getchar and putchar for every byte. The
// measure the real program is timed against.
#include <cstdio>

int main() {
  if (std::freopen("d:\\test.txt", "w+", stdout) == nullptr) return 1;
  bool in_word = false;
  int c;
  while ((c = std::getchar()) != EOF) {
    if (in_word) {
      std::putchar(c);
      if (c == ' ') in_word = false;
    } else if (c >= 'a' && c <= 'z') {
      std::putchar(c - 32);
      in_word = true;
    } else if (c >= 'A' && c <= 'Z') {
      std::putchar(c);
      in_word = true;
    } else if (c == ' ' || c == '.') {
      std::putchar(c);
    }
  }
  return 0;
}
