#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace web {

// The time zones the browser knows: the time-zone database behind its Intl API.
class TimeZones {
 public:
  virtual ~TimeZones() = default;

  // Returned: the browser's own spelling of the zone it knows by `name`
  // ("europe/paris" -> "Europe/Paris"), nullopt for a name it does not know.
  virtual std::optional<std::string> KnownZone(std::string_view name) const = 0;
  // The zone the browser's clock is set to.
  virtual std::string LocalZone() const = 0;
  // Every zone of the database, by its usual name.
  virtual std::vector<std::string> ZoneNames() const = 0;
  // Given: a zone it knows and an instant [seconds since 1970-01-01 00:00 UT].
  // Returned: the zone's offset from Universal Time then [seconds, east positive].
  virtual int OffsetSeconds(std::string_view zone, double unix_seconds) const = 0;
};

}  // namespace web
