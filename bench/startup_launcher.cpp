// Starts one or more programs N times each, in turn (A B C A B C ...), so that
// a change in the machine's load falls on all of them alike, and reports for
// each the time from its launch to its first painted window (the
// "first-paint <ns>" line it writes, on the same monotonic clock) and its peak
// resident memory.
//
// Usage: startup_launcher RUNS PROGRAM [ARGUMENTS...] [-- PROGRAM [ARGUMENTS...]]...
// Output: one line per program, in the order given:
//   "median_ms M mean_ms A min_ms m max_ms X peak_rss_kb_median R peak_rss_kb_max P"

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

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Report(const std::vector<Run>& runs) {
  std::vector<double> times_ms, peaks_kb;
  for (const Run& run : runs) {
    times_ms.push_back(run.first_paint_ms);
    peaks_kb.push_back(static_cast<double>(run.peak_rss_kb));
  }
  double sum_ms = 0;
  for (const double ms : times_ms) sum_ms += ms;
  std::printf(
      "median_ms %.2f mean_ms %.2f min_ms %.2f max_ms %.2f peak_rss_kb_median %.0f "
      "peak_rss_kb_max %.0f\n",
      Median(times_ms), sum_ms / static_cast<double>(times_ms.size()),
      *std::min_element(times_ms.begin(), times_ms.end()),
      *std::max_element(times_ms.begin(), times_ms.end()), Median(peaks_kb),
      *std::max_element(peaks_kb.begin(), peaks_kb.end()));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGUMENTS...] [-- PROGRAM [ARGUMENTS...]]...\n",
                 argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  // Each program's argument vector ends where "--" stood (posix_spawn wants a
  // null-terminated vector).
  std::vector<char**> programs{argv + 2};
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      argv[i] = nullptr;
      programs.push_back(argv + i + 1);
    }
  }
  for (char** program : programs) {
    if (program[0] == nullptr) {
      std::fprintf(stderr, "an empty program between \"--\"\n");
      return 2;
    }
  }
  std::vector<std::vector<Run>> results(programs.size());
  for (int i = 0; i < runs; ++i) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      Run run;
      if (!RunOnce(programs[p], run)) return 1;
      results[p].push_back(run);
    }
  }
  for (const std::vector<Run>& program_runs : results) Report(program_runs);
  return 0;
}
