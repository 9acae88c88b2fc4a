// hexdigits: every line written is printf's "%08X" of the number read,
// spaced out, and the run stops exactly where the input goes wrong.
#include <cstdio>

#include "console/parse.hpp"
#include "fuzz_support.hpp"
#include "hexdigits/hexdigits.hpp"
#include "run_in_memory.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Case c = fuzz::split(data, size);
  const auto words = fuzz::words(c.input);
  const std::string ask_count =
      "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6\xb5\xc4\xd7\xe9\xca\xfd: ";
  const std::string ask_numbers = "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6:\n";
  std::string expected = ask_count;
  bool expect_error = true;
  const auto count = words.empty() || words[0].size() > console::Input::kMaxToken
                         ? std::nullopt
                         : console::parse_int32(words[0]);
  if (count) {
    expected += ask_numbers;
    expect_error = false;
    for (std::int64_t i = 1; i <= *count; ++i) {
      const auto n = static_cast<std::size_t>(i) < words.size() &&
                             words[static_cast<std::size_t>(i)].size() <= console::Input::kMaxToken
                         ? console::parse_integer(words[static_cast<std::size_t>(i)], INT32_MIN, UINT32_MAX)
                         : std::nullopt;
      if (!n) {
        expect_error = true;
        break;
      }
      char plain[16];
      std::snprintf(plain, sizeof plain, "%08X", static_cast<unsigned>(static_cast<std::uint32_t>(*n)));
      for (int d = 0; d < 8; ++d) {
        expected += plain[d];
        expected += d == 7 ? '\n' : ' ';
      }
    }
  }
  const auto result = testing_support::run(hexdigits::run, c.input, c.chunk);
  if (result.error.has_value() != expect_error) fuzz::fail("hexdigits error differs");
  if (result.out != expected) fuzz::fail("hexdigits output differs");
  return 0;
}
