#include "platform/cli/instant.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>
#include <vector>

#include "app/closest_names.h"
#include "astro/calendar.h"
#include "platform/cli/text_output.h"

namespace platform {
namespace {

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

CliFailure UnknownZone(const std::string& name) {
  std::vector<std::string> names;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) names.push_back(id.toStdString());
  names.insert(names.end(), {"UTC", "local", "JST"});
  const std::vector<std::string> close = app::ClosestNames(name, names);
  std::string message = "--tz: unknown time zone " + Quoted(name);
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

// The zone's offsets from Universal Time as QTimeZone keeps them, at instants
// rounded to the second (they come from Julian days exact to a fraction of a
// millisecond even in the year 32767).
app::ZoneOffset OffsetsOf(const QTimeZone& zone) {
  return [zone](double unix_seconds) {
    const auto seconds = static_cast<qint64>(std::llround(unix_seconds));
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()));
  };
}

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

// Why --at (or --date, `option`) names no instant the planetarium can draw,
// as the command line says it; `given` quotes the instant.
CliFailure Refusal(app::InstantFault fault, const app::DateBoxTexts& boxes, const char* option,
                   const std::string& given) {
  const std::string named = std::string(option) + " " + given;
  const auto no_such = [&named](const std::string& what) {
    return CliFailure{kCliUsageError, named + ": " + what};
  };
  const auto cannot_compute = [&named](const std::string& why) {
    return CliFailure{kCliNothingToCompute, "nothing to compute: " + named + why};
  };
  switch (fault) {
    case app::InstantFault::kNoSuchMonth:
      return no_such("there is no month " + boxes[1] + " (1 to 12)");
    case app::InstantFault::kNoSuchDay:  // the month is one of 1..12 by now
      return no_such("there is no day " + boxes[2] + " in " +
                     kMonthNames[std::stoul(boxes[1]) - 1] + " " + boxes[0]);
    case app::InstantFault::kNoSuchHour:
      return no_such("there is no hour " + boxes[3] + " (0 to 23)");
    case app::InstantFault::kNoSuchMinute:
      return no_such("there is no minute " + boxes[4] + " (0 to 59)");
    case app::InstantFault::kSkipped:
      return CliFailure{kCliUsageError, std::string(option) + ": " + given +
                                            " does not exist (the clocks skip it when summer "
                                            "time begins)"};
    case app::InstantFault::kYearOutside16Bits:
      return cannot_compute(": the year must be from -32768 to 32767");
    case app::InstantFault::kOutsideYearsInJapan:
      break;
  }
  return cannot_compute(" falls outside the years -32768 to 32767 in Japan Standard Time");
}

}  // namespace

std::variant<app::DateBoxTexts, CliFailure> ResolveAt(const AtInstant& at,
                                                      const std::optional<std::string>& zone_name,
                                                      const app::Clock& clock) {
  std::optional<QTimeZone> zone;
  if (zone_name) {
    zone = FindZone(*zone_name);
    if (!zone) return UnknownZone(*zone_name);
  }
  if (at.now) return app::BoxTexts(clock.Now());
  const std::string given = Quoted(at.given) + (zone ? " in " + *zone_name : "");
  const auto wall = app::ReadInstant(at.boxes);
  if (const auto* fault = std::get_if<app::InstantFault>(&wall)) {
    return Refusal(*fault, at.boxes, "--at", given);
  }
  const auto& minute = std::get<astro::CalendarMinute>(wall);
  if (!zone) return app::BoxTexts(minute);
  const auto japan = app::InJapan(minute, OffsetsOf(*zone));
  if (const auto* fault = std::get_if<app::InstantFault>(&japan)) {
    return Refusal(*fault, at.boxes, "--at", given);
  }
  return std::get<app::DateBoxTexts>(japan);
}

std::optional<CliFailure> CheckDate(const std::string& given, const app::DateBoxTexts& boxes) {
  const auto date = app::ReadInstant(boxes);
  if (const auto* fault = std::get_if<app::InstantFault>(&date)) {
    return Refusal(*fault, boxes, "--date", Quoted(given));
  }
  return std::nullopt;
}

}  // namespace platform
