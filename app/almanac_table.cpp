#include "app/almanac_table.h"

#include <cmath>

#include "app/chart_description.h"
#include "app/control_lookup.h"
#include "app/sites.h"
#include "chart/bodies.h"
#include "text/number_text.h"

namespace app {
namespace {

// The 16 points of the compass from north through east, 22.5 degrees apart.
constexpr std::array<std::string_view, 16> kCompassPoints = {
    "北", "北北東", "北東", "東北東", "東", "東南東", "南東", "南南東",
    "南", "南南西", "南西", "西南西", "西", "西北西", "北西", "北北西"};
constexpr double kCompassStep = 360.0 / kCompassPoints.size();  // [degrees]

// What a cell shows for an event that does not happen that day, and beside it.
constexpr std::string_view kNoEvent = "なし";
constexpr std::string_view kNoValue = "—";

// The second table's labels, in the order of its lines.
constexpr std::array<std::string_view, 5> kFactLabels = {"正午月齢", "月の輝面比", "月相",
                                                         "金星の輝面比", "金星の視直径"};

constexpr std::string_view kJapanTime = "（日本標準時）";
constexpr std::string_view kArcseconds = "″";

// "118.1（東南東）"
std::string Azimuth(double azimuth) {
  return text::FormatOneDecimal(azimuth) + "（" + std::string(CompassPoint(azimuth)) + "）";
}

// "87%": a fraction 0..1 as a whole percent.
std::string Percent(double fraction) {
  return std::to_string(std::lround(fraction * 100)) + "%";
}

// Its time and its angle: a rising's or setting's azimuth, a transit's altitude.
template <typename Event, typename Angle>
void PutEvent(const std::optional<Event>& event, Angle angle, std::string& time_cell,
              std::string& angle_cell) {
  time_cell = event ? ClockTime(event->minute) : std::string(kNoEvent);
  angle_cell = event ? angle(*event) : std::string(kNoValue);
}

AlmanacRow BodyRow(std::size_t body, const astro::BodyDay& day) {
  const auto azimuth = [](const astro::HorizonCrossing& c) { return Azimuth(c.azimuth); };
  AlmanacRow row;
  row[0] = chart::kBodyRows[body].label;
  PutEvent(day.rise, azimuth, row[1], row[2]);
  PutEvent(
      day.transit, [](const astro::Transit& t) { return text::FormatOneDecimal(t.altitude); },
      row[3], row[4]);
  PutEvent(day.set, azimuth, row[5], row[6]);
  return row;
}

}  // namespace

std::string_view CompassPoint(double azimuth) {
  const double sector = std::floor(azimuth / kCompassStep + 0.5);
  const double count = static_cast<double>(kCompassPoints.size());
  return kCompassPoints[static_cast<std::size_t>(sector - count * std::floor(sector / count))];
}

std::string ClockTime(int minute) {
  const auto two_digits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return two_digits(minute / 60) + ":" + two_digits(minute % 60);
}

std::string AlmanacSite(const AlmanacSubject& subject) {
  if (!subject.site) return CoordinatesText(subject.latitude, subject.longitude);
  return std::string(TrimTrailingBlanks(kSites[static_cast<std::size_t>(*subject.site)].name));
}

AlmanacTable MakeAlmanacTable(const AlmanacSubject& subject, const astro::AlmanacDay& day) {
  AlmanacTable table{subject, day, {}, {}, {}};
  const std::string coordinates = CoordinatesText(subject.latitude, subject.longitude);
  table.title = (subject.site ? AlmanacSite(subject) + "（" + coordinates + "）" : coordinates) +
                " " + std::to_string(subject.year) + "年" + std::to_string(subject.month) + "月" +
                std::to_string(subject.day) + "日" + std::string(kJapanTime);
  for (std::size_t b = 0; b < day.bodies.size(); ++b) {
    table.bodies.push_back(BodyRow(b, day.bodies[b]));
  }
  const std::string values[] = {
      text::FormatOneDecimal(day.moon_age), Percent(day.moon_illuminated_fraction),
      std::string(astro::MoonPhaseName(day.moon_phase)), Percent(day.venus.illuminated_fraction),
      text::FormatOneDecimal(day.venus.diameter) + std::string(kArcseconds)};
  for (std::size_t i = 0; i < kFactLabels.size(); ++i) {
    table.facts.push_back({std::string(kFactLabels[i]), values[i]});
  }
  return table;
}

}  // namespace app
