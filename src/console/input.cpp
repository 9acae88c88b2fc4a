#include "console/input.hpp"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>

#include "console/failure.hpp"
#include "console/output.hpp"

namespace console {
namespace {

constexpr std::array<bool, 256> kSpace = [] {
  std::array<bool, 256> table{};
  for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

bool space(char c) { return kSpace[static_cast<unsigned char>(c)]; }

// The first white-space byte in [p, end), or end. Eight bytes at a time:
// white space lies below 0x21, so a word with no byte below 0x21 is all
// token; a word with one is looked at byte by byte from that byte on.
char* token_end(char* p, char* end) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  // The first byte in memory is the lowest of the word on little-endian
  // machines only; elsewhere the plain loop below does all the work.
  while (std::endian::native == std::endian::little && end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    // High bit set in (at least) the lowest byte below 0x21, if any.
    const std::uint64_t low = (word - kOnes * 0x21) & ~word & kHighs;
    if (low == 0) {
      p += 8;
      continue;
    }
    p += std::countr_zero(low) / 8;
    if (space(*p)) return p;
    ++p;
  }
  while (p != end && !space(*p)) ++p;
  return p;
}

}  // namespace

bool is_space(unsigned char c) { return kSpace[c]; }

std::size_t FdSource::read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) throw Failure(std::string("read error: ") + std::strerror(errno));
  }
}

std::size_t MemorySource::read(char* buffer, std::size_t size) {
  const std::size_t n = std::min({size, chunk_, text_.size()});
  if (n == 0) return 0;  // an empty text may have no storage at all
  std::memcpy(buffer, text_.data(), n);
  text_.remove_prefix(n);
  return n;
}

Input::Input(Source& source, Output* flush_first, std::size_t capacity)
    : source_(source),
      flush_first_(flush_first),
      capacity_(capacity == 0 ? 1 : capacity),
      buffer_(new char[capacity_]),
      pos_(buffer_.get()),
      end_(buffer_.get()) {}

bool Input::refill() {
  if (eof_) return false;
  if (flush_first_ != nullptr) flush_first_->flush();
  const std::size_t n = source_.read(buffer_.get(), capacity_);
  pos_ = buffer_.get();
  end_ = pos_ + n;
  if (n == 0) eof_ = true;
  return n != 0;
}

std::span<char> Input::block() {
  if (pos_ == end_ && !refill()) return {};
  std::span<char> bytes(pos_, end_);
  pos_ = end_;
  return bytes;
}

std::optional<Token> Input::token() {
  // Skip white space, counting line ends.
  for (;;) {
    while (pos_ != end_ && space(*pos_)) {
      after_line_end_ = *pos_ == '\n';
      if (after_line_end_) ++line_;
      ++pos_;
    }
    if (pos_ != end_) break;
    if (!refill()) return std::nullopt;
  }

  after_line_end_ = false;
  Token token;
  token.line = line_;
  char* const start = pos_;
  pos_ = token_end(pos_, end_);
  if (pos_ != end_) {
    // The common case: the whole token lies in the buffer.
    const auto size = static_cast<std::size_t>(pos_ - start);
    if (size <= kMaxToken) {
      token.text = std::string_view(start, size);
      return token;
    }
  }

  // The token runs on past the buffer (or is too long): gather at most
  // kMaxToken bytes of it and skip the rest.
  spill_.assign(start, std::min(static_cast<std::size_t>(pos_ - start), kMaxToken + 1));
  while (pos_ == end_ && refill()) {
    char* const piece = pos_;
    pos_ = token_end(pos_, end_);
    const std::size_t room = kMaxToken + 1 - std::min(spill_.size(), kMaxToken + 1);
    spill_.append(piece, std::min(static_cast<std::size_t>(pos_ - piece), room));
  }
  if (spill_.size() > kMaxToken) {
    spill_.resize(kMaxToken);
    token.truncated = true;
  }
  token.text = spill_;
  return token;
}

std::string quote(const Token& token) {
  constexpr std::size_t kShown = 40;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "'";
  const std::string_view text = token.text.substr(0, kShown);
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) {
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  if (token.truncated || token.text.size() > kShown) out += "...";
  out += '\'';
  return out;
}

void bad_token(std::string_view expected, const Token& token) {
  throw Failure(std::string(expected) + ", got " + quote(token) + " (line " +
                std::to_string(token.line) + ")");
}

void bad_end(std::string_view expected, const Input& input) {
  throw Failure(std::string(expected) + ", got end of input (line " +
                std::to_string(input.last_line()) + ")");
}

}  // namespace console
