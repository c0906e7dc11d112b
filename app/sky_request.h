#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/horizontal.h"
#include "chart/options.h"

namespace app {

class Form1;

// A sky as a user asks for it outside the window, in the command line's
// options or the page's address: the controls to set before a button is
// pressed. What is not given keeps the control's own value.
struct SkyRequest {
  std::optional<std::string> site;                      // list name, Latin name or position 0..74
  std::optional<std::string> latitude, longitude;       // texts for the coordinate boxes
  std::optional<std::array<std::string, 5>> instant;    // the date box texts, Japan Standard Time
  std::array<std::optional<std::string>, 5> dateBoxes;  // year..minute texts, after the instant
  std::optional<int> direction;                         // 0 north, 1 east, 2 south, 3 west
  chart::OptionSet options;                             // the chart's options to tick
  std::optional<std::string> step;                      // [minutes], an item of the step list
  std::optional<double> zoom;                           // the chart's magnification, 1..8
  std::optional<astro::HorizontalPlace> centre;         // drawn at the middle when magnified

  friend bool operator==(const SkyRequest&, const SkyRequest&) = default;
};

// What a request asked for that its list does not hold; the control is left as it was.
enum class RequestFault { kUnknownSite, kUnknownStep, kCentreNotInView };

// Given:    the form after start-up and a request.
// Returned: what could not be used, in the order met.
// Notes:    sets the controls in the order site (a named site puts its
//           table coordinates into the boxes, as the planetarium button
//           would), coordinates (without a site they select the typed entry
//           "入力"), instant, date boxes, direction, display options (ticks
//           those asked for, never unticks one), time step, the chart's
//           zoom (a centre alone keeps the zoom's factor; one the selected
//           view does not draw leaves the zoom as it was).
std::vector<RequestFault> ApplyRequest(Form1& form, const SkyRequest& request);

// Given:    a form.
// Returned: the sky its controls ask for, as a request that puts it into
//           another form after start-up: the selected site by its position,
//           the coordinate boxes for the typed entry only (a named site's
//           come from its table), the date boxes as an instant when they are
//           plain decimal numbers and as texts otherwise, the selected
//           direction, every display option, the time step and, while the
//           chart is magnified, its zoom and centre.
SkyRequest RequestFromForm(const Form1& form);

}  // namespace app
