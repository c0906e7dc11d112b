#include <gtest/gtest.h>

#include <vector>

#include "app/form.h"
#include "fakes.h"

namespace app {
namespace {

constexpr chart::Colour kNight{32, 96, 192};
constexpr chart::Colour kDay{0, 144, 255};

class ColoursTest : public ::testing::Test {
 protected:
  testing::FakeServices fakes;
  Form1 form{fakes.services()};
};

TEST_F(ColoursTest, ColoursTheControlsInTheirOrder) {
  std::vector<Control*> expected;
  for (std::size_t i = 0; i < kReadoutLabels; ++i) {
    expected.insert(expected.end(), {&form.lblST[i], &form.lblH[i], &form.lblV[i]});
  }
  for (auto& c : form.chkOP) expected.push_back(&c);
  for (auto& c : form.optDIR) expected.push_back(&c);
  expected.insert(expected.end(),
                  {&form.Label1, &form.Label2, &form.Label3, &form.Label4, &form.Label5,
                   &form.Label6, &form.Label7, &form.Label8, &form.Label9, &form.Label10});
  for (auto& c : form.txtYMD) expected.push_back(&c);
  expected.insert(expected.end(),
                  {&form.txtIDO, &form.txtKEIDO, &form.lstCITY, &form.lstINTV1, &form.lstINTV2});
  EXPECT_EQ(form.SchemeColouredControls(), expected);
}

TEST_F(ColoursTest, EachSchemeColoursWindowSurfaceAndControls) {
  const chart::Colour marker{1, 2, 3};
  form.txtYMD[0].ForeColor = marker;
  form.txtYMD[1].ForeColor = marker;
  for (CommandButton* button : {&form.Command1, &form.Command2, &form.Command3}) {
    button->BackColor = marker;
  }
  for (const auto& [scheme, colour] : {std::pair{1, kNight}, std::pair{2, kDay}}) {
    SCOPED_TRACE(scheme);
    form.ColourScheme = static_cast<std::int16_t>(scheme);
    form.SetColours();
    EXPECT_EQ(form.BackColor, colour);
    EXPECT_EQ(fakes.surface.BackColor, colour);
    for (const Control* control : form.SchemeColouredControls()) {
      EXPECT_EQ(control->BackColor, colour);
    }
    EXPECT_EQ(form.txtYMD[0].ForeColor, (chart::Colour{0, 0, 0}));
    EXPECT_EQ(form.txtYMD[1].ForeColor, marker);
    for (const CommandButton* button : {&form.Command1, &form.Command2, &form.Command3}) {
      EXPECT_EQ(button->BackColor, marker);
    }
  }
}

TEST_F(ColoursTest, StartUpPaintsTheNightWhateverTheSun) {
  fakes.clock.now = {2005, 6, 21, 12, 0};  // the Sun high over Tokyo
  form.Form_Load();
  EXPECT_EQ(form.ColourScheme, 1);
  EXPECT_EQ(form.BackColor, kNight);
  EXPECT_EQ(fakes.surface.BackColor, kNight);
  for (const Control* control : form.SchemeColouredControls()) {
    EXPECT_EQ(control->BackColor, kNight);
  }
}

}  // namespace
}  // namespace app
