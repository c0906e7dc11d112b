#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/form.h"

namespace web {

// The sky a page address asks for, with the command line's meanings:
//   site=NAME|POSITION   lat=TEXT  lon=TEXT   at=YYYY-MM-DDTHH:MM (or a blank for the T)
//   year= month= day= hour= minute= TEXT     dir=north|east|south|west
//   equator ecliptic grid names               step=MINUTES
//   ops                                       (the drawing's operations shown as text)
struct PageAddress {
  std::optional<std::string> site;
  std::optional<std::string> latitude;
  std::optional<std::string> longitude;
  std::optional<std::array<std::string, 5>> at;         // the five date and time boxes
  std::array<std::optional<std::string>, 5> dateBoxes;  // year..minute texts, after `at`
  std::optional<int> direction;                         // 0 north, 1 east, 2 south, 3 west
  std::array<bool, 4> chartOptions{};                   // equator, ecliptic, grid, names
  std::optional<std::string> step;                      // [minutes], an item of the step list
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
// Notes:    sets the controls in the order site, coordinates, date and time,
//           direction, display options, time step, as the command line does.
std::vector<std::string> ApplyAddress(const PageAddress& address, app::Form1& form);

}  // namespace web
