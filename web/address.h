#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/form.h"
#include "app/sky_request.h"

namespace web {

// The sky a page address asks for, with the command line's meanings:
//   site=NAME|POSITION   lat=TEXT  lon=TEXT   at=YYYY-MM-DDTHH:MM (or a blank for the T)|now
//   tz=ZONE (the zone of `at`: a time-zone database name, UTC, local or JST)
//   year= month= day= hour= minute= TEXT     dir=north|east|south|west
//   the chart's option words (chart::kOptionRows: equator, grid, ...)   step=MINUTES
//   zoom=F (1..8)  center=AZIMUTH,ALTITUDE (the chart magnified about that place)
//   ops                                       (the drawing's operations shown as text)
struct PageAddress {
  app::SkyRequest request;          // its instant: `at` as written, in the zone of `tz`
  std::optional<std::string> at;    // the value of `at` as written, "now" included
  std::optional<std::string> zone;  // the value of `tz`
  bool ops = false;
  bool asksForSky = false;            // any parameter at all: the planetarium button is pressed
  std::vector<std::string> messages;  // what was ignored, and why, for the user
};

// Given:    the query of the address, after '?' and before '#': parameters
//           "name=value" or "name" joined by '&', percent-encoded, '+' for a
//           blank.
// Returned: what it asks for. A parameter that is unknown, lacks its value,
//           has a value it does not take or one that cannot be read is left
//           out with a message; a later parameter of the same name wins.
PageAddress ReadAddress(std::string_view query);

// Given:    a request as app::RequestFromForm makes it, and whether the
//           operations are shown.
// Returned: the query of an address that asks for that sky:
//           "site=12&at=2006-01-15T20:00&dir=east&names&step=10"; the instant
//           as `at` when the boxes hold a minute of the calendar in whole
//           numbers, as year= to minute= otherwise; values percent-encoded.
//           ReadAddress reads it back into a request that sets the same controls.
std::string WriteAddress(const app::SkyRequest& request, bool ops);

// Given:    a form after Form_Load and what an address asks for.
// Returned: messages for a site or time step that is not in its list (those
//           are left as they are), and, when the address asks for a sky, for
//           the first box that keeps it from being computed.
// Notes:    sets the controls as the command line does (app::ApplyRequest).
std::vector<std::string> ApplyAddress(const PageAddress& address, app::Form1& form);

}  // namespace web
