#include "platform/cli/almanac_listing.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "chart/bodies.h"
#include "platform/cli/text_output.h"
#include "text/utf8.h"

namespace platform {
namespace {

// "2026-09-02"; a year before 1 with its sign, one past 9999 with all its digits.
std::string IsoDate(const app::AlmanacSubject& subject) {
  const auto digits = [](int n, std::size_t width) {
    std::string text = std::to_string(n);
    return std::string(width - std::min(width, text.size()), '0') + text;
  };
  return (subject.year < 0 ? "-" : "") + digits(std::abs(subject.year), 4) + "-" +
         digits(subject.month, 2) + "-" + digits(subject.day, 2);
}

// An event's time and angle, nullopt where it does not happen.
struct EventValues {
  std::optional<std::string> time;  // "HH:MM"
  std::optional<double> angle;      // [degrees]
};

template <typename Event, typename Angle>
EventValues ValuesOf(const std::optional<Event>& event, Angle angle) {
  if (!event) return {};
  return {app::ClockTime(event->minute), angle(*event)};
}

// Rising, transit and setting of one body.
std::array<EventValues, 3> BodyEvents(const astro::BodyDay& day) {
  const auto azimuth = [](const astro::HorizonCrossing& c) { return c.azimuth; };
  return {ValuesOf(day.rise, azimuth),
          ValuesOf(day.transit, [](const astro::Transit& t) { return t.altitude; }),
          ValuesOf(day.set, azimuth)};
}

constexpr const char* kEventNames[] = {"rise", "transit", "set"};
constexpr const char* kAngleNames[] = {"rise_azimuth", "transit_altitude", "set_azimuth"};

void WriteJson(const app::AlmanacTable& table, std::ostream& out) {
  out << "{\"date\": " << JsonString(IsoDate(table.subject))
      << ", \"site\": " << JsonString(app::AlmanacSite(table.subject)) << ", \"bodies\": [";
  for (std::size_t b = 0; b < table.day.bodies.size(); ++b) {
    out << (b > 0 ? ",\n  " : "\n  ") << "{\"id\": " << JsonString(chart::kBodyRows[b].id)
        << ", \"name\": " << JsonString(chart::kBodyRows[b].label);
    const auto events = BodyEvents(table.day.bodies[b]);
    for (std::size_t e = 0; e < events.size(); ++e) {
      out << ", \"" << kEventNames[e]
          << "\": " << (events[e].time ? JsonString(*events[e].time) : "null") << ", \""
          << kAngleNames[e] << "\": " << (events[e].angle ? JsonNumber(*events[e].angle) : "null");
    }
    out << "}";
  }
  const astro::AlmanacDay& day = table.day;
  out << "],\n \"moon\": {\"age\": " << JsonNumber(day.moon_age)
      << ", \"illuminated\": " << JsonNumber(day.moon_illuminated_fraction)
      << ", \"phase\": " << JsonString(astro::MoonPhaseName(day.moon_phase))
      << "},\n \"venus\": {\"illuminated\": " << JsonNumber(day.venus.illuminated_fraction)
      << ", \"diameter\": " << JsonNumber(day.venus.diameter) << "}}\n";
}

void WriteCsv(const app::AlmanacTable& table, std::ostream& out) {
  out << "date,site,id,name,rise,rise_azimuth,transit,transit_altitude,set,set_azimuth,age,"
         "illuminated,phase,diameter"
      << kCsvLineEnd;
  const astro::AlmanacDay& day = table.day;
  const std::string date_and_site =
      IsoDate(table.subject) + ',' + CsvField(app::AlmanacSite(table.subject)) + ',';
  for (std::size_t b = 0; b < day.bodies.size(); ++b) {
    std::string record = date_and_site + std::string(chart::kBodyRows[b].id) + ',' +
                         CsvField(chart::kBodyRows[b].label);
    for (const EventValues& event : BodyEvents(day.bodies[b])) {
      record += ',' + event.time.value_or("") + ',' +
                (event.angle ? ShortestNumber(*event.angle) : std::string());
    }
    // age, illuminated, phase, diameter
    if (b == static_cast<std::size_t>(astro::kMoon)) {
      record += ',' + ShortestNumber(day.moon_age) + ',' +
                ShortestNumber(day.moon_illuminated_fraction) + ',' +
                CsvField(astro::MoonPhaseName(day.moon_phase)) + ',';
    } else if (b == static_cast<std::size_t>(astro::kVenus)) {
      record += ",," + ShortestNumber(day.venus.illuminated_fraction) + ",," +
                ShortestNumber(day.venus.diameter);
    } else {
      record += ",,,,";
    }
    out << record << kCsvLineEnd;
  }
}

// Columns a text takes on a terminal: two for the wide characters of Japanese
// (kana, kanji, full-width forms from U+2E80 on), one for any other.
std::size_t TerminalWidth(std::string_view text) {
  std::size_t width = 0;
  while (!text.empty()) {
    const text::CodePoint c = text::FirstCodePoint(text);
    const std::size_t length = std::max<std::size_t>(c.length, 1);
    width += c.value >= 0x2E80 ? 2 : 1;
    text.remove_prefix(length);
  }
  return width;
}

// Rows of cells with each column padded to its widest cell, two blanks apart.
std::string LinedUp(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], TerminalWidth(row[c]));
    }
  }
  std::string lines;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(widths[c] - TerminalWidth(row[c]) + 2, ' ');
    }
    lines += line + '\n';
  }
  return lines;
}

void WriteText(const app::AlmanacTable& table, std::ostream& out) {
  std::vector<std::vector<std::string>> bodies{
      std::vector<std::string>(app::kAlmanacColumns.begin(), app::kAlmanacColumns.end())};
  for (const app::AlmanacRow& row : table.bodies) bodies.emplace_back(row.begin(), row.end());
  std::vector<std::vector<std::string>> facts;
  for (const app::AlmanacFact& fact : table.facts) facts.push_back({fact.label, fact.value});
  out << text::ValidUtf8(table.title) << "\n\n"
      << LinedUp(bodies) << '\n'
      << app::kAlmanacWords.factsCaption << '\n'
      << LinedUp(facts);
}

}  // namespace

void WriteAlmanac(const app::AlmanacTable& table, OutputFormat format, std::ostream& out) {
  switch (format) {
    case OutputFormat::kText:
      WriteText(table, out);
      return;
    case OutputFormat::kJson:
      WriteJson(table, out);
      return;
    case OutputFormat::kCsv:
      WriteCsv(table, out);
      return;
  }
}

}  // namespace platform
