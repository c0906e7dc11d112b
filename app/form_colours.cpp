#include <cstddef>

#include "app/form.h"

namespace app {
namespace {

constexpr chart::Colour kNightSky = chart::RGB(32, 96, 192);
constexpr chart::Colour kDaySky = chart::RGB(0, 144, 255);
constexpr chart::Colour kBlack = chart::RGB(0, 0, 0);

}  // namespace

std::vector<Control*> Form1::SchemeColouredControls() {
  std::vector<Control*> controls;
  for (std::size_t i = 0; i < kReadoutLabels; ++i) {
    controls.insert(controls.end(), {&lblST[i], &lblH[i], &lblV[i]});
  }
  for (CheckBox& box : chkOP) controls.push_back(&box);
  for (OptionButton& option : optDIR) controls.push_back(&option);
  controls.insert(controls.end(), {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7,
                                   &Label8, &Label9, &Label10});
  for (TextBox& box : txtYMD) controls.push_back(&box);
  controls.insert(controls.end(), {&txtIDO, &txtKEIDO, &lstCITY, &lstINTV1, &lstINTV2});
  return controls;
}

// The sky colour of the scheme (1 night, 2 day) as the background of the
// window, of the chart's drawing surface and of every input and readout
// control; the buttons keep the toolkit's look.
void Form1::SetColours() {
  const chart::Colour sky = ColourScheme == 2 ? kDaySky : kNightSky;
  BackColor = sky;
  services_.surface.BackColor = sky;
  for (Control* control : SchemeColouredControls()) control->BackColor = sky;
  txtYMD[0].ForeColor = kBlack;
}

}  // namespace app
