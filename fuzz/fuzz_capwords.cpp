// capwords: whatever the bytes and the block boundaries, the output is what
// the two-state table gives byte by byte.
#include "capwords/capwords.hpp"
#include "fuzz_support.hpp"
#include "run_in_memory.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Case c = fuzz::split(data, size);
  std::string expected(c.input);
  capwords::Capitalizer plain;
  expected.resize(plain.transform_bytewise(expected.data(), expected.size()));
  const auto result = testing_support::run(capwords::run, c.input, c.chunk, 64 + c.chunk % 97);
  if (result.error) fuzz::fail("capwords failed");
  if (result.out != expected) fuzz::fail("capwords differs from the table");
  return 0;
}
