// Shared by the fuzz targets: the libFuzzer entry point's signature and a
// way to turn the fuzzer's bytes into a block size and an input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

/// Fails the run loudly: the fuzzer (or the replay) reports the input.
[[noreturn]] inline void fail(const char* what) {
  __builtin_trap();
  (void)what;
}

/// The first byte picks how many bytes each read delivers (1 to 256); the
/// rest is the input.
struct Case {
  std::size_t chunk;
  std::string_view input;
};

inline Case split(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {1, {}};
  return {std::size_t{data[0]} + 1, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

/// The input's white-space-separated words, as C's isspace splits them.
inline std::vector<std::string> words(std::string_view input) {
  std::vector<std::string> out;
  std::string word;
  for (const char c : input) {
    if (console::is_space(static_cast<unsigned char>(c))) {
      if (!word.empty()) out.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) out.push_back(word);
  return out;
}

}  // namespace fuzz
