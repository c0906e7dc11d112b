#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "chart/recording_surface.h"
#include "web/browser.h"

namespace web::testing {

// A browser in memory: what the page shows in each element, the canvas as
// recorded operations, the pending timer, a fixed clock and the page's storage.
struct FakeBrowser final : Browser {
  struct Element {
    ElementLayout layout;
    std::string text;
    std::vector<std::string> items;
    int selection = -1;
    bool checked = false;
    std::optional<chart::Colour> back, textColour;
  };

  std::string title;
  chart::Colour pageColour{};
  std::vector<Element> elements;
  bool disabled = false;
  std::string message;
  std::optional<std::string> operations;
  chart::RecordingSurface canvas;
  int paints = 0;
  std::optional<int> timerMs;  // the pending timeout, if any
  app::JapanDateTime now{2005, 10, 22, 21, 0};
  std::map<std::string, std::string> storage;
  bool storageFails = false;

  void SetTitle(std::string_view text) override { title = text; }
  void SetPageColour(chart::Colour colour) override { pageColour = colour; }
  void AddElement(int id, const ElementLayout& layout) override {
    if (id == 0) elements.clear();  // the page was opened again
    EXPECT_EQ(id, static_cast<int>(elements.size()));
    elements.push_back({layout, {}, {}, -1, false, {}, {}});
  }
  void SetText(int id, std::string_view text) override { At(id).text = text; }
  void SetItems(int id, const std::vector<std::string>& items) override { At(id).items = items; }
  void SetSelection(int id, int row) override { At(id).selection = row; }
  void SetChecked(int id, bool checked) override { At(id).checked = checked; }
  void SetColours(int id, chart::Colour back, chart::Colour text) override {
    At(id).back = back;
    At(id).textColour = text;
  }
  void DisableElements() override { disabled = true; }
  void ShowMessage(std::string_view text) override { message = text; }
  void ShowOperations(std::string_view text) override { operations = std::string(text); }
  chart::Surface& Canvas() override {
    canvas.Clear();
    return canvas;
  }
  void CanvasPainted() override { ++paints; }
  void StartTimer(int milliseconds) override { timerMs = milliseconds; }
  void StopTimer() override { timerMs.reset(); }
  app::JapanDateTime Now() const override { return now; }
  std::optional<std::string> ReadStorage(std::string_view key) override {
    const auto found = storage.find(std::string(key));
    if (storageFails || found == storage.end()) return std::nullopt;
    return found->second;
  }
  std::optional<std::string> WriteStorage(std::string_view key, std::string_view text) override {
    if (storageFails) return "QuotaExceededError";
    storage[std::string(key)] = text;
    return std::nullopt;
  }

  Element& At(int id) { return elements.at(static_cast<std::size_t>(id)); }
};

}  // namespace web::testing
