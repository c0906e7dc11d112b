#include <cstddef>
#include <string>

#include "app/form.h"
#include "app/sites.h"
#include "app/start_file.h"
#include "text/number_text.h"

namespace app {
namespace {

constexpr int kStartStepPosition = 3;      // "15" minutes
constexpr int kStartIntervalPosition = 3;  // " 6" seconds

}  // namespace

// Opens the window: the stored site, the night colours, the clock's date and
// time in the boxes. Computes and draws nothing.
void Form1::Form_Load() {
  const StartSettings start = ReadStartSettings(services_.startFile.ReadLine());
  StartLat = start.latitude;
  StartLon = start.longitude;

  PrevSunAlt = -1;
  ColourScheme = 1;
  ReadoutMode = 0;
  SetColours();

  const JapanDateTime now = services_.clock.Now();
  WriteDateBoxes(now.year, now.month, now.day, now.hour, now.minute);

  lstINTV1.ListIndex = kStartStepPosition;
  lstINTV2.ListIndex = kStartIntervalPosition;

  FillSites();
  lstCITY.ListIndex = start.siteIndex;
  Label10.Caption = lstCITY.Text();

  if (UsesTableCoordinates(lstCITY.ListIndex)) {
    ApplySiteSelection();
  } else {
    txtIDO.Text = BoxText(StartLat);
    txtKEIDO.Text = text::BoxNumber(StartLon);
  }
}

// Saves the site and its box texts, then ends the program. When the start
// file cannot be written the user is told why and chooses: try again, quit
// without saving, or go back to the window.
void Form1::Command1_Click() {
  const std::string line = StartLineForExit(lstCITY.ListIndex, txtIDO.Text, txtKEIDO.Text);
  while (const auto failure = services_.startFile.Write(line)) {
    switch (services_.saveFailure.Ask(services_.startFile.Location(), *failure)) {
      case AfterFailedSave::kRetry:
        continue;
      case AfterFailedSave::kQuitWithoutSaving:
        services_.process.End();
        return;
      case AfterFailedSave::kBackToWindow:
        return;
    }
  }
  services_.process.End();
}

void Form1::FillSites() {
  for (std::size_t i = 0; i < kSites.size(); ++i) {
    CityName[i + 1] = std::string(kSites[i].name);
    CityLat[i + 1] = kSites[i].latitude;
    CityLon[i + 1] = kSites[i].longitude;
  }
  lstCITY.items.assign(CityName.begin() + 1, CityName.begin() + 1 + kSiteCount);
}

// A named site puts its table coordinates into the boxes, replacing whatever
// was typed there; the typed entry "入力" leaves the boxes to the user.
void Form1::ApplySiteSelection() {
  const int position = lstCITY.ListIndex;
  if (!UsesTableCoordinates(position)) return;
  const auto entry = static_cast<std::size_t>(position + 1);
  txtIDO.Text = text::BoxNumber(CityLat[entry]);
  txtKEIDO.Text = text::BoxNumber(CityLon[entry]);
}

}  // namespace app
