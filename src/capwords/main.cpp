#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "capwords/capwords.hpp"
#include "console/output.hpp"
#include "console/program.hpp"

int main(int argc, char** argv) {
  const std::string name = console::program_name(argc, argv, "capwords");
  // The file is created or emptied before any input is read; when it cannot
  // be, nothing is read and the run fails.
  const int fd = ::open(capwords::kFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    console::report(name, std::string("cannot open '") + capwords::kFileName + "': " + std::strerror(errno));
    return 1;
  }
  console::FdSink file(fd, /*owned=*/true);
  return console::run(name, file, capwords::run, capwords::kBlockSize);
}
