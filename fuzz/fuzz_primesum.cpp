// primesum: every run ends, normally or with one error; when the numbers
// are small enough for the plain search, the output is exactly its output.
#include <cstdlib>

#include "console/parse.hpp"
#include "fuzz_support.hpp"
#include "primesum/primesum.hpp"
#include "reference/primesum_reference.hpp"
#include "run_in_memory.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Case c = fuzz::split(data, size);
  const auto words = fuzz::words(c.input);
  // Large numbers make long walks: leave those to the benchmarks.
  for (const auto& w : words) {
    const auto n = console::parse_int32(w);
    if (n && std::abs(static_cast<long>(*n)) > 400) return 0;
  }
  // What the plain program does with these words.
  std::string expected;
  bool expect_error = false;
  for (std::size_t i = 0; i < words.size(); i += 2) {
    const auto a = console::parse_int32(words[i]);
    if (!a) {
      expect_error = true;
      break;
    }
    if (*a == 0) break;
    if (i + 1 == words.size()) {
      expect_error = true;
      break;
    }
    const auto b = console::parse_int32(words[i + 1]);
    if (!b) {
      expect_error = true;
      break;
    }
    std::int64_t first = *a;
    std::int64_t last = *b;
    reference::adjust(first, last);
    reference::walk(first, last, [&](std::int64_t n, std::int64_t j, std::int64_t k) {
      expected += std::to_string(n) + "=" + std::to_string(j) + "+" + std::to_string(k) + "\n";
    });
    expected += '\n';
  }
  const auto result = testing_support::run(primesum::run, c.input, c.chunk);
  if (result.error.has_value() != expect_error) fuzz::fail("primesum error differs");
  if (result.error && result.error->find('\n') != std::string::npos) fuzz::fail("two-line error");
  if (result.out != expected) fuzz::fail("primesum output differs");
  return 0;
}
