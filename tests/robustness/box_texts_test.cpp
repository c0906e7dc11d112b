// Whatever is typed into the seven boxes, the window gives a sound result: no
// crash, nothing non-finite on the chart or in the readout, and where the
// computation cannot take the input, the previous positions stay as they were.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "chart/recording_surface.h"
#include "tests/harness/form_harness.h"

namespace {

using Harness = harness::FormHarness<chart::RecordingSurface>;

constexpr int kTypedSite = 48;  // "入力": the boxes keep what was typed

struct BoxCase {
  const char* what;
  std::array<const char*, 7> texts;  // year, month, day, hour, minute, latitude, longitude
  enum Outcome { kComputed, kKept, kEither } outcome;
};

// What the user might leave in the boxes. kKept: the input cannot be computed
// (a year or month beyond 16 bits, a number beyond the double range, a date
// before the calendar's start) and the previous results must remain.
const std::vector<BoxCase> kCases = {
    {"all empty", {"", "", "", "", "", "", ""}, BoxCase::kComputed},
    {"letters", {"abc", "x", "day", "h", "m", "north", "east"}, BoxCase::kComputed},
    {"Japanese text", {"二千五", "十月", "日", "時", "分", "東京", "経度"}, BoxCase::kComputed},
    {"blanks only", {"   ", " ", "\t", " ", " ", "  ", " "}, BoxCase::kComputed},
    {"binary bytes",
     {"\xff\xfe", "\x80", "\x01", "\x7f", "\xc0", "\xe6\x9d", "\xed\xa0\x80"},
     BoxCase::kComputed},
    {"not numbers for C",
     {"nan", "inf", "infinity", "0x10", "-nan", "NaN", "Inf"},
     BoxCase::kComputed},
    {"year beyond 16 bits", {"40000", "10", "22", "21", "0", "35.65", "139.75"}, BoxCase::kKept},
    {"negative year beyond 16 bits",
     {"-40000", "10", "22", "21", "0", "35.65", "139.75"},
     BoxCase::kKept},
    {"year rounds past 32767",
     {"32767.5", "10", "22", "21", "0", "35.65", "139.75"},
     BoxCase::kKept},
    {"month beyond 16 bits", {"2005", "99999", "22", "21", "0", "35.65", "139.75"}, BoxCase::kKept},
    {"largest 16-bit year",
     {"32767", "12", "31", "23", "59", "35.65", "139.75"},
     BoxCase::kComputed},
    {"smallest 16-bit year in January",
     {"-32768", "1", "1", "0", "0", "35.65", "139.75"},
     BoxCase::kKept},
    {"month 0 and 13", {"2005", "13", "0", "0", "0", "35.65", "139.75"}, BoxCase::kComputed},
    {"day beyond the double range",
     {"2005", "10", "1e400", "21", "0", "35.65", "139.75"},
     BoxCase::kKept},
    {"huge day", {"2005", "10", "1e300", "21", "0", "35.65", "139.75"}, BoxCase::kEither},
    {"huge hour and minute",
     {"2005", "10", "22", "1e300", "-1e300", "35.65", "139.75"},
     BoxCase::kEither},
    {"tiny numbers",
     {"1e-400", "1e-300", "1e-320", "4.9e-324", "-0", "-0.0", "1e-310"},
     BoxCase::kComputed},
    {"latitude just beyond the pole",
     {"2005", "10", "22", "21", "0", "91", "139.75"},
     BoxCase::kComputed},
    {"latitude far beyond the pole",
     {"2005", "10", "22", "21", "0", "1000", "139.75"},
     BoxCase::kComputed},
    {"latitude minus 1e300",
     {"2005", "10", "22", "21", "0", "-1e300", "139.75"},
     BoxCase::kComputed},
    {"latitude beyond the double range",
     {"2005", "10", "22", "21", "0", "1e400", "139.75"},
     BoxCase::kKept},
    {"north pole", {"2005", "10", "22", "21", "0", "90", "0"}, BoxCase::kComputed},
    {"south pole", {"2005", "10", "22", "21", "0", "-90", "0"}, BoxCase::kComputed},
    {"longitude far beyond a turn",
     {"2005", "10", "22", "21", "0", "35.65", "1e300"},
     BoxCase::kComputed},
    {"longitude beyond the double range",
     {"2005", "10", "22", "21", "0", "35.65", "-1D999"},
     BoxCase::kKept},
    {"exponent forms",
     {"2.005E3", "1D1", "2.2e1", "2.1E+01", "0e5", "3.565D1", "1.3975E2"},
     BoxCase::kComputed},
};

struct Snapshot {
  double jd;
  std::array<double, astro::kBodyCount> altitude, azimuth;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Harness& h) {
  return {h.form.observation.JD, h.form.observation.BodyAlt, h.form.observation.BodyAz};
}

void ExpectFinite(const Harness& h) {
  EXPECT_TRUE(std::isfinite(h.form.observation.JD));
  EXPECT_TRUE(std::isfinite(h.form.observation.horizontal.SidTime));
  for (int i = 0; i < astro::kBodyCount; ++i) {
    SCOPED_TRACE("body " + std::to_string(i));
    EXPECT_TRUE(std::isfinite(h.form.observation.BodyAlt[static_cast<std::size_t>(i)]));
    EXPECT_TRUE(std::isfinite(h.form.observation.BodyAz[static_cast<std::size_t>(i)]));
  }
  EXPECT_EQ(h.surface.nonFiniteCount(), 0u);
}

void ExpectReadableReadout(const Harness& h) {
  for (std::size_t row = 0; row < h.form.lblH.size(); ++row) {
    for (const std::string& text : {h.form.lblH[row].Caption, h.form.lblV[row].Caption}) {
      EXPECT_EQ(text.find("nan"), std::string::npos) << "row " << row << ": " << text;
      EXPECT_EQ(text.find("inf"), std::string::npos) << "row " << row << ": " << text;
    }
  }
}

// The window after start-up with the typed site and every drawing option,
// after one good computation for 2005-10-22 21:00 at Tokyo.
std::unique_ptr<Harness> WindowWithGoodChart() {
  auto h = std::make_unique<Harness>();
  h->form.Form_Load();
  h->form.lstCITY.ListIndex = kTypedSite;
  for (auto& option : h->form.chkOP) option.Value = 1;
  const std::array<const char*, 7> good = {"2005", "10", "22", "21", "0", "35.65", "139.75"};
  for (std::size_t i = 0; i < 5; ++i) h->form.txtYMD[i].Text = good[i];
  h->form.txtIDO.Text = good[5];
  h->form.txtKEIDO.Text = good[6];
  h->form.Command3_Click();
  return h;
}

void Type(Harness& h, const BoxCase& c) {
  for (std::size_t i = 0; i < 5; ++i) h.form.txtYMD[i].Text = c.texts[i];
  h.form.txtIDO.Text = c.texts[5];
  h.form.txtKEIDO.Text = c.texts[6];
}

TEST(BoxTexts, EveryCaseGivesASoundChartAndReadout) {
  for (const BoxCase& c : kCases) {
    SCOPED_TRACE(c.what);
    auto h = WindowWithGoodChart();
    ASSERT_EQ(h->surface.nonFiniteCount(), 0u);
    const Snapshot before = Take(*h);
    Type(*h, c);

    const bool fault_found = h->form.FindSkyBoxFault().has_value();
    const bool computed = h->form.CalcSky();
    EXPECT_EQ(fault_found, !computed) << "a fault is named exactly when nothing can be computed";
    if (c.outcome == BoxCase::kComputed) {
      EXPECT_TRUE(computed);
    }
    if (c.outcome == BoxCase::kKept) {
      EXPECT_FALSE(computed);
    }
    if (!computed) {
      EXPECT_TRUE(Take(*h) == before) << "the previous positions must stay";
    }
    ExpectFinite(*h);

    for (int direction = 0; direction < 4; ++direction) {
      SCOPED_TRACE("direction " + std::to_string(direction));
      for (int i = 0; i < 4; ++i)
        h->form.optDIR[static_cast<std::size_t>(i)].Value = i == direction;
      h->surface.Clear();
      h->form.Command3_Click();
      ExpectFinite(*h);
    }
    h->form.Command2_Click();
    ExpectFinite(*h);
    ExpectReadableReadout(*h);
    h->surface.Clear();
    h->form.Timer1_Timer();
    ExpectFinite(*h);
    ExpectReadableReadout(*h);
  }
}

// A tick that cannot step the date leaves the boxes exactly as they were.
TEST(BoxTexts, TickThatLeavesTheCalendarKeepsTheBoxes) {
  const std::vector<std::array<const char*, 5>> dates = {
      {"40000", "1", "1", "0", "0"},      // year beyond 16 bits
      {"2005", "70000", "1", "0", "0"},   // month beyond 16 bits
      {"32767", "12", "31", "23", "59"},  // the step carries the year past 32767
      {"2005", "10", "1e400", "0", "0"},  // day beyond the double range
  };
  for (const auto& date : dates) {
    SCOPED_TRACE(std::string(date[0]) + "-" + date[1] + "-" + date[2] + " " + date[3] + ":" +
                 date[4]);
    auto h = WindowWithGoodChart();
    for (std::size_t i = 0; i < 5; ++i) h->form.txtYMD[i].Text = date[i];
    h->surface.Clear();
    h->form.Timer1_Timer();
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(h->form.txtYMD[i].Text, date[i]);
    ExpectFinite(*h);
  }
}

}  // namespace
