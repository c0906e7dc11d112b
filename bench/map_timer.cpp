// Times programs from outside, as a user sees them start: from the launch to
// the X server's notice that the program's first window is mapped, seen by a
// client that listens to the root window before the launch. Each program is
// launched RUNS times, in turn with the others (A B C A B C ...), so that a
// change in the machine's load falls on all of them alike; after its window
// is mapped it is ended.
//
// Usage: map_timer RUNS PROGRAM [ARGUMENTS...] [-- PROGRAM [ARGUMENTS...]]...
//        (on an X server without a window manager, such as Xvfb)
// Output: one line per program, in the order given:
//   "median_ms M min_ms m max_ms X peak_rss_kb_median R"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kMapWaitMs = 20000;  // a window not mapped by then counts as a failure

struct Run {
  double map_ms = 0;     // launch to the map notification [ms]
  long peak_rss_kb = 0;  // maximum resident set size until it was ended [KiB]
};

struct Connection {
  xcb_connection_t* link = nullptr;
  ~Connection() { xcb_disconnect(link); }
};

// Waits for the next window mapped on the root window; false after the time limit.
bool AwaitMap(xcb_connection_t* link) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kMapWaitMs);
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(link)) {
      const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
      std::free(event);
      if (mapped) return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || xcb_connection_has_error(link) != 0) return false;
    pollfd descriptor{xcb_get_file_descriptor(link), POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(left.count()));
  }
}

bool RunOnce(xcb_connection_t* link, char* const* program, Run& run) {
  while (xcb_generic_event_t* stale = xcb_poll_for_event(link)) std::free(stale);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto launch = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, program[0], &actions, nullptr, program, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", program[0], std::strerror(failed));
    return false;
  }
  const bool mapped = AwaitMap(link);
  const auto at = std::chrono::steady_clock::now();
  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!mapped) {
    std::fprintf(stderr, "%s mapped no window\n", program[0]);
    return false;
  }
  run.map_ms = std::chrono::duration<double, std::milli>(at - launch).count();
  run.peak_rss_kb = usage.ru_maxrss;
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_timer RUNS PROGRAM [ARGUMENTS...] [-- PROGRAM ...]...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<std::vector<char*>> programs(1);
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      programs.emplace_back();
    } else {
      programs.back().push_back(argv[i]);
    }
  }
  for (auto& program : programs) program.push_back(nullptr);

  Connection connection{xcb_connect(nullptr, nullptr)};
  if (xcb_connection_has_error(connection.link) != 0) {
    std::fprintf(stderr, "map_timer: no X server (DISPLAY)\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.link)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection.link, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection.link);

  std::vector<std::vector<Run>> results(programs.size());
  for (int r = 0; r < runs; ++r) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      Run run;
      if (!RunOnce(connection.link, programs[p].data(), run)) return 1;
      results[p].push_back(run);
    }
  }
  for (const auto& program_runs : results) {
    std::vector<double> times;
    std::vector<long> memory;
    for (const Run& run : program_runs) {
      times.push_back(run.map_ms);
      memory.push_back(run.peak_rss_kb);
    }
    std::printf("median_ms %.1f min_ms %.1f max_ms %.1f peak_rss_kb_median %ld\n", Median(times),
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), Median(memory));
  }
  return 0;
}
