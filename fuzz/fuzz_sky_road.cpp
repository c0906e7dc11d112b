// The whole road of one chart with whatever the user might type: arbitrary
// texts in the seven date, time and coordinate boxes, any site position, any
// direction, any options and intervals -> the planetarium button, timer ticks,
// the numeric button, and every view drawn onto a recording surface.
// Crashes (aborts) when a non-finite coordinate reaches the surface or a body's
// altitude or azimuth is NaN.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "chart/recording_surface.h"
#include "tests/harness/form_harness.h"

namespace {

using Harness = harness::FormHarness<chart::RecordingSurface>;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckPositions(const Harness& h) {
  Require(h.surface.nonFiniteCount() == 0);
  for (int i = 0; i < astro::kBodyCount; ++i) {
    const auto body = static_cast<std::size_t>(i);
    Require(!std::isnan(h.form.observation.BodyAlt[body]));
    Require(!std::isnan(h.form.observation.BodyAz[body]));
  }
  Require(!std::isnan(h.form.observation.horizontal.ObjAlt));
  Require(!std::isnan(h.form.observation.horizontal.ObjAz));
}

// Selects a list position anywhere from "nothing" (-1) to one past the end.
void PickListIndex(FuzzedDataProvider& input, app::ListBox& list) {
  list.ListIndex = input.ConsumeIntegralInRange<int>(-1, static_cast<int>(list.items.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  auto h = std::make_unique<Harness>();
  if (input.ConsumeBool()) h->startFile.contents = input.ConsumeRandomLengthString(200);
  h->form.Form_Load();

  // Site position: "入力" (48) keeps the typed coordinates, the others overwrite them.
  const bool typed_site = input.ConsumeBool();
  if (typed_site) {
    h->form.lstCITY.ListIndex = 48;
  } else {
    PickListIndex(input, h->form.lstCITY);
  }
  PickListIndex(input, h->form.lstINTV1);
  PickListIndex(input, h->form.lstINTV2);
  const int direction = input.ConsumeIntegralInRange<int>(0, 3);
  for (int i = 0; i < 4; ++i) {
    h->form.optDIR[static_cast<std::size_t>(i)].Value = i == direction;
    h->form.chkOP[static_cast<std::size_t>(i)].Value = input.ConsumeBool() ? 1 : 0;
  }
  for (auto& box : h->form.txtYMD) box.Text = input.ConsumeRandomLengthString(24);
  h->form.txtIDO.Text = input.ConsumeRandomLengthString(24);
  h->form.txtKEIDO.Text = input.ConsumeRandomLengthString(24);

  h->form.Command3_Click();
  CheckPositions(*h);
  const int ticks = input.ConsumeIntegralInRange<int>(0, 3);
  for (int t = 0; t < ticks; ++t) {
    h->surface.Clear();
    h->form.Timer1_Timer();
    CheckPositions(*h);
  }
  h->surface.Clear();
  h->form.Command2_Click();
  CheckPositions(*h);
  for (const auto& label : h->form.lblH) Require(label.Caption.find("nan") == std::string::npos);
  for (const auto& label : h->form.lblV) Require(label.Caption.find("nan") == std::string::npos);

  // Every view with the chosen options (the last button or tick set them), for
  // the positions of the last computation.
  h->surface.Clear();
  h->form.skyChart.DrawNorth();
  h->form.skyChart.DrawEast();
  h->form.skyChart.DrawSouth();
  h->form.skyChart.DrawWest();
  CheckPositions(*h);
  return 0;
}
