// Time of a year of almanac for one site: the risings, transits and settings of
// the six bodies and the Moon's and Venus's phases for every day of 2026, at
// Tokyo and at Tromso (69.65 N, polar day and night, where the Moon and the Sun
// often stay above or below the horizon all day).
//
// Run: build/release/bench/bench_almanac

#include <benchmark/benchmark.h>

#include "astro/almanac.h"

namespace {

struct Site {
  double latitude, longitude;  // [degrees, north and east positive]
};

constexpr Site kSites[] = {{35.65, 139.75}, {69.65, 18.96}};  // Tokyo, Tromso

// Day 1 of January counted on to 365: the calendar carries it into the months.
void BM_AlmanacYear(benchmark::State& state) {
  const Site site = kSites[state.range(0)];
  for (auto _ : state) {
    for (std::int16_t day = 1; day <= 365; ++day) {
      benchmark::DoNotOptimize(
          astro::ComputeAlmanacDay(2026, 1, day, site.latitude, site.longitude));
    }
  }
  state.counters["days"] = 365;
}
BENCHMARK(BM_AlmanacYear)->DenseRange(0, 1)->ArgName("site")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
