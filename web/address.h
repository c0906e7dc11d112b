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
//   site=NAME|POSITION   lat=TEXT  lon=TEXT   at=YYYY-MM-DDTHH:MM (or a blank for the T)
//   year= month= day= hour= minute= TEXT     dir=north|east|south|west
//   equator ecliptic grid names               step=MINUTES
//   ops                                       (the drawing's operations shown as text)
struct PageAddress {
  app::SkyRequest request;  // `at` is its instant
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

// Given:    a form after Form_Load and what an address asks for.
// Returned: messages for a site or time step that is not in its list (those
//           are left as they are), and, when the address asks for a sky, for
//           the first box that keeps it from being computed.
// Notes:    sets the controls as the command line does (app::ApplyRequest).
std::vector<std::string> ApplyAddress(const PageAddress& address, app::Form1& form);

}  // namespace web
