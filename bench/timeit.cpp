// Times whole-program runs without a shell in between:
//
//   timeit RUNS INPUT OUTPUT PROGRAM [ARGS...]
//
// runs PROGRAM RUNS times with standard input from INPUT and standard output
// into OUTPUT (a regular file is removed before each run, outside the
// timing, and created anew), in the current directory, and prints
// "<best wall seconds> <largest peak resident set in KiB>". Exits 1 when a run
// does not end with status 0.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: timeit RUNS INPUT OUTPUT PROGRAM [ARGS...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  double best = 1e300;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    // Freeing the previous run's output is not part of this run's work.
    // Only a regular file is removed: never a device such as /dev/null.
    struct stat info {};
    if (lstat(argv[3], &info) == 0 && S_ISREG(info.st_mode)) unlink(argv[3]);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
      const int in = open(argv[2], O_RDONLY);
      const int out = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0) _exit(127);
      execv(argv[4], argv + 4);
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) < 0) return 1;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "timeit: %s did not end with status 0\n", argv[4]);
      return 1;
    }
    if (took.count() < best) best = took.count();
    if (usage.ru_maxrss > peak) peak = usage.ru_maxrss;
  }
  std::printf("%.4f %ld\n", best, peak);
  return 0;
}
