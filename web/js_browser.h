#pragma once

#include "web/browser.h"

namespace web {

// The chart's operations on one of the page's canvases, in window pixels
// (twips / 15), which the canvas scales to its own pixels.
class CanvasSurface final : public chart::Surface {
 public:
  explicit CanvasSurface(Picture picture) : picture_(picture) {}

  // Fills the whole canvas with BackColor.
  void Cls() override;
  // A line DrawWidth window pixels wide; a one-pixel line on whole device
  // pixels, so that level lines stay sharp.
  void Line(float x1, float y1, float x2, float y2, chart::Colour colour) override;
  // A square dot one window pixel wide.
  void PSet(float x, float y, chart::Colour colour) override;
  // A disc with a one-pixel outline; radii below half a pixel still show.
  void Circle(float x, float y, float radius, chart::Colour colour) override;
  // Text in the window's default face and the canvas's colour of words
  // (chart::WordColour), its top left at (CurrentX, CurrentY).
  void Print(std::string_view utf8_text) override;
  // Filled with FillColor.
  void Polygon(std::span<const chart::PointF> points) override;

 private:
  Picture picture_;
};

// The browser behind the page, through the functions of web/page_*.js.
class JsBrowser final : public Browser {
 public:
  // Finds the page's window and canvases, fits the window to the viewport
  // and takes the window's default font for the chart's text.
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
  void DescribeChart(std::string_view words) override;
  void Announce(std::string_view words) override;
  void ShowObject(std::string_view text, double x, double y, bool renewed) override;
  void HideObject() override;
  void ShowAlmanac(const app::AlmanacTable& table) override;
  void ShowAlmanacMessage(std::string_view text) override;
  void SetPrintCaption(std::string_view text) override;
  void ShowMagnified(bool magnified) override;
  void ReplaceAddressQuery(std::string_view query) override;
  chart::Surface& Canvas(Picture picture) override;
  void CanvasPainted(Picture picture) override;
  void StartTimer(int milliseconds) override;
  void StopTimer() override;
  app::JapanDateTime Now() const override;
  std::optional<std::string> ReadStorage(std::string_view key) override;
  std::optional<std::string> WriteStorage(std::string_view key, std::string_view text) override;

  std::optional<std::string> KnownZone(std::string_view name) const override;
  std::string LocalZone() const override;
  std::vector<std::string> ZoneNames() const override;
  int OffsetSeconds(std::string_view zone, double unix_seconds) const override;

  // The query of the page's address, after '?'.
  static std::string AddressQuery();

 private:
  CanvasSurface screen_{Picture::kScreen};
  CanvasSurface paper_{Picture::kPrint};
};

}  // namespace web
