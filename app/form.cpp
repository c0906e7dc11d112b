#include "app/form.h"

#include <array>
#include <cstddef>
#include <utility>

#include "app/intervals.h"

namespace app {
namespace {

// Type sizes [points]; every control but the buttons uses the Gothic face.
constexpr double kRegularPoints = 12;
constexpr double kDatePoints = 14.25;        // date and time boxes and their units
constexpr double kCoordinatePoints = 15.75;  // latitude and longitude boxes

Font Gothic(double points, bool bold = false) {
  return Font{kGothicFace, points, bold};
}

void Place(Control& control, Bounds bounds, Font font, int tab_index = -1) {
  control.bounds = bounds;
  control.font = std::move(font);
  control.TabIndex = tab_index;
}

void PlaceLabel(Label& label, Bounds bounds, double points, const char* caption) {
  Place(label, bounds, Gothic(points));
  label.Caption = caption;
}

void PlaceButton(CommandButton& button, Bounds bounds, const char* caption, int tab_index) {
  button.bounds = bounds;
  button.font = Font{};  // the window's default font
  button.TabIndex = tab_index;
  button.Caption = caption;
}

// The readout rows: two blocks of rows 480 twips apart from y = 2280; rows
// 0..14 on the left, 15..26 on the right.
constexpr int kReadoutTop = 2280;   // [twips]
constexpr int kReadoutPitch = 480;  // [twips]
constexpr int kLeftBlockRows = 15;
constexpr int kReadoutHeight = 375;  // [twips]
struct ReadoutColumns {
  int name_x, altitude_x, azimuth_x;  // [twips]
};
constexpr ReadoutColumns kLeftBlock{720, 2640, 3720};
constexpr ReadoutColumns kRightBlock{5760, 7560, 8640};
constexpr int kNameWidth = 1575;   // [twips]
constexpr int kNumberWidth = 855;  // [twips]

// Keyboard focus order (the TabIndex of each input): the date and time 0..4,
// the site list 5, exit 6, readout 7, the coordinates 8 and 9, the compass
// rose 10..13, the planetarium button 14, the two interval lists 15 and 16,
// the display options from 17 on, in the order of chart::kOptionRows, and
// the almanac button last.
constexpr int kFirstOptionTab = 17;

// The site list, the date and time boxes with their units, and the site label.
void LayOutSiteAndDate(Form1& form) {
  Place(form.lstCITY, {120, 120, 975, 1230}, Gothic(kRegularPoints), 5);
  const int date_left[] = {1320, 2280, 3000, 3840, 4680};  // [twips]
  const int date_width[] = {615, 375, 375, 375, 375};      // [twips]
  for (std::size_t i = 0; i < form.txtYMD.size(); ++i) {
    Place(form.txtYMD[i], {date_left[i], 120, date_width[i], 375}, Gothic(kDatePoints),
          static_cast<int>(i));
  }
  PlaceLabel(form.Label2, {1920, 120, 495, 375}, kDatePoints, "年");
  PlaceLabel(form.Label3, {2640, 120, 495, 375}, kDatePoints, "月");
  PlaceLabel(form.Label4, {3360, 120, 495, 375}, kDatePoints, "日");
  PlaceLabel(form.Label5, {4200, 120, 495, 375}, kDatePoints, "時");
  PlaceLabel(form.Label6, {5040, 120, 495, 375}, kDatePoints, "分");
  PlaceLabel(form.Label10, {1680, 600, 2895, 255}, kRegularPoints, "");
  // Beneath the direction words, across the drawing area.
  Place(form.lblCHUI, {120, 9360, 15000, 240}, Font{});
}

void LayOutCoordinates(Form1& form) {
  PlaceLabel(form.Label1, {1440, 1020, 615, 255}, kRegularPoints, "緯度");
  Place(form.txtIDO, {2040, 960, 855, 375}, Gothic(kCoordinatePoints), 8);
  PlaceLabel(form.Label7, {3360, 1020, 615, 255}, kRegularPoints, "経度");
  Place(form.txtKEIDO, {3960, 960, 975, 375}, Gothic(kCoordinatePoints), 9);
}

// The animation's time step [minutes] and display interval [seconds] lists.
void LayOutIntervals(Form1& form) {
  PlaceLabel(form.Label8, {6240, 240, 975, 255}, kRegularPoints, "間隔（分)");
  Place(form.lstINTV1, {6360, 480, 615, 510}, Gothic(kRegularPoints), 15);
  form.lstINTV1.items.assign(kTimeSteps.begin(), kTimeSteps.end());
  PlaceLabel(form.Label9, {7440, 240, 1455, 255}, kRegularPoints, "表示間隔（秒）");
  Place(form.lstINTV2, {7560, 480, 615, 510}, Gothic(kRegularPoints), 16);
  form.lstINTV2.items.assign(kDisplayIntervals.begin(), kDisplayIntervals.end());
}

// The compass rose around the planetarium button; the south view at start.
void LayOutCompass(Form1& form) {
  const Bounds direction_bounds[] = {
      {9480, 0, 495, 375}, {10200, 480, 495, 375}, {9480, 960, 495, 375}, {8640, 480, 495, 375}};
  for (std::size_t i = 0; i < form.optDIR.size(); ++i) {
    Place(form.optDIR[i], direction_bounds[i], Gothic(kRegularPoints), 10 + static_cast<int>(i));
    form.optDIR[i].Caption = chart::kDirectionRows[i].caption;
    form.optDIR[i].Value = i == 2;
  }
  PlaceButton(form.Command3, {9240, 360, 855, 495}, "プラネタリウム", 14);
}

// Where the chart's option boxes stand, in the order of chart::kOptionRows:
// the window's first four, then the others in the free space beneath them.
constexpr std::array<Bounds, chart::kOptionCount> kOptionBounds{{{11040, 240, 855, 255},
                                                                 {11040, 600, 975, 255},
                                                                 {12120, 240, 1695, 255},
                                                                 {12120, 600, 1935, 255},
                                                                 {11040, 960, 1095, 255},
                                                                 {12120, 960, 1035, 255},
                                                                 {13200, 960, 1275, 255},
                                                                 {11040, 1320, 1335, 255},
                                                                 {12480, 1320, 1335, 255}}};

// The display options as they are at start, and the readout, exit and almanac buttons.
void LayOutOptionsAndButtons(Form1& form) {
  for (std::size_t i = 0; i < form.chkOP.size(); ++i) {
    Place(form.chkOP[i], kOptionBounds[i], Gothic(kRegularPoints),
          kFirstOptionTab + static_cast<int>(i));
    form.chkOP[i].Caption = chart::kOptionRows[i].caption;
    form.chkOP[i].Value = chart::kOptionRows[i].onAtStart ? 1 : 0;
  }
  PlaceButton(form.Command2, {13920, 240, 615, 375}, "数値", 7);
  PlaceButton(form.Command1, {14520, 840, 615, 375}, "終了", 6);
  PlaceButton(form.cmdKOYOMI, {14520, 1320, 615, 375}, "暦",
              kFirstOptionTab + static_cast<int>(chart::kOptionCount));
}

// The readout cells, name, altitude and azimuth in each row, in bold.
void LayOutReadout(Form1& form) {
  for (int i = 0; i < kReadoutLabels; ++i) {
    const bool left = i < kLeftBlockRows;
    const ReadoutColumns& columns = left ? kLeftBlock : kRightBlock;
    const int y = kReadoutTop + kReadoutPitch * (left ? i : i - kLeftBlockRows);
    const auto row = static_cast<std::size_t>(i);
    Place(form.lblST[row], {columns.name_x, y, kNameWidth, kReadoutHeight},
          Gothic(kRegularPoints, true));
    Place(form.lblH[row], {columns.altitude_x, y, kNumberWidth, kReadoutHeight},
          Gothic(kRegularPoints, true));
    Place(form.lblV[row], {columns.azimuth_x, y, kNumberWidth, kReadoutHeight},
          Gothic(kRegularPoints, true));
  }
}

}  // namespace

Form1::Form1(Services services)
    : skyChart(observation, chartStars, services.surface), services_(services) {
  LayOutControls();
}

void Form1::LayOutControls() {
  Caption = "プラネタリウム";
  LayOutSiteAndDate(*this);
  LayOutCoordinates(*this);
  LayOutIntervals(*this);
  LayOutCompass(*this);
  LayOutOptionsAndButtons(*this);
  LayOutReadout(*this);
  Timer1.Interval = 0;
}

}  // namespace app
