#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/almanac_table.h"
#include "app/controls.h"
#include "app/screen_units.h"
#include "app/services.h"
#include "chart/colour.h"
#include "chart/surface.h"
#include "web/time_zones.h"

namespace web {

// The kinds of element a control becomes in the page.
enum class ElementKind { kList, kTextBox, kLabel, kOption, kCheck, kButton };

// A cell of the readout table, for assistive technology: its row (from 0) and
// the name of its column; the cells come row by row, left to right.
struct TableCell {
  int row = 0;
  std::string columnName;  // "名前", "高度", "方位"
};

// Everything the page needs to create the element of one control. A text
// box's font shrinks (down to 8 pixels) until its text fits; a button's caption
// takes up to two lines before its font shrinks. Every list, box, option,
// check box and button takes the focus, in the order the elements are added.
struct ElementLayout {
  ElementKind kind = ElementKind::kLabel;
  int left = 0, top = 0, width = 0, height = 0;  // [window pixels] from the window's top left
  int stackLevel = 0;    // 1 captions, 2 inputs, 3 readout; the chart lies at 0
  std::string fontFace;  // the control's face; the Japanese Gothic fallbacks follow it
  int fontPixels = 0;    // [window pixels]
  bool bold = false;
  bool transparent = false;    // the chart shows through and clicks pass to it
  std::string accessibleName;  // a box's or list's name for assistive technology; empty: its text
  std::optional<TableCell> cell;  // a cell of the readout table
};

// The two pictures of the chart: the canvas on the screen, and the printed
// page's picture, in the print palette at print resolution.
enum class Picture { kScreen, kPrint };

// What the page needs from the browser: the document's elements, the chart's
// canvases, the almanac's panel, the address, a timer, the clock, the time
// zones and the page's storage. Elements are numbered by the page; the
// document holds them in the order they are added, which is the focus order.
class Browser : public TimeZones {
 public:
  ~Browser() override = default;

  virtual void SetTitle(std::string_view text) = 0;
  // The background of the whole page, around and beneath the window's controls.
  virtual void SetPageColour(chart::Colour colour) = 0;

  virtual void AddElement(int id, const ElementLayout& layout) = 0;
  // A text box's text, or the caption of a label, option, check box or button.
  virtual void SetText(int id, std::string_view text) = 0;
  virtual void SetItems(int id, const std::vector<std::string>& items) = 0;
  virtual void SetSelection(int id, int row) = 0;  // -1 selects nothing
  virtual void SetChecked(int id, bool checked) = 0;
  virtual void SetColours(int id, chart::Colour back, chart::Colour text) = 0;
  // Every element stops taking input, for good.
  virtual void DisableElements() = 0;

  // A line for the user beneath the window; an empty text removes it.
  virtual void ShowMessage(std::string_view text) = 0;
  // The drawing's operations, one a line, in an element of their own.
  virtual void ShowOperations(std::string_view text) = 0;
  // The chart in words, the description of the chart's canvas; empty while no
  // chart is shown.
  virtual void DescribeChart(std::string_view words) = 0;
  // Words for assistive technology to read out once it is idle.
  virtual void Announce(std::string_view words) = 0;
  // The panel naming an object of the chart, beside the object's place
  // [window pixels] and clear of it, within the chart; read out once
  // assistive technology is idle, unless `renewed` (the same object on a new
  // drawing of the chart), which changes what it shows and where, quietly.
  // After some seconds it calls the page's DismissObject, as Escape and a
  // scroll of the page do; HideObject takes it away.
  virtual void ShowObject(std::string_view text, double x, double y, bool renewed) = 0;
  virtual void HideObject() = 0;
  // The almanac's panel over the window, with the focus, until its button or
  // Escape closes it: the table, or a message in its place (the boxes hold no
  // computable date); either replaces what the panel showed before.
  virtual void ShowAlmanac(const app::AlmanacTable& table) = 0;
  virtual void ShowAlmanacMessage(std::string_view text) = 0;
  // The chart is drawn magnified: the page offers the way back to the whole
  // view (a button over the chart), and a drag on the chart pans it instead
  // of scrolling the page.
  virtual void ShowMagnified(bool magnified) = 0;
  // The line under the printed chart; empty for none.
  virtual void SetPrintCaption(std::string_view text) = 0;
  // The query of the page's address (after '?'), put in place of the present
  // one: no reload, no new entry in the history.
  virtual void ReplaceAddressQuery(std::string_view query) = 0;

  // A canvas of the chart, cleared of nothing: a paint draws over what is there.
  virtual chart::Surface& Canvas(Picture picture) = 0;
  // Ends a paint of that canvas.
  virtual void CanvasPainted(Picture picture) = 0;

  // Calls the page's tick once, `milliseconds` from now, instead of any call
  // still pending; StopTimer cancels it.
  virtual void StartTimer(int milliseconds) = 0;
  virtual void StopTimer() = 0;

  // The present instant in Japan Standard Time, from the browser's clock.
  virtual app::JapanDateTime Now() const = 0;
  // The stored text under `key`, nullopt when there is none or storage is off.
  virtual std::optional<std::string> ReadStorage(std::string_view key) = 0;
  // Returned: nullopt once the text is stored, otherwise the browser's reason
  // (storage switched off, or full).
  virtual std::optional<std::string> WriteStorage(std::string_view key, std::string_view text) = 0;
};

}  // namespace web
