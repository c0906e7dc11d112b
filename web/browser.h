#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "app/screen_units.h"
#include "app/services.h"
#include "chart/colour.h"
#include "chart/surface.h"

namespace web {

// The kinds of element a control becomes in the page.
enum class ElementKind { kList, kTextBox, kLabel, kOption, kCheck, kButton };

// Everything the page needs to create the element of one control. A text
// box's font shrinks (down to 8 pixels) until its text fits; a button's caption
// takes up to two lines before its font shrinks.
struct ElementLayout {
  ElementKind kind = ElementKind::kLabel;
  int left = 0, top = 0, width = 0, height = 0;  // [CSS pixels] from the window's top left
  int stackLevel = 0;    // 1 captions, 2 inputs, 3 readout; the chart lies at 0
  std::string fontFace;  // the control's face; the Japanese Gothic fallbacks follow it
  int fontPixels = 0;    // [CSS pixels]
  bool bold = false;
  int tabIndex = -1;           // 1 and up in focus order, -1 takes no focus
  bool transparent = false;    // the chart shows through and clicks pass to it
  std::string accessibleName;  // what assistive technology calls it; empty: its text
};

// What the page needs from the browser: the document's elements, the chart's
// canvas, a timer, the clock and the page's storage. Elements are numbered by
// the page in the order it adds them.
class Browser {
 public:
  virtual ~Browser() = default;

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

  // The chart's canvas, cleared of nothing: a paint draws over what is there.
  virtual chart::Surface& Canvas() = 0;
  // Ends a paint of the canvas.
  virtual void CanvasPainted() = 0;

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
