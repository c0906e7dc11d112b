#include "web/page.h"

#include <cstddef>
#include <string>
#include <type_traits>

#include "app/chart_description.h"
#include "app/screen_units.h"
#include "app/sky_request.h"
#include "chart/palette.h"
#include "web/address.h"
#include "web/address_instant.h"

namespace web {
namespace {

constexpr const char* kEndedMessage = "終了しました。このページは閉じてかまいません。";
constexpr std::size_t kShownMessages = 3;  // at the foot; the rest are counted

// The first few messages, one a line, and how many more there were.
std::string FootMessage(const std::vector<std::string>& messages) {
  std::string shown;
  for (std::size_t i = 0; i < messages.size() && i < kShownMessages; ++i) {
    shown += (shown.empty() ? "" : "\n") + messages[i];
  }
  if (messages.size() > kShownMessages) {
    shown +=
        "\nほかに " + std::to_string(messages.size() - kShownMessages) + " 件の注意があります。";
  }
  return shown;
}

int StackLevel(app::ControlLayer layer) {
  switch (layer) {
    case app::ControlLayer::kCaption:
      return 1;
    case app::ControlLayer::kInput:
      return 2;
    case app::ControlLayer::kReadout:
      return 3;
  }
  return 2;
}

template <typename Control>
ElementKind KindOf() {
  if constexpr (std::is_same_v<Control, app::ListBox>) return ElementKind::kList;
  if constexpr (std::is_same_v<Control, app::TextBox>) return ElementKind::kTextBox;
  if constexpr (std::is_same_v<Control, app::Label>) return ElementKind::kLabel;
  if constexpr (std::is_same_v<Control, app::OptionButton>) return ElementKind::kOption;
  if constexpr (std::is_same_v<Control, app::CheckBox>) return ElementKind::kCheck;
  if constexpr (std::is_same_v<Control, app::CommandButton>) return ElementKind::kButton;
}

// Given: a control and, for a readout cell, its position among the cells
// (row by row, name, altitude, azimuth).
ElementLayout LayoutOf(const app::ControlEntry& entry, std::size_t readout_index) {
  const app::Control& control = app::Base(entry);
  ElementLayout layout;
  layout.kind = std::visit([](auto* c) { return KindOf<std::remove_pointer_t<decltype(c)>>(); },
                           entry.control);
  const app::Bounds& b = control.bounds;
  layout.left = app::WholePixelsFromTwips(b.left);
  layout.top = app::WholePixelsFromTwips(b.top);
  layout.width = app::WholePixelsFromTwips(b.width);
  layout.height = app::WholePixelsFromTwips(b.height);
  layout.stackLevel = StackLevel(entry.layer);
  // An empty face is the window's default font (the buttons).
  const bool default_font = control.font.face.empty();
  layout.fontFace = default_font ? app::kGothicFace : control.font.face;
  layout.fontPixels =
      app::PixelsFromPoints(default_font ? app::kWindowFontPoints : control.font.points);
  layout.bold = control.font.bold;
  layout.transparent = entry.layer == app::ControlLayer::kReadout;
  // Options, check boxes and buttons are named by their own captions.
  if (layout.kind == ElementKind::kTextBox || layout.kind == ElementKind::kList) {
    layout.accessibleName = entry.accessibleName;
  }
  if (entry.layer == app::ControlLayer::kReadout) {
    layout.cell = TableCell{static_cast<int>(readout_index / app::kReadoutColumns.size()),
                            app::kReadoutColumns[readout_index % app::kReadoutColumns.size()]};
  }
  return layout;
}

// The controls in the document's order: the inputs in the window's focus
// order (TabIndex), then the captions, then the readout table row by row.
std::vector<std::size_t> DocumentOrder(const std::vector<app::ControlEntry>& controls) {
  std::vector<std::size_t> order;
  order.reserve(controls.size());
  for (int focus = 0; order.size() < controls.size() && focus <= static_cast<int>(controls.size());
       ++focus) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const app::ControlEntry& entry = controls[i];
      if (entry.layer == app::ControlLayer::kInput && app::Base(entry).TabIndex == focus) {
        order.push_back(i);
      }
    }
  }
  for (const app::ControlLayer layer : {app::ControlLayer::kCaption, app::ControlLayer::kReadout}) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].layer == layer) order.push_back(i);
    }
  }
  return order;
}

}  // namespace

Page::Page(Browser& browser)
    : browser_(browser),
      clock_(browser),
      start_file_(browser),
      timer_(browser),
      runner_([this] { End(); }),
      save_failure_(browser),
      almanac_(browser),
      form_(app::Services{drawing_, clock_, start_file_, runner_, timer_, save_failure_, almanac_}),
      controls_(app::FormControls(form_)) {
  form_.Form_Load();
  AddElements();
}

void Page::AddElements() {
  std::size_t readout_index = 0;
  for (const std::size_t id : DocumentOrder(controls_)) {
    const app::ControlEntry& entry = controls_[id];
    browser_.AddElement(static_cast<int>(id), LayoutOf(entry, readout_index));
    if (entry.layer == app::ControlLayer::kReadout) ++readout_index;
  }
}

void Page::Start(std::string_view query) {
  PageAddress address = ReadAddress(query);
  std::vector<std::string> messages = address.messages;
  for (std::string& message : ResolveInstant(address, clock_, browser_)) {
    messages.push_back(std::move(message));
  }
  for (std::string& message : ApplyAddress(address, form_)) messages.push_back(std::move(message));
  browser_.ShowMessage(FootMessage(messages));
  show_operations_ = address.ops;
  // A sky the boxes cannot be computed for is named at the foot; pressing
  // the button would draw another one beneath the message (a named site's
  // own coordinates in place of those asked for) or nothing.
  if (address.asksForSky && !form_.FindSkyBoxFault()) {
    Run(&app::Form1::Command3_Click);
  } else {
    Sync();
    Paint();
  }
}

const app::ControlEntry* Page::Entry(int id) const {
  if (runner_.Ended() || id < 0 || static_cast<std::size_t>(id) >= controls_.size()) return nullptr;
  return &controls_[static_cast<std::size_t>(id)];
}

void Page::Edit(int id, std::string_view text) {
  const app::ControlEntry* entry = Entry(id);
  if (!entry) return;
  if (auto* const* box = std::get_if<app::TextBox*>(&entry->control)) {
    (*box)->Text = text;
    runner_.Typing();
  }
}

void Page::EditFinished() {
  runner_.TypingFinished();
}

void Page::Select(int id, int row) {
  const app::ControlEntry* entry = Entry(id);
  if (!entry) return;
  if (auto* const* list = std::get_if<app::ListBox*>(&entry->control)) {
    const auto count = static_cast<int>((*list)->items.size());
    (*list)->ListIndex = row >= 0 && row < count ? row : -1;
  }
}

void Page::Check(int id, bool checked) {
  const app::ControlEntry* entry = Entry(id);
  if (!entry) return;
  if (auto* const* check = std::get_if<app::CheckBox*>(&entry->control)) {
    (*check)->Value = checked ? 1 : 0;
  } else if (auto* const* option = std::get_if<app::OptionButton*>(&entry->control)) {
    // The options are one group: choosing one clears the others.
    if (!checked) return;
    for (const app::ControlEntry& other : controls_) {
      if (auto* const* o = std::get_if<app::OptionButton*>(&other.control)) {
        (*o)->Value = *o == *option;
      }
    }
  }
}

void Page::Click(int id) {
  const app::ControlEntry* entry = Entry(id);
  if (!entry || !entry->click) return;
  Run(entry->click);
  // The new chart is read out once; the ticks that follow only renew the description.
  if (entry->click == &app::Form1::Command3_Click && !runner_.Ended()) {
    browser_.Announce(form_.ChartDescription);
  }
}

void Page::Tick() {
  timer_.Fire([this] { Run(&app::Form1::Timer1_Timer); });
}

void Page::Repaint() {
  Paint(Picture::kScreen);
  // The chart stands elsewhere on the screen: the panel goes with it.
  if (object_shown_) ShowObject(pointer_.Follow(form_), true);
}

void Page::Print() {
  printing_ = true;
  Paint(Picture::kPrint);
}

void Page::PrintEnded() {
  printing_ = false;
}

void Page::PointAt(double x, double y) {
  if (runner_.Ended()) return;
  ShowObject(pointer_.At(form_, x * app::kTwipsPerPixel, y * app::kTwipsPerPixel), false);
}

void Page::StepObject(app::ObjectStep step) {
  if (runner_.Ended()) return;
  ShowObject(pointer_.Step(form_, step), false);
}

void Page::DismissObject() {
  ShowObject(std::nullopt, false);
}

void Page::Wheel(double angle, double x, double y) {
  const chart::WindowPoint at{x * app::kTwipsPerPixel, y * app::kTwipsPerPixel};
  Zoom([angle, at](chart::ChartZoom& zoom) { app::ZoomByWheel(zoom, angle, at); });
}

void Page::ZoomKey(app::ZoomKey key) {
  Zoom([key](chart::ChartZoom& zoom) { app::ZoomByKey(zoom, key); });
}

void Page::Gesture(double dx, double dy, double magnified, double x, double y) {
  const chart::WindowPoint at{x * app::kTwipsPerPixel, y * app::kTwipsPerPixel};
  Zoom([dx, dy, magnified, at](chart::ChartZoom& zoom) {
    app::ZoomByGesture(zoom, dx * app::kTwipsPerPixel, dy * app::kTwipsPerPixel, magnified, at);
  });
}

void Page::Zoom(const std::function<void(chart::ChartZoom&)>& step) {
  if (runner_.Zoom(form_, step)) Show(true);
}

void Page::ShowObject(const std::optional<app::PointedObject>& object, bool renewed) {
  if (!object) {
    if (object_shown_) browser_.HideObject();
    object_shown_ = false;
    return;
  }
  browser_.ShowObject(object->info.Text(), app::PixelsFromTwips(object->x),
                      app::PixelsFromTwips(object->y), renewed);
  object_shown_ = true;
}

void Page::Run(void (app::Form1::*handler)()) {
  if (!runner_.Run(form_, handler)) return;
  Show(handler == &app::Form1::Command3_Click || handler == &app::Form1::Timer1_Timer);
}

void Page::Show(bool follow_sky) {
  Sync();
  Paint();
  if (object_shown_) ShowObject(pointer_.Follow(form_), true);
  if (follow_sky) FollowSky();
  if (show_operations_) ShowOperations();
}

void Page::Sync() {
  browser_.SetTitle(form_.Caption);
  browser_.SetPageColour(form_.BackColor);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const app::ControlEntry& entry = controls_[i];
    const int id = static_cast<int>(i);
    std::visit(
        [this, id](auto* control) {
          using Control = std::remove_pointer_t<decltype(control)>;
          if constexpr (std::is_same_v<Control, app::ListBox>) {
            browser_.SetItems(id, control->items);
            const bool valid = control->ListIndex >= 0 &&
                               control->ListIndex < static_cast<int>(control->items.size());
            browser_.SetSelection(id, valid ? control->ListIndex : -1);
          } else if constexpr (std::is_same_v<Control, app::TextBox>) {
            browser_.SetText(id, control->Text);
          } else {
            browser_.SetText(id, control->Caption);
          }
          if constexpr (std::is_same_v<Control, app::OptionButton>) {
            browser_.SetChecked(id, control->Value);
          }
          if constexpr (std::is_same_v<Control, app::CheckBox>) {
            browser_.SetChecked(id, control->Value == 1);
          }
        },
        entry.control);
    if (entry.schemeColoured) {
      const app::Control& control = app::Base(entry);
      browser_.SetColours(id, control.BackColor, control.ForeColor);
    }
  }
  browser_.DescribeChart(form_.ChartDescription);
  browser_.ShowMagnified(form_.ChartOnWindow && form_.chartZoom.Magnified());
  browser_.SetPrintCaption(form_.ChartOnWindow ? app::ChartCaption(*form_.ChartOnWindow) : "");
}

void Page::Paint() {
  Paint(Picture::kScreen);
  if (printing_) Paint(Picture::kPrint);
}

// The chart on the screen, or on the printed page in the print palette.
void Page::Paint(Picture picture) {
  chart::Surface& canvas = browser_.Canvas(picture);
  chart::PaletteSurface paper(canvas, chart::Palette::kPrint);
  chart::Surface& target = picture == Picture::kPrint ? paper : canvas;
  target.BackColor = form_.BackColor;
  drawing_.Replay(target);
  browser_.CanvasPainted(picture);
}

// The address asks for the sky the controls now hold, so that it can be shared.
void Page::FollowSky() {
  browser_.ReplaceAddressQuery(WriteAddress(app::RequestFromForm(form_), show_operations_));
}

void Page::ShowOperations() {
  const std::string operations = drawing_.Text();
  browser_.ShowOperations(operations.empty() ? operations : operations + "\n");
}

void Page::End() {
  timer_.Halt();
  browser_.DisableElements();
  browser_.ShowMessage(kEndedMessage);
}

}  // namespace web
