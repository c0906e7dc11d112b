// Long animation runs: many timer ticks at each time step of the list, with the
// chart drawn on a surface that only checks coordinates. The date and time in
// the boxes must follow an independent calendar minute for minute (no drift
// from the day-fraction arithmetic), nothing non-finite may reach the surface,
// and the resident memory must stay flat.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <fstream>
#include <memory>
#include <string>

#include "tests/harness/form_harness.h"
#include "text/number_text.h"

#ifndef PLANETARIUM_SOAK_TICKS
#define PLANETARIUM_SOAK_TICKS 100000
#endif

namespace {

using namespace std::chrono;
using Harness = harness::FormHarness<harness::CheckingSurface>;

constexpr long kTicks = PLANETARIUM_SOAK_TICKS;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;  // its quarantine holds freed memory back
#else
constexpr bool kAddressSanitizer = false;
#endif

// Resident set size [pages] from /proc/self/statm.
long ResidentPages() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident;
}

// The five boxes for a minute count from the civil epoch, by the standard
// library's proleptic Gregorian calendar.
std::array<std::string, 5> ExpectedBoxes(sys_time<minutes> when) {
  const auto day = floor<days>(when);
  const year_month_day date{day};
  const hh_mm_ss<minutes> time{when - day};
  return {std::to_string(static_cast<int>(date.year())),
          std::to_string(static_cast<unsigned>(date.month())),
          std::to_string(static_cast<unsigned>(date.day())), std::to_string(time.hours().count()),
          std::to_string(time.minutes().count())};
}

// Selects the list item that reads as `step` minutes; false when there is none.
bool SelectStep(app::ListBox& list, int step) {
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    if (text::LeadingNumber(list.items[i]) == step) {
      list.ListIndex = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

class Soak : public ::testing::TestWithParam<int> {};

TEST_P(Soak, TicksFollowTheCalendarWithoutDriftCrashOrGrowth) {
  const int step = GetParam();  // [minutes]
  auto h = std::make_unique<Harness>();
  h->clock.now = {2005, 10, 22, 21, 0};
  h->form.Form_Load();
  ASSERT_TRUE(SelectStep(h->form.lstINTV1, step));
  // Names on; the grid and the dotted lines stay off: they add only
  // time-independent or per-dot work that the robustness tests cover, and would
  // multiply the run time of the hundred thousand ticks.
  h->form.chkOP[3].Value = 1;
  h->form.Command2_Click();  // the readout is renewed on every tick as well
  h->form.Command3_Click();

  const sys_time<minutes> start = sys_days{2005y / October / 22} + 21h + 0min;
  const long warm_up = kTicks / 100;
  long pages_after_warm_up = 0;
  for (long tick = 1; tick <= kTicks; ++tick) {
    h->form.Timer1_Timer();
    h->timer.intervals.clear();  // the stand-in's history of settings would grow with every tick
    const auto expected = ExpectedBoxes(start + minutes{tick * step});
    for (std::size_t box = 0; box < expected.size(); ++box) {
      if (h->form.txtYMD[box].Text != expected[box]) {
        FAIL() << "step " << step << " min, tick " << tick << ", box " << box << ": expected "
               << expected[box] << ", got " << h->form.txtYMD[box].Text;
      }
    }
    if (tick == warm_up) pages_after_warm_up = ResidentPages();
  }
  EXPECT_EQ(h->surface.non_finite, 0u);
  EXPECT_GE(h->surface.clears, static_cast<std::size_t>(kTicks));
  if constexpr (!kAddressSanitizer) {
    // After the warm-up every buffer has its working size; 64 pages of slack.
    EXPECT_LE(ResidentPages() - pages_after_warm_up, 64);
  }
}

std::string StepName(const ::testing::TestParamInfo<int>& step) {
  return std::to_string(step.param) + "min";
}

INSTANTIATE_TEST_SUITE_P(EveryTimeStep, Soak,
                         ::testing::Values(2, 5, 10, 15, 30, 60, 90, 120, 1440), StepName);

}  // namespace
