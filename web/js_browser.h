#pragma once

#include "web/browser.h"

namespace web {

// The chart's operations on the page's canvas, in CSS pixels (twips / 15).
class CanvasSurface final : public chart::Surface {
 public:
  // Fills the whole canvas with BackColor.
  void Cls() override;
  // A one-pixel line on pixel centres, so that level lines stay one pixel thick.
  void Line(float x1, float y1, float x2, float y2, chart::Colour colour) override;
  // A square dot one CSS pixel wide.
  void PSet(float x, float y, chart::Colour colour) override;
  // A disc with a one-pixel outline; radii below half a pixel still show.
  void Circle(float x, float y, float radius, chart::Colour colour) override;
  // White text in the window's default face, its top left at (CurrentX, CurrentY).
  void Print(std::string_view utf8_text) override;
};

// The browser behind the page, through the functions of web/page_library.js.
class JsBrowser final : public Browser {
 public:
  // Finds the page's window and canvas, sizes the canvas and takes the
  // window's default font for the chart's text.
  JsBrowser();

  void SetTitle(std::string_view text) override;
  void SetPageColour(chart::Colour colour) override;
  void AddElement(int id, const ElementLayout& layout) override;
  void SetText(int id, std::string_view text) override;
  void SetItems(int id, const std::vector<std::string>& items) override;
  void SetSelection(int id, int row) override;
  void SetChecked(int id, bool checked) override;
  void SetColours(int id, chart::Colour back, chart::Colour text) override;
  void DisableElements() override;
  void ShowMessage(std::string_view text) override;
  void ShowOperations(std::string_view text) override;
  chart::Surface& Canvas() override { return canvas_; }
  void CanvasPainted() override;
  void StartTimer(int milliseconds) override;
  void StopTimer() override;
  app::JapanDateTime Now() const override;
  std::optional<std::string> ReadStorage(std::string_view key) override;
  std::optional<std::string> WriteStorage(std::string_view key, std::string_view text) override;

  // The query of the page's address, after '?'.
  static std::string AddressQuery();

 private:
  CanvasSurface canvas_;
};

}  // namespace web
