#include "web/address_instant.h"

#include <optional>
#include <variant>

#include "app/closest_names.h"
#include "app/zoned_instant.h"
#include "text/folded_name.h"
#include "web/address_message.h"

namespace web {
namespace {

// The zone a `tz` value names, as the command line takes it: names of the
// database spelt as the database spells them (the browser would also take
// other cases and offsets such as "+09:00"), UTC, local and JST.
std::optional<std::string> ZoneOf(const std::string& name, const TimeZones& zones) {
  if (name == "local") return zones.LocalZone();
  if (name == "UTC") return name;
  if (name == "JST") return "Asia/Tokyo";
  const char first = name.empty() ? '\0' : name.front();
  if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) return std::nullopt;
  const auto known = zones.KnownZone(name);
  if (!known || (*known != name && text::AsciiLower(*known) == text::AsciiLower(name))) {
    return std::nullopt;
  }
  return name;
}

std::string UnknownZone(const std::string& name, const TimeZones& zones) {
  std::vector<std::string> names = zones.ZoneNames();
  names.insert(names.end(), {"UTC", "local", "JST"});
  const std::vector<std::string> close = app::ClosestNames(name, names);
  if (close.empty()) {
    return IgnoredParameter("tz", name,
                            "知らない時間帯です（Europe/Paris のような時間帯データベースの名前か "
                            "UTC、local、JST）");
  }
  std::string hint;
  for (const std::string& candidate : close) hint += (hint.empty() ? "" : "、") + candidate;
  return IgnoredParameter("tz", name, "知らない時間帯です（" + hint + " のことですか）");
}

// Why an instant is refused, in words; `boxes` as written.
std::string Refusal(app::InstantFault fault, const app::DateBoxTexts& boxes,
                    const std::string& zone) {
  switch (fault) {
    case app::InstantFault::kNoSuchMonth:
      return "月は 1 から 12 までです";
    case app::InstantFault::kNoSuchDay:
      return boxes[0] + "年" + boxes[1] + "月に" + boxes[2] + "日はありません";
    case app::InstantFault::kNoSuchHour:
      return "時は 0 から 23 までです";
    case app::InstantFault::kNoSuchMinute:
      return "分は 0 から 59 までです";
    case app::InstantFault::kSkipped:
      return zone + " の時計は夏時間の始まりにこの時刻を飛ばします";
    case app::InstantFault::kYearOutside16Bits:
    case app::InstantFault::kOutsideYearsInJapan:
      break;
  }
  return "日本標準時では -32768 年から 32767 年の外になり、計算できません";
}

}  // namespace

std::vector<std::string> ResolveInstant(PageAddress& address, const app::Clock& clock,
                                        const TimeZones& zones) {
  std::optional<app::DateBoxTexts>& instant = address.request.instant;
  const bool now = address.at == "now";
  std::vector<std::string> messages;
  std::optional<std::string> zone;
  if (address.zone) {
    zone = ZoneOf(*address.zone, zones);
    if (!zone) {
      messages.push_back(UnknownZone(*address.zone, zones));
      if (instant)
        messages.push_back(IgnoredParameter("at", address.at, "時間帯が分からない日時です"));
      instant.reset();
    }
  }
  if (now) instant = app::BoxTexts(clock.Now());
  if (now || !instant) return messages;
  const auto read = app::ReadInstant(*instant);
  std::variant<app::DateBoxTexts, app::InstantFault> japan = *instant;
  if (const auto* fault = std::get_if<app::InstantFault>(&read)) {
    japan = *fault;
  } else if (zone) {
    const auto offset = [&zones, &zone](double unix_seconds) {
      return zones.OffsetSeconds(*zone, unix_seconds);
    };
    japan = app::InJapan(std::get<astro::CalendarMinute>(read), offset);
  }
  if (const auto* fault = std::get_if<app::InstantFault>(&japan)) {
    if (*fault == app::InstantFault::kYearOutside16Bits) return messages;
    messages.push_back(
        IgnoredParameter("at", address.at, Refusal(*fault, *instant, zone.value_or(""))));
    instant.reset();
    return messages;
  }
  instant = std::get<app::DateBoxTexts>(japan);
  return messages;
}

}  // namespace web
