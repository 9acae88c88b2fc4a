// The one way a program here stops early: an exception carrying the text of
// its single stderr line, turned into exit status 1 by console::run.
#pragma once

#include <stdexcept>
#include <string>

namespace console {

/// Bad input or a failed read: the message (without the program name) that
/// goes on stderr before the program exits with status 1.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A write to the output failed; `error` is the errno value. Reported as
/// "write error: <reason>", except a broken pipe, which ends the run quietly.
class WriteError : public std::runtime_error {
 public:
  explicit WriteError(int error);
  int error() const noexcept { return error_; }

 private:
  int error_;
};

}  // namespace console
