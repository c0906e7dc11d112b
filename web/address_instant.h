#pragma once

#include <string>
#include <vector>

#include "app/services.h"
#include "web/address.h"
#include "web/time_zones.h"

namespace web {

// Given:    an address as ReadAddress reads it, the clock and the browser's
//           time zones.
// Returned: a message for each of `at` and `tz` that the command line would
//           refuse as a bad argument: a zone the browser does not know (with
//           the closest names as a hint), a date or time that does not exist,
//           one the zone's clocks skip; also one that leaves the calendar's
//           years in Japan Standard Time.
// Notes:    `tz` takes a name of the time-zone database, UTC, local (the
//           browser's zone) or JST (Asia/Tokyo). The request's instant
//           becomes the box texts in Japan Standard Time: `now` the clock's
//           present time, an instant given with `tz` converted (app::InJapan),
//           a refused one none; a year beyond 16 bits is left for the boxes to
//           judge, as the window judges what is typed.
std::vector<std::string> ResolveInstant(PageAddress& address, const app::Clock& clock,
                                        const TimeZones& zones);

}  // namespace web
