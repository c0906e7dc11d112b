#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "app/controls.h"

namespace app {

class Form1;

// The widget a front end builds for a control: the alternative held says which.
using ControlRef =
    std::variant<ListBox*, TextBox*, Label*, OptionButton*, CheckBox*, CommandButton*>;

// What a readout cell is: a label drawn over the chart, transparent, taking no input.
enum class ControlLayer {
  kCaption,  // a caption label, beneath every other control where their boxes overlap
  kInput,    // lists, boxes, options, check boxes and buttons
  kReadout,  // the readout table, above the chart
};

// The readout table's column headings, left to right in each row: the name,
// the altitude and the azimuth of a body or star.
inline constexpr std::array<const char*, 3> kReadoutColumns = {"名前", "高度", "方位"};

// One control of the window, described once for every front end.
struct ControlEntry {
  std::string name;  // the model's name: "lstCITY", "txtYMD(0)", "Label10", "lblST(3)"
  ControlRef control;
  ControlLayer layer;
  bool schemeColoured;               // takes the sky colour of the day/night scheme as background
  void (Form1::*click)() = nullptr;  // buttons: the handler a click runs
  // What assistive technology calls the control (UTF-8): a box or list is
  // named by the caption beside it ("年", "緯度", "観測地"), an option, check
  // box or button by its own caption, a readout cell by its row and column
  // ("12行目 高度"). Empty for the caption labels: their changing caption names them.
  std::string accessibleName;
};

// Every control of the form, in stacking order from the bottom: the caption
// labels, then the inputs in the order of their members, then the readout
// cells row by row (name, altitude, azimuth), then the almanac button, which
// came last and so leaves every other control at its place in the table.
// Focus order is each control's TabIndex; the pointers live as long as the form.
std::vector<ControlEntry> FormControls(Form1& form);

// The model control behind an entry, whatever its kind.
Control& Base(const ControlEntry& entry);

}  // namespace app
