// Runs a program's logic over an in-memory input, as the tests see it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "console/failure.hpp"
#include "console/input.hpp"
#include "console/output.hpp"
#include "console/program.hpp"

namespace testing_support {

struct Run {
  std::string out;                   // everything written, including before a failure
  std::optional<std::string> error;  // the stderr message, when the run failed
};

/// Runs `program` over `input`, served `chunk` bytes per read into an input
/// buffer of `capacity` bytes.
inline Run run(console::Program program, std::string_view input, std::size_t chunk = SIZE_MAX,
               std::size_t capacity = console::Input::kDefaultCapacity) {
  console::MemorySource source(input, chunk);
  console::StringSink sink;
  Run result;
  {
    console::Output out(sink, 4096);
    console::Input in(source, &out, capacity);
    try {
      program(in, out);
    } catch (const console::Failure& failure) {
      result.error = failure.what();
    }
    out.flush();
  }
  result.out = sink.text;
  return result;
}

}  // namespace testing_support
