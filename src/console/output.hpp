// Buffered output: bytes gathered in one large buffer and handed to a sink
// in large blocks.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace console {

/// Where written bytes end up: a file descriptor, or memory in tests.
class Sink {
 public:
  virtual ~Sink() = default;
  /// Writes all `size` bytes or throws WriteError.
  virtual void write(const char* data, std::size_t size) = 0;
  /// Called once after the last write; a sink that owns a file closes it here
  /// and throws WriteError when the close reports a failure.
  virtual void finish() {}
};

/// Writes to a file descriptor, retrying short writes and EINTR.
class FdSink : public Sink {
 public:
  /// Wraps `fd`; when `owned`, finish() closes it.
  explicit FdSink(int fd, bool owned = false) : fd_(fd), owned_(owned) {}
  void write(const char* data, std::size_t size) override;
  void finish() override;

 private:
  int fd_;
  bool owned_;
};

/// Collects everything written, for tests and benchmarks.
class StringSink : public Sink {
 public:
  void write(const char* data, std::size_t size) override { text.append(data, size); }
  std::string text;
};

/// The output buffer. Bytes are appended with put() or formatted in place
/// through reserve()/commit(); flush() hands them to the sink.
class Output {
 public:
  static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 17;

  /// Buffers in front of `sink`; `capacity` bytes are written at a time.
  explicit Output(Sink& sink, std::size_t capacity = kDefaultCapacity);
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  /// Appends `text`.
  void put(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(end_ - pos_)) {
      put_slow(text);
      return;
    }
    std::memcpy(pos_, text.data(), text.size());
    pos_ += text.size();
  }

  /// Appends one byte.
  void put(char c) {
    if (pos_ == end_) flush();
    *pos_++ = c;
  }

  /// Makes room for at least `size` bytes (at most the capacity) and returns
  /// where they go; finish with commit() of the end of what was formatted.
  char* reserve(std::size_t size) {
    if (size > static_cast<std::size_t>(end_ - pos_)) flush();
    return pos_;
  }

  /// Marks the bytes up to `end`, formatted after reserve(), as written.
  void commit(char* end) { pos_ = end; }

  /// Hands everything buffered to the sink.
  void flush();

  /// Flushes, then lets the sink finish (close its file).
  void finish();

  /// The buffer's size: the most one reserve() may ask for.
  std::size_t capacity() const { return capacity_; }

 private:
  void put_slow(std::string_view text);

  Sink& sink_;
  std::size_t capacity_;
  std::unique_ptr<char[]> buffer_;
  char* pos_;
  char* end_;
};

}  // namespace console
