#pragma once

#include <optional>
#include <string>
#include <variant>

#include "app/services.h"
#include "app/zoned_instant.h"
#include "platform/cli/options.h"
#include "platform/cli/status.h"

namespace platform {

// Given:    the instant of --at, the zone of --tz (nullopt: Japan Standard
//           Time) and the clock (for "now").
// Returned: the box texts in Japan Standard Time, or a failure naming the
//           field at fault: status 2 for a zone the time-zone database does not
//           know (with the closest names as a hint), a date or time that does
//           not exist (February 30, month 13, 24:00, 20:61, the days the
//           calendar skips in October 1582, or a time the clocks skip when
//           summer time begins); status 3 for a year outside -32768..32767,
//           also after the conversion, or one the calendar cannot compute.
// Notes:    --tz takes the names of the time-zone database (Europe/Paris),
//           UTC, local (the computer's zone) and JST (Asia/Tokyo). With a
//           zone, its offset from Universal Time at that moment (summer time
//           included) comes from QTimeZone and app::InJapan shifts the time to
//           UT + 9 h in the planetarium's own calendar (Julian before
//           1582-10-15), to the nearest whole minute. A time that occurs twice as summer time ends
//           is taken at its first occurrence. "now" is the clock, whatever the
//           zone.
std::variant<app::DateBoxTexts, CliFailure> ResolveAt(const AtInstant& at,
                                                      const std::optional<std::string>& zone,
                                                      const app::Clock& clock);

// Given:    the text of --date and the box texts it gave (year, month, day,
//           then 0 and 0).
// Returned: nullopt for a date of the calendar; otherwise a failure naming
//           it: status 2 for one that does not exist (February 30, month 13,
//           the days the calendar skips in October 1582), status 3 for a year
//           outside -32768..32767.
std::optional<CliFailure> CheckDate(const std::string& given, const app::DateBoxTexts& boxes);

}  // namespace platform
