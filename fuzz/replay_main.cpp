// Feeds files to a fuzz target without libFuzzer, so the checked-in corpus
// runs as an ordinary test with any compiler:
//
//   replay FILE_OR_DIRECTORY...
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_support.hpp"

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i])) files.push_back(entry.path());
    } else {
      files.emplace_back(argv[i]);
    }
    for (const auto& file : files) {
      std::string bytes;
      if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, n);
        std::fclose(in);
      }
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %d inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
