#include "console/output.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "console/failure.hpp"

namespace console {

WriteError::WriteError(int error)
    : std::runtime_error(std::string("write error: ") + std::strerror(error)), error_(error) {}

void FdSink::write(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw WriteError(errno);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

void FdSink::finish() {
  if (owned_ && fd_ >= 0) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) throw WriteError(errno);
  }
}

Output::Output(Sink& sink, std::size_t capacity)
    : sink_(sink),
      capacity_(capacity < 64 ? 64 : capacity),
      buffer_(new char[capacity_]),
      pos_(buffer_.get()),
      end_(buffer_.get() + capacity_) {}

void Output::flush() {
  char* const begin = buffer_.get();
  if (pos_ == begin) return;
  const auto size = static_cast<std::size_t>(pos_ - begin);
  // Whatever happens, the bytes count as handed over: a failed write is
  // reported once, not retried on the way out.
  pos_ = begin;
  sink_.write(begin, size);
}

void Output::finish() {
  flush();
  sink_.finish();
}

void Output::put_slow(std::string_view text) {
  if (text.size() >= capacity_) {
    // Too big to be worth copying: hand it over as it is.
    flush();
    sink_.write(text.data(), text.size());
    return;
  }
  while (!text.empty()) {
    if (pos_ == end_) flush();
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(end_ - pos_));
    std::memcpy(pos_, text.data(), n);
    pos_ += n;
    text.remove_prefix(n);
  }
}

}  // namespace console
