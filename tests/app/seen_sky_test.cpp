// The real-sky option (実際の空) against Astronomy Engine's sky as seen from the
// site: topocentric, refracted, the stars at the date (data/seen_sky_reference.csv,
// made by tools/accuracy/make-seen-sky-reference.js).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/sites.h"
#include "fakes.h"

namespace app {
namespace {

constexpr double kRad = std::numbers::pi / 180;

// The angle between two places on the sky [arcminutes].
double ArcminutesApart(double alt1, double az1, double alt2, double az2) {
  const double c = std::sin(alt1 * kRad) * std::sin(alt2 * kRad) +
                   std::cos(alt1 * kRad) * std::cos(alt2 * kRad) * std::cos((az1 - az2) * kRad);
  return std::acos(std::fmin(1.0, c)) / kRad * 60;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The readout's row of each object of the reference: the bodies, then the
// named stars by their HR numbers.
std::map<std::string, std::size_t> ReadoutRows() {
  std::map<std::string, std::size_t> rows;
  for (std::size_t b = 0; b < astro::kBodyCount; ++b) {
    rows[std::string(chart::kBodyRows[b].id)] = b + 1;
  }
  for (int k = 1; k <= catalog::kBrightStarCount; ++k) {
    rows[std::to_string(catalog::BrightStarHr(k))] =
        static_cast<std::size_t>(astro::kBodyCount + k);
  }
  return rows;
}

TEST(SeenSky, AgreesWithTheSkyAsAnIndependentEphemerisSeesIt) {
  std::ifstream file(SEEN_SKY_REFERENCE_CSV);
  ASSERT_TRUE(file) << SEEN_SKY_REFERENCE_CSV;
  const auto rows = ReadoutRows();
  std::map<std::string, std::vector<double>> errors;  // [arcminutes] by body, "stars"
  testing::FakeWindow window;
  Form1& form = window.form;
  form.Form_Load();
  form.lstCITY.ListIndex = kTypedEntryPosition;
  form.chkOP[static_cast<std::size_t>(chart::Option::kRealSky)].Value = 1;
  std::string shown;  // the instant and site the readout shows
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#' || line.rfind("site,", 0) == 0) continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
    std::string instant;
    for (std::size_t i = 0; i < 8; ++i) instant += f[i] + ",";
    if (instant != shown) {
      form.txtIDO.Text = f[1];
      form.txtKEIDO.Text = f[2];
      window.SetBoxes({f[3], f[4], f[5], f[6], f[7]});
      form.Command2_Click();
      shown = instant;
    }
    const auto row = rows.find(f[8]);
    ASSERT_NE(row, rows.end()) << f[8];
    const double alt = std::stod(f[9]), az = std::stod(f[10]);
    if (alt < 1) continue;  // below and at the horizon refraction models part
    const double error =
        ArcminutesApart(form.ReadoutAlt[row->second], form.ReadoutAz[row->second], alt, az);
    errors[row->second <= astro::kBodyCount ? f[8] : "stars"].push_back(error);
  }
  ASSERT_GT(errors["stars"].size(), 100u);
  // The Moon seen from the site within 2' (it is drawn 49' too high without
  // the option), the Sun and the planets within their series' own errors, the
  // stars within half an arcminute everywhere.
  EXPECT_LT(Median(errors["moon"]), 2.0);
  for (const char* body : {"sun", "venus", "mars", "jupiter", "saturn"}) {
    EXPECT_LT(Median(errors[body]), 1.5) << body;
  }
  EXPECT_LT(*std::max_element(errors["stars"].begin(), errors["stars"].end()), 0.5);
}

// On 2026-03-02 at 21:02 the Moon hides Regulus from Tokyo: the star stands
// within the Moon's disc (radius about 15'), not 25.8' from its centre.
TEST(SeenSky, TheMoonHidesRegulusFromTokyo) {
  testing::FakeWindow window;
  Form1& form = window.form;
  form.Form_Load();
  window.SetBoxes({"2026", "3", "2", "21", "2"});
  form.chkOP[static_cast<std::size_t>(chart::Option::kRealSky)].Value = 1;
  form.Command2_Click();
  const auto rows = ReadoutRows();
  const std::size_t moon = rows.at("moon"), regulus = rows.at("3982");
  EXPECT_LT(ArcminutesApart(form.ReadoutAlt[moon], form.ReadoutAz[moon], form.ReadoutAlt[regulus],
                            form.ReadoutAz[regulus]),
            15);
}

}  // namespace
}  // namespace app
