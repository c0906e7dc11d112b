#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/form.h"
#include "astro/series_years.h"
#include "astro/sky_as_seen.h"
#include "chart/bodies.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace app {
namespace {

// Readout names of the six bodies: a blank and the label in two characters (the
// Moon's one character padded by an ideographic space), so that the column lines up.
const std::array<std::string, astro::kBodyCount>& BodyReadoutNames() {
  static const std::array<std::string, astro::kBodyCount> names = [] {
    std::array<std::string, astro::kBodyCount> padded;
    for (std::size_t i = 0; i < padded.size(); ++i) {
      const std::string_view label = chart::kBodyRows[i].label;
      const bool one_character = text::FirstCodePoint(label).length == label.size();
      padded[i] = " " + std::string(label) + (one_character ? "\u3000" : "");
    }
    return padded;
  }();
  return names;
}
constexpr int kFirstStarRow = astro::kBodyCount + 1;  // row of bright star 1

// The caution for a year beyond those the series serve.
std::string BeyondTheSeries() {
  return "注意: " + std::to_string(astro::kFirstSeriesYear) + "年～" +
         std::to_string(astro::kLastSeriesYear) +
         "年の外では、月と惑星の位置が 10′ 以上ずれることがあります。";
}

}  // namespace

bool Form1::SeriesServeTheYear() const {
  const DateBoxes date = ReadDateBoxes();
  return !date.year || astro::SeriesServeYear(*date.year);
}

bool Form1::CalcSky() {
  const auto read = ReadSkyBoxes();
  const SkyBoxes* boxes = std::get_if<SkyBoxes>(&read);
  if (boxes == nullptr || !observation.Compute(boxes->year, boxes->month, boxes->day, boxes->hour,
                                               boxes->minute, boxes->latitude, boxes->longitude)) {
    return false;
  }
  // Beyond the years the series serve the sky is still computed, and the window says so.
  lblCHUI.Caption = SeriesServeTheYear() ? "" : BeyondTheSeries();
  skyChart.AsSeen.reset();
  if (chkOP[static_cast<std::size_t>(chart::Option::kRealSky)].Value == 1) {
    astro::SeeFromSite(observation);
    starsOfDate.MoveTo(astro::DynamicalCenturies(observation));
    skyChart.AsSeen = {&starsOfDate.Chart(), &starsOfDate.Figures()};
  }

  for (std::size_t i = 0; i < astro::kBodyCount; ++i) {
    ReadoutAlt[i + 1] = observation.BodyAlt[i];
    ReadoutAz[i + 1] = observation.BodyAz[i];
    ReadoutName[i + 1] = BodyReadoutNames()[i];
  }
  return true;
}

// The numeric table from now on, also on every tick of the animation.
void Form1::Command2_Click() {
  ReadoutMode = 1;
  ShowValues();
}

// Replaces the chart by the table of altitudes and azimuths of the six bodies
// and the twenty named bright stars. When the boxes cannot be computed the
// table stays empty: the last results belong to another date or site.
void Form1::ShowValues() {
  ClearReadoutRows();
  services_.surface.Cls();
  ChartOnWindow.reset();
  ChartDescription.clear();
  if (!CalcSky()) return;

  const catalog::StarTables& stars = SkyAsSeen() ? starsOfDate.Bright() : brightStars;
  for (int k = 1; k <= catalog::kBrightStarCount; ++k) {
    astro::HorizontalPlace place = observation.horizontal.PlaceOf(
        stars.StarTable(catalog::kRightAscension, k), stars.StarTable(catalog::kDeclination, k));
    if (SkyAsSeen()) place.altitude = astro::SeenAltitude(place.altitude);
    const auto row = static_cast<std::size_t>(k + kFirstStarRow - 1);
    ReadoutAlt[row] = place.altitude;
    ReadoutAz[row] = place.azimuth;
    ReadoutName[row] = stars.StarName[static_cast<std::size_t>(k)];
  }

  ReadoutShown = true;
  for (std::size_t r = 1; r <= kReadoutRows; ++r) {
    lblST[r - 1].Caption = ReadoutName[r];
    lblH[r - 1].Caption = text::FormatOneDecimal(ReadoutAlt[r]);
    lblV[r - 1].Caption = text::FormatOneDecimal(ReadoutAz[r]);
  }
}

void Form1::ClearReadoutRows() {
  ReadoutShown = false;
  for (std::size_t i = 0; i < kReadoutLabels; ++i) {
    lblST[i].Caption.clear();
    lblH[i].Caption.clear();
    lblV[i].Caption.clear();
  }
}

}  // namespace app
