#pragma once

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "web/time_zones.h"

namespace web::testing {

// Zones as the database has them for the years the tests use: Paris with the
// summer time of 2024, the others without summer time; the browser's own zone
// is New York's.
struct FakeTimeZones final : TimeZones {
  std::optional<std::string> KnownZone(std::string_view name) const override {
    for (const std::string& zone : ZoneNames()) {
      if (Lower(zone) == Lower(name)) return zone;
    }
    if (name == "UTC") return "UTC";
    return std::nullopt;
  }
  std::string LocalZone() const override { return "America/New_York"; }
  std::vector<std::string> ZoneNames() const override {
    return {"Asia/Tokyo", "America/New_York", "Europe/Paris"};
  }
  int OffsetSeconds(std::string_view zone, double unix_seconds) const override {
    constexpr double kSummer2024[] = {1711846800, 1729990800};  // 31 Mar, 27 Oct 01:00 UT
    if (zone == "Europe/Paris") {
      return unix_seconds >= kSummer2024[0] && unix_seconds < kSummer2024[1] ? 7200 : 3600;
    }
    if (zone == "Asia/Tokyo") return 9 * 3600;
    return zone == "America/New_York" ? -5 * 3600 : 0;
  }

 private:
  static std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
  }
};

}  // namespace web::testing
