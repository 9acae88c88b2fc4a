#include "hexdigits/hexdigits.hpp"

#include <string>
#include <string_view>

#include "console/failure.hpp"
#include "console/parse.hpp"

namespace hexdigits {
namespace {

// 请输入需要处理数字的组数: (how many groups), in GBK, with no line end.
constexpr std::string_view kAskCount =
    "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6\xb5\xc4\xd7\xe9\xca\xfd"
    ": ";
// 请输入需要处理数字: (the numbers), in GBK, with a line end.
constexpr std::string_view kAskNumbers =
    "\xc7\xeb\xca\xe4\xc8\xeb\xd0\xe8\xd2\xaa\xb4\xa6\xc0\xed\xca\xfd\xd7\xd6:\n";

constexpr char kHex[] = "0123456789ABCDEF";

}  // namespace

char* format_digits(char* out, std::uint32_t value) {
  for (int k = 7; k >= 0; --k) {
    // The pattern is unsigned, so the shift brings in zeros: 0 to 15.
    *out++ = kHex[(value >> (4 * k)) & 15u];
    *out++ = k == 0 ? '\n' : ' ';
  }
  return out;
}

void run(console::Input& in, console::Output& out) {
  out.put(kAskCount);
  const auto count_token = in.token();
  if (!count_token) console::bad_end("expected the number of groups", in);
  const auto count = count_token->truncated ? std::nullopt : console::parse_int32(count_token->text);
  if (!count) {
    console::bad_token("expected the number of groups, an integer from -2147483648 to 2147483647",
                       *count_token);
  }
  out.put(kAskNumbers);
  for (std::int32_t done = 0; done < *count; ++done) {
    const auto token = in.token();
    if (!token) {
      throw console::Failure("expected " + std::to_string(*count) + " numbers, got end of input after " +
                             std::to_string(done) + " (line " + std::to_string(in.last_line()) + ")");
    }
    const auto value =
        token->truncated ? std::nullopt : console::parse_integer(token->text, INT32_MIN, UINT32_MAX);
    if (!value) console::bad_token("expected an integer from -2147483648 to 4294967295", *token);
    out.commit(format_digits(out.reserve(16), static_cast<std::uint32_t>(*value)));
  }
}

}  // namespace hexdigits
