#pragma once

#include <string>
#include <vector>

#include "chart/colour.h"

namespace app {

// Controls as plain data: what a window toolkit needs to show them and what
// the handlers read and write. Positions and sizes are twips (1/1440 inch)
// from the top left of the window's client area.
struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

// The window's proportional Japanese Gothic face, as the controls name it.
inline constexpr const char* kGothicFace = "ＭＳ Ｐゴシック";
// The window's default font, which the buttons and the chart's words take:
// the Gothic face at this size [points].
inline constexpr double kWindowFontPoints = 9;

struct Font {
  std::string face;  // empty: the window's default font
  double points = 0;
  bool bold = false;
};

struct Control {
  Bounds bounds;
  Font font;
  chart::Colour BackColor{255, 255, 255};
  chart::Colour ForeColor{0, 0, 0};
  int TabIndex = -1;  // keyboard focus order; -1 takes no focus
};

struct TextBox : Control {
  std::string Text;
};

struct Label : Control {
  std::string Caption;
};

struct ListBox : Control {
  std::vector<std::string> items;
  int ListIndex = -1;  // selected position, -1 for none
  // Text of the selected item, empty when nothing is selected.
  std::string Text() const;
};

struct OptionButton : Control {
  std::string Caption;
  bool Value = false;
};

struct CheckBox : Control {
  std::string Caption;
  int Value = 0;  // 1 ticked
};

struct CommandButton : Control {
  std::string Caption;
};

struct Timer {
  int Interval = 0;  // [ms], 0 stopped
};

}  // namespace app
