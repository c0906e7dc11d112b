#include "app/control_table.h"
#include "app/form.h"

namespace app {
namespace {

constexpr chart::Colour kNightSky = chart::RGB(32, 96, 192);
constexpr chart::Colour kDaySky = chart::RGB(0, 144, 255);
constexpr chart::Colour kBlack = chart::RGB(0, 0, 0);

}  // namespace

// The sky colour of the scheme (1 night, 2 day) as the background of the
// window, of the chart's drawing surface and of every input and readout
// control; the buttons keep the toolkit's look.
void Form1::SetColours() {
  const chart::Colour sky = ColourScheme == 2 ? kDaySky : kNightSky;
  BackColor = sky;
  services_.surface.BackColor = sky;
  for (const ControlEntry& entry : FormControls(*this)) {
    if (entry.schemeColoured) Base(entry).BackColor = sky;
  }
  txtYMD[0].ForeColor = kBlack;
}

}  // namespace app
