// Binding a program's logic to the process: standard input, an output sink,
// and the one-line error exit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "console/input.hpp"
#include "console/output.hpp"

namespace console {

/// A program's logic, reading from an Input and writing to an Output.
using Program = void (*)(Input&, Output&);

/// The name a program speaks under: the last path component of argv[0],
/// or `fallback` when there is none.
std::string program_name(int argc, char** argv, std::string_view fallback);

/// Writes "<name>: <message>" and a line end to standard error.
void report(std::string_view name, std::string_view message);

/// Runs `program` over standard input and `sink`, then flushes and finishes
/// the sink. Returns the exit status: 0, or 1 after one line on stderr when
/// the program failed or a write failed. Output written before a failure
/// stays written. A broken pipe ends the run with status 1 and no message,
/// as a filter whose reader has gone away.
int run(std::string_view name, Sink& sink, Program program,
        std::size_t input_block = Input::kDefaultCapacity);

/// run() over standard output, named after argv[0].
int run_stdio(int argc, char** argv, std::string_view fallback, Program program);

}  // namespace console
