#pragma once

#include <QDateTime>
#include <array>
#include <optional>
#include <string>
#include <variant>

#include "platform/cli_options.h"
#include "platform/cli_status.h"

namespace platform {

// The five date and time box texts: year, month, day, hour, minute.
using DateBoxTexts = std::array<std::string, 5>;

// Given:    the instant of --at, the zone of --tz (nullopt: Japan Standard
//           Time) and the present instant (for "now").
// Returned: the box texts in Japan Standard Time, or a failure: status 2 for an
//           unknown zone or, with a zone, a date or time that does not exist
//           (February 30, 24:00, or a time the clocks skip when summer time
//           begins); status 3 when the converted year leaves -32768..32767.
// Notes:    without a zone the texts are taken as they are. With one, the
//           zone's offset from Universal Time at that moment (summer time
//           included) comes from QTimeZone and the shift to UT + 9 h is made in
//           the planetarium's own calendar (Julian before 1582-10-15), to the
//           nearest whole minute. A time that occurs twice as summer time ends
//           is taken at its first occurrence. "now" ignores the zone.
std::variant<DateBoxTexts, CliFailure> ResolveAt(const AtInstant& at,
                                                 const std::optional<std::string>& zone,
                                                 const QDateTime& now);

}  // namespace platform
