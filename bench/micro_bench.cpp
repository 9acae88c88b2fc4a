// In-memory throughput of each program's logic, without the cost of the
// process and the pipe.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "console/input.hpp"
#include "console/output.hpp"
#include "console/program.hpp"
#include "primesum/primesum.hpp"
#include "scoresheet/scoresheet.hpp"
#include "hexdigits/hexdigits.hpp"
#include "capwords/capwords.hpp"

namespace {

// Output thrown away as soon as a buffer is full.
class NullSink : public console::Sink {
 public:
  void write(const char*, std::size_t size) override { bytes += size; }
  std::size_t bytes = 0;
};

void run_program(benchmark::State& state, console::Program program, const std::string& input) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    console::MemorySource source(input);
    NullSink sink;
    console::Output out(sink);
    console::Input in(source, &out);
    program(in, out);
    out.flush();
    bytes += sink.bytes;
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_PrimesumSmallRange(benchmark::State& state) {
  run_program(state, primesum::run, "4 2000000\n");
}
BENCHMARK(BM_PrimesumSmallRange)->Unit(benchmark::kMillisecond);

void BM_PrimesumTopRange(benchmark::State& state) {
  run_program(state, primesum::run, "2147000000 2147483646\n");
}
BENCHMARK(BM_PrimesumTopRange)->Unit(benchmark::kMillisecond);

void BM_IsPrimeNearTop(benchmark::State& state) {
  std::int32_t x = 2147483647 - 4096;
  int sum = 0;
  for (auto _ : state) {
    sum += primesum::is_prime(x);
    x = x == 2147483647 ? 2147483647 - 4096 : x + 1;
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_IsPrimeNearTop);

}  // namespace

namespace {

std::string make_class(int students) {
  std::string text = std::to_string(students) + "\n";
  char row[96];
  for (int i = 0; i < students; ++i) {
    const int n = std::snprintf(row, sizeof row, "S%d Name%d %d.5 72 %d 88.25\n", i, i, i % 101, (i * 7) % 100);
    text.append(row, static_cast<std::size_t>(n));
  }
  return text + "1\nS7 Math 99\n";
}

void BM_Scoresheet(benchmark::State& state) {
  static const std::string input = make_class(20000);
  run_program(state, scoresheet::run, input);
}
BENCHMARK(BM_Scoresheet)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

void BM_Hexdigits(benchmark::State& state) {
  static const std::string input = [] {
    std::string text = "200000\n";
    for (long long i = 0; i < 200000; ++i) text += std::to_string(i * 21473 - 2000000000) + "\n";
    return text;
  }();
  run_program(state, hexdigits::run, input);
}
BENCHMARK(BM_Hexdigits)->Unit(benchmark::kMillisecond);

void BM_Capwords(benchmark::State& state) {
  static const std::string input = [] {
    std::string text;
    while (text.size() < (std::size_t{8} << 20)) text += "the quick. brown 42 fox\tjumps  over (the) lazy\n dog ";
    return text;
  }();
  run_program(state, capwords::run, input);
}
BENCHMARK(BM_Capwords)->Unit(benchmark::kMillisecond);

}  // namespace
