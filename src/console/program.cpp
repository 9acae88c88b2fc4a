#include "console/program.hpp"

#include <unistd.h>

#include <cerrno>

#include "console/failure.hpp"

namespace console {

std::string program_name(int argc, char** argv, std::string_view fallback) {
  if (argc < 1 || argv == nullptr || argv[0] == nullptr || argv[0][0] == '\0') {
    return std::string(fallback);
  }
  std::string_view path = argv[0];
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const auto slash = path.rfind('/');
  if (slash != std::string_view::npos && slash + 1 < path.size()) path.remove_prefix(slash + 1);
  return std::string(path);
}

void report(std::string_view name, std::string_view message) {
  std::string line;
  line.reserve(name.size() + message.size() + 3);
  line.append(name).append(": ").append(message).append("\n");
  // One write, so the line is not interleaved with other writers' output.
  std::size_t done = 0;
  while (done < line.size()) {
    const ssize_t n = ::write(2, line.data() + done, line.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // nowhere left to complain to
    done += static_cast<std::size_t>(n);
  }
}

namespace {

int write_failed(std::string_view name, const WriteError& error) {
  if (error.error() != EPIPE) report(name, error.what());
  return 1;
}

}  // namespace

int run(std::string_view name, Sink& sink, Program program, std::size_t input_block) {
  Output output(sink);
  try {
    FdSource source(0);
    Input input(source, &output, input_block);
    program(input, output);
    output.finish();
    return 0;
  } catch (const WriteError& error) {
    return write_failed(name, error);
  } catch (const Failure& failure) {
    // What was written before the failure stays written. When even that
    // cannot be written, the write error is the one line reported.
    try {
      output.finish();
    } catch (const WriteError& error) {
      return write_failed(name, error);
    }
    report(name, failure.what());
    return 1;
  }
}

int run_stdio(int argc, char** argv, std::string_view fallback, Program program) {
  FdSink sink(1);
  return run(program_name(argc, argv, fallback), sink, program);
}

}  // namespace console
