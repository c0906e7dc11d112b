#include "platform/cli_instant.h"

#include <QByteArray>
#include <QTimeZone>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "astro/calendar.h"
#include "platform/text_output.h"

namespace platform {
namespace {

constexpr int kJapanOffsetSeconds = 9 * 3600;  // Japan Standard Time is UT + 9 h all year
constexpr double kMinutesPerDay = 1440;
// Half a second [days], added before a Julian day is cut into calendar fields
// so that a whole minute does not come back as 59.99... seconds before it.
constexpr double kHalfSecond = 0.5 / 86400;

struct CivilTime {
  std::int16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

std::optional<QTimeZone> FindZone(const std::string& name) {
  if (name == "local") return QTimeZone::systemTimeZone();
  if (name == "UTC") return QTimeZone::utc();
  const QTimeZone zone(QByteArray::fromStdString(name));
  if (!zone.isValid()) return std::nullopt;
  return zone;
}

std::optional<std::int16_t> Int16(const std::string& digits) {
  std::int16_t value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// The calendar fields of a Julian day [days], to the minute.
std::optional<CivilTime> FromJulianDay(double jd) {
  CivilTime t;
  std::int16_t second = 0;
  if (!astro::ydYMD(jd + kHalfSecond, t.year, t.month, t.day, t.hour, t.minute, second)) {
    return std::nullopt;
  }
  return t;
}

// The Julian day of a civil time shifted by some minutes, in the planetarium's calendar.
std::optional<double> JulianDay(const CivilTime& t, double shift_minutes) {
  const double day = t.day + t.hour / 24.0 + (t.minute + shift_minutes) / kMinutesPerDay;
  return astro::ymdYD(t.year, t.month, day);
}

// True when the fields name a minute the calendar holds (no February 30, no 24:00).
bool Exists(const CivilTime& t) {
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.hour > 23 || t.minute > 59) return false;
  const auto jd = JulianDay(t, 0);
  const auto back = jd ? FromJulianDay(*jd) : std::nullopt;
  return back && back->year == t.year && back->month == t.month && back->day == t.day;
}

DateBoxTexts Texts(const CivilTime& t) {
  return {std::to_string(t.year), std::to_string(t.month), std::to_string(t.day),
          std::to_string(t.hour), std::to_string(t.minute)};
}

DateBoxTexts JapanNow(const QDateTime& now) {
  const QDateTime japan = now.toOffsetFromUtc(kJapanOffsetSeconds);
  const QDate date = japan.date();
  const QTime time = japan.time();
  return {std::to_string(date.year()), std::to_string(date.month()), std::to_string(date.day()),
          std::to_string(time.hour()), std::to_string(time.minute())};
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

// The five numbers of --at as a minute the calendar holds; `given` names them in messages.
std::variant<CivilTime, CliFailure> ReadCivilTime(const AtInstant& at, const std::string& given) {
  CivilTime local;
  std::int16_t* fields[] = {&local.year, &local.month, &local.day, &local.hour, &local.minute};
  for (std::size_t i = 0; i < at.boxes.size(); ++i) {
    const auto value = Int16(at.boxes[i]);
    if (!value && i == 0) {
      return CliFailure{kCliNothingToCompute, "nothing to compute: --at " + given +
                                                  ": the year must be from -32768 to 32767"};
    }
    if (!value) return CliFailure{kCliUsageError, "--at: no such date or time: " + given};
    *fields[i] = *value;
  }
  if (!Exists(local)) return CliFailure{kCliUsageError, "--at: no such date or time: " + given};
  return local;
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
  const auto japan = jd ? FromJulianDay(*jd) : std::nullopt;
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
                                                 const QDateTime& now) {
  std::optional<QTimeZone> zone;
  if (zone_name) {
    zone = FindZone(*zone_name);
    if (!zone) {
      return CliFailure{kCliUsageError, "--tz: unknown time zone " + Quoted(*zone_name) +
                                            " (an IANA name such as Europe/Paris, UTC or local)"};
    }
  }
  if (at.now) return JapanNow(now);
  if (!zone) return at.boxes;
  const std::string given = Quoted(at.given) + " in " + *zone_name;
  const auto local = ReadCivilTime(at, given);
  if (const auto* failure = std::get_if<CliFailure>(&local)) return *failure;
  return ToJapan(std::get<CivilTime>(local), *zone, given);
}

}  // namespace platform
