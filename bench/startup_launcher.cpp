// Starts a program N times and reports, over the runs, the time from the
// launch to the program's first painted window (the "first-paint <ns>" line it
// writes, on the same monotonic clock) and its peak resident memory.
//
// Usage: startup_launcher RUNS PROGRAM [ARGUMENTS...]
// Output: one line "runs N mean_ms M min_ms m max_ms X peak_rss_kb_mean R peak_rss_kb_max P".

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
  double first_paint_ms = 0;  // launch to first paint [ms]
  long peak_rss_kb = 0;       // maximum resident set size [KiB]
};

// Reads all of the child's standard output and returns its first-paint time
// [ns on the monotonic clock], or -1 when it printed none.
long long ReadFirstPaint(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(n));
  }
  const auto at = text.find("first-paint ");
  if (at == std::string::npos) return -1;
  return std::atoll(text.c_str() + at + 12);
}

bool RunOnce(char* const* program, Run& run) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  const auto launch = std::chrono::steady_clock::now().time_since_epoch();
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, program[0], &actions, nullptr, program, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  if (failed != 0) {
    close(pipe_fds[0]);
    std::fprintf(stderr, "cannot start %s: %s\n", program[0], std::strerror(failed));
    return false;
  }
  const long long painted_ns = ReadFirstPaint(pipe_fds[0]);
  close(pipe_fds[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      painted_ns < 0) {
    std::fprintf(stderr, "%s did not paint and exit cleanly\n", program[0]);
    return false;
  }
  const long long launch_ns = std::chrono::nanoseconds(launch).count();
  run.first_paint_ms = static_cast<double>(painted_ns - launch_ns) / 1e6;
  run.peak_rss_kb = usage.ru_maxrss;
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<Run> results;
  for (int i = 0; i < runs; ++i) {
    Run run;
    if (!RunOnce(argv + 2, run)) return 1;
    results.push_back(run);
  }
  if (results.empty()) return 2;
  double sum_ms = 0, sum_kb = 0;
  double min_ms = results.front().first_paint_ms, max_ms = min_ms;
  long max_kb = 0;
  for (const Run& run : results) {
    sum_ms += run.first_paint_ms;
    sum_kb += static_cast<double>(run.peak_rss_kb);
    min_ms = std::min(min_ms, run.first_paint_ms);
    max_ms = std::max(max_ms, run.first_paint_ms);
    max_kb = std::max(max_kb, run.peak_rss_kb);
  }
  const double count = static_cast<double>(results.size());
  std::printf(
      "runs %zu mean_ms %.2f min_ms %.2f max_ms %.2f peak_rss_kb_mean %.0f peak_rss_kb_max %ld\n",
      results.size(), sum_ms / count, min_ms, max_ms, sum_kb / count, max_kb);
  return 0;
}
