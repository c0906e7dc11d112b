// Time of whole `planetarium-cli` processes, spawned as a user would: the
// chart (start-up, the night view toward the south with every option, and the
// PNG written or the drawing operations printed) and a year of readouts.
//
// Run: build/perf/bench/bench_cli

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#ifndef PLANETARIUM_CLI
#error "PLANETARIUM_CLI must name the planetarium-cli program"
#endif

namespace {

// Runs the program with the arguments, its output to /dev/null; true when it
// exited with status 0.
bool Spawn(std::vector<std::string> args) {
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return failed == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

std::vector<std::string> ChartArguments() {
  return {PLANETARIUM_CLI, "chart", "--site",    "東京",       "--at",   "2005-10-22 21:00",
          "--dir",         "south", "--equator", "--ecliptic", "--grid", "--names"};
}

void BM_CliChartPng(benchmark::State& state) {
  const std::string out = "/tmp/planetarium-bench-" + std::to_string(getpid()) + ".png";
  auto args = ChartArguments();
  args.insert(args.end(), {"--out", out});
  for (auto _ : state) {
    if (!Spawn(args)) state.SkipWithError("planetarium-cli failed");
  }
  unlink(out.c_str());
}
BENCHMARK(BM_CliChartPng)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliChartOperations(benchmark::State& state) {
  auto args = ChartArguments();
  args.emplace_back("--ops");
  for (auto _ : state) {
    if (!Spawn(args)) state.SkipWithError("planetarium-cli failed");
  }
}
BENCHMARK(BM_CliChartOperations)->Unit(benchmark::kMillisecond)->UseRealTime();

// A year of 10-minute steps: 52,560 ticks, 52,561 readouts of 26 rows each
// (about 100 MB of CSV or JSON, written to /dev/null).
void BM_CliSeriesYear(benchmark::State& state) {
  const std::vector<std::string> args = {PLANETARIUM_CLI,
                                         "table",
                                         "--series",
                                         "--site",
                                         "東京",
                                         "--at",
                                         "2024-01-01 00:00",
                                         "--step",
                                         "10",
                                         "--ticks",
                                         "52560",
                                         "--format",
                                         state.range(0) == 0 ? "csv" : "json"};
  for (auto _ : state) {
    if (!Spawn(args)) state.SkipWithError("planetarium-cli failed");
  }
  state.SetLabel(state.range(0) == 0 ? "csv" : "json");
}
BENCHMARK(BM_CliSeriesYear)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
