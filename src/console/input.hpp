// Buffered input: standard input read in large blocks and handed out as
// raw bytes or as white-space-separated tokens with their line numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace console {

class Output;

/// Where input bytes come from: a file descriptor, or memory in tests.
class Source {
 public:
  virtual ~Source() = default;
  /// Reads up to `size` bytes into `buffer`; returns 0 only at end of input.
  /// Throws Failure when reading fails.
  virtual std::size_t read(char* buffer, std::size_t size) = 0;
};

/// Reads a file descriptor, retrying EINTR.
class FdSource : public Source {
 public:
  explicit FdSource(int fd) : fd_(fd) {}
  std::size_t read(char* buffer, std::size_t size) override;

 private:
  int fd_;
};

/// Serves a fixed text, at most `chunk` bytes per read, so tests can show
/// that where the blocks end changes nothing.
class MemorySource : public Source {
 public:
  explicit MemorySource(std::string_view text, std::size_t chunk = SIZE_MAX)
      : text_(text), chunk_(chunk == 0 ? 1 : chunk) {}
  std::size_t read(char* buffer, std::size_t size) override;

 private:
  std::string_view text_;
  std::size_t chunk_;
};

/// True for the bytes C's isspace accepts in the C locale.
bool is_space(unsigned char c);

/// One white-space-separated word of the input.
struct Token {
  /// The token's bytes; at most Input::kMaxToken of them when `truncated`.
  /// Valid until the next read from the input.
  std::string_view text;
  /// The token was longer than Input::kMaxToken; the rest was skipped.
  bool truncated = false;
  /// 1-based number of the line the token starts on.
  std::uint64_t line = 0;
};

/// The input buffer.
class Input {
 public:
  static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 16;
  /// Longest token kept whole. Longer ones are consumed but never stored, so
  /// a huge run of digits costs no memory; callers treat them as bad input.
  static constexpr std::size_t kMaxToken = 256;

  /// Reads `source` in blocks of `capacity` bytes. When `flush_first` is
  /// given, it is flushed before every read that may block, so that prompts
  /// and earlier results are visible to whoever is waiting to answer them.
  explicit Input(Source& source, Output* flush_first = nullptr,
                 std::size_t capacity = kDefaultCapacity);
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  /// The next token, or nothing at end of input.
  std::optional<Token> token();

  /// The unread bytes of the buffer, refilled from the source when empty;
  /// they count as consumed. Empty only at end of input. The bytes may be
  /// changed in place until the next call.
  std::span<char> block();

  /// The line of the last byte read: at the end of input that ends with a
  /// line end, the last line, not the empty one after it.
  std::uint64_t last_line() const { return after_line_end_ && line_ > 1 ? line_ - 1 : line_; }

 private:
  bool refill();

  Source& source_;
  Output* flush_first_;
  std::size_t capacity_;
  std::unique_ptr<char[]> buffer_;
  char* pos_;
  char* end_;
  bool eof_ = false;
  std::uint64_t line_ = 1;
  bool after_line_end_ = false;  // the last byte read was a line end
  std::string spill_;  // a token that straddles two blocks
};

/// Quotes a token for an error message: control bytes escaped as \xNN,
/// long tokens cut short with "...".
std::string quote(const Token& token);

/// Throws Failure "<expected>, got '<token>' (line N)".
[[noreturn]] void bad_token(std::string_view expected, const Token& token);

/// Throws Failure "<expected>, got end of input (line N)", N the last line.
[[noreturn]] void bad_end(std::string_view expected, const Input& input);

}  // namespace console
