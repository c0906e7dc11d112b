#include "platform/cli/instant.h"

#include <QByteArray>
#include <QTimeZone>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/calendar.h"
#include "platform/cli/text_output.h"

namespace platform {
namespace {

constexpr int kJapanOffsetSeconds = 9 * 3600;  // Japan Standard Time is UT + 9 h all year

using CivilTime = astro::CalendarMinute;

// The zone of a --tz name: one of the time-zone database, UTC, local, or JST
// for Asia/Tokyo. Any other name is refused rather than guessed at (Qt would
// read an unknown name as a zone of its own, at UT).
std::optional<QTimeZone> FindZone(const std::string& name) {
  if (name == "local") return QTimeZone::systemTimeZone();
  if (name == "UTC") return QTimeZone::utc();
  const QByteArray id = QByteArray::fromStdString(name == "JST" ? "Asia/Tokyo" : name);
  if (!QTimeZone::isTimeZoneIdAvailable(id)) return std::nullopt;
  return QTimeZone(id);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// Edits (insertions, deletions, substitutions) from one text to another.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// Up to three names --tz takes that lie close to a refused one, in case,
// spelling or the region left out ("Paris" -> Europe/Paris, "tokio" ->
// Asia/Tokyo), closest first.
std::vector<std::string> ClosestZoneNames(const std::string& name) {
  constexpr std::size_t kLongestName = 64;  // [bytes] longer texts are no zone
  constexpr std::size_t kShown = 3;
  const std::string wanted = Lower(name);
  if (wanted.empty() || wanted.size() > kLongestName) return {};
  const std::size_t allowed = std::max<std::size_t>(1, wanted.size() / 4);
  std::vector<std::pair<std::size_t, std::string>> close;
  const auto consider = [&](const std::string& id) {
    const std::string lower = Lower(id);
    const std::size_t slash = lower.rfind('/');
    const std::string_view city =
        slash == std::string::npos ? lower : std::string_view(lower).substr(slash + 1);
    const std::size_t distance = std::min(EditDistance(wanted, lower), EditDistance(wanted, city));
    if (distance <= allowed) close.emplace_back(distance, id);
  };
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) consider(id.toStdString());
  for (const char* id : {"UTC", "local", "JST"}) consider(id);
  std::stable_sort(close.begin(), close.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (const auto& [distance, id] : close) {
    if (names.size() == kShown) break;
    if (std::find(names.begin(), names.end(), id) == names.end()) names.push_back(id);
  }
  return names;
}

CliFailure UnknownZone(const std::string& name) {
  std::string message = "--tz: unknown time zone " + Quoted(name);
  const std::vector<std::string> close = ClosestZoneNames(name);
  if (close.empty()) {
    return CliFailure{kCliUsageError,
                      message +
                          " (a name of the time-zone database such as Europe/Paris, "
                          "UTC, local or JST)"};
  }
  message += " (did you mean ";
  for (std::size_t i = 0; i < close.size(); ++i) {
    message += (i == 0 ? "" : i + 1 == close.size() ? " or " : ", ") + close[i];
  }
  return CliFailure{kCliUsageError, message + "?)"};
}

std::optional<std::int16_t> Int16(const std::string& digits) {
  std::int16_t value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// The Julian day of a civil time shifted by some minutes, in the planetarium's calendar.
std::optional<double> JulianDay(const CivilTime& t, double shift_minutes) {
  const double day = t.day + t.hour / 24.0 + (t.minute + shift_minutes) / astro::kMinutesPerDay;
  return astro::ymdYD(t.year, t.month, day);
}

DateBoxTexts Texts(const CivilTime& t) {
  return {std::to_string(t.year), std::to_string(t.month), std::to_string(t.day),
          std::to_string(t.hour), std::to_string(t.minute)};
}

DateBoxTexts JapanNow(const app::Clock& clock) {
  const app::JapanDateTime now = clock.Now();
  return Texts(CivilTime{static_cast<std::int16_t>(now.year), static_cast<std::int16_t>(now.month),
                         static_cast<std::int16_t>(now.day), static_cast<std::int16_t>(now.hour),
                         static_cast<std::int16_t>(now.minute)});
}

// The zone's offset from Universal Time [seconds] at a wall-clock time: at
// its first occurrence when the clocks go back and pass it twice; nullopt
// when they skip it. The candidates are the offsets a day before and after.
std::optional<int> OffsetAt(const CivilTime& t, const QTimeZone& zone) {
  const auto jd = JulianDay(t, 0);
  if (!jd) return std::nullopt;
  const QDate date = QDate::fromJulianDay(static_cast<qint64>(std::floor(*jd + 0.5)));
  const QDateTime wall(date, QTime(t.hour, t.minute), QTimeZone::utc());  // the reading as if UT
  constexpr qint64 kSecondsPerDay = 86400;
  std::optional<int> first;
  std::optional<QDateTime> first_instant;
  for (const qint64 probe : {-kSecondsPerDay, kSecondsPerDay}) {
    const int offset = zone.offsetFromUtc(wall.addSecs(probe));
    const QDateTime instant = wall.addSecs(-offset);
    if (zone.offsetFromUtc(instant) != offset) continue;  // the clocks do not show `wall` then
    if (!first_instant || instant < *first_instant) {
      first = offset;
      first_instant = instant;
    }
  }
  return first;
}

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

// The five numbers of --at as a minute the calendar holds, or the field that
// does not exist, named; `given` quotes the instant in messages.
std::variant<CivilTime, CliFailure> ReadCivilTime(const AtInstant& at, const std::string& given) {
  const auto no_such = [&given](const std::string& what) {
    return CliFailure{kCliUsageError, "--at " + given + ": " + what};
  };
  std::array<std::optional<std::int16_t>, 5> fields;
  for (std::size_t i = 0; i < at.boxes.size(); ++i) fields[i] = Int16(at.boxes[i]);
  if (!fields[0]) {
    return CliFailure{kCliNothingToCompute, "nothing to compute: --at " + given +
                                                ": the year must be from -32768 to 32767"};
  }
  const std::string& month_text = at.boxes[1];
  if (!fields[1] || *fields[1] < 1 || *fields[1] > 12) {
    return no_such("there is no month " + month_text + " (1 to 12)");
  }
  if (!astro::ymdYD(*fields[0], *fields[1], 1.0)) {
    return CliFailure{kCliNothingToCompute,
                      "nothing to compute: --at " + given +
                          ": the calendar has no January or February of the year -32768"};
  }
  const CivilTime date{*fields[0], *fields[1], fields[2].value_or(0), 0, 0};
  const auto jd = JulianDay(date, 0);
  const auto back = jd ? astro::MinuteOfJulianDay(*jd) : std::nullopt;
  if (!fields[2] || *fields[2] < 1 || !back || back->month != date.month || back->day != date.day) {
    return no_such("there is no day " + at.boxes[2] + " in " +
                   kMonthNames[static_cast<std::size_t>(date.month - 1)] + " " + at.boxes[0]);
  }
  if (!fields[3] || *fields[3] > 23)
    return no_such("there is no hour " + at.boxes[3] + " (0 to 23)");
  if (!fields[4] || *fields[4] > 59) {
    return no_such("there is no minute " + at.boxes[4] + " (0 to 59)");
  }
  return CivilTime{date.year, date.month, date.day, *fields[3], *fields[4]};
}

// A wall-clock time of the zone as the box texts of the same instant in Japan Standard Time.
std::variant<DateBoxTexts, CliFailure> ToJapan(const CivilTime& local, const QTimeZone& zone,
                                               const std::string& given) {
  const auto offset = OffsetAt(local, zone);
  if (!offset) {
    return CliFailure{
        kCliUsageError,
        "--at: " + given + " does not exist (the clocks skip it when summer time begins)"};
  }
  const double shift_minutes = std::round((kJapanOffsetSeconds - *offset) / 60.0);
  const auto jd = JulianDay(local, shift_minutes);
  const auto japan = jd ? astro::MinuteOfJulianDay(*jd) : std::nullopt;
  if (!japan) {
    return CliFailure{kCliNothingToCompute, "nothing to compute: --at " + given +
                                                " falls outside the years -32768 to 32767 in "
                                                "Japan Standard Time"};
  }
  return Texts(*japan);
}

}  // namespace

std::variant<DateBoxTexts, CliFailure> ResolveAt(const AtInstant& at,
                                                 const std::optional<std::string>& zone_name,
                                                 const app::Clock& clock) {
  std::optional<QTimeZone> zone;
  if (zone_name) {
    zone = FindZone(*zone_name);
    if (!zone) return UnknownZone(*zone_name);
  }
  if (at.now) return JapanNow(clock);
  const std::string given = Quoted(at.given) + (zone ? " in " + *zone_name : "");
  const auto local = ReadCivilTime(at, given);
  if (const auto* failure = std::get_if<CliFailure>(&local)) return *failure;
  if (!zone) return Texts(std::get<CivilTime>(local));
  return ToJapan(std::get<CivilTime>(local), *zone, given);
}

}  // namespace platform
