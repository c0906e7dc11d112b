#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "chart/recording_surface.h"
#include "fake_time_zones.h"
#include "web/browser.h"

namespace web::testing {

// A browser in memory: what the page shows in each element, the canvases as
// recorded operations, the almanac's panel, the panel naming an object, the address, the pending
// timer, a fixed clock, a few time zones and the page's storage.
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
  std::vector<Element> elements;   // by id
  std::vector<int> documentOrder;  // the ids in the order they were added
  bool disabled = false;
  std::string message;
  std::optional<std::string> operations;
  std::string description;
  std::vector<std::string> announcements;
  struct ShownObject {
    std::string text;
    double x = 0, y = 0;  // [window pixels]
    bool renewed = false;
  };
  std::optional<ShownObject> object;  // the panel naming an object, while it shows
  int objectsShown = 0;               // ShowObject, renewals too
  std::string printCaption;
  bool magnified = false;
  std::optional<app::AlmanacTable> almanac;   // the panel's table, or
  std::optional<std::string> almanacMessage;  // the message in its place
  std::optional<std::string> addressQuery;    // the last one put in place
  int addressChanges = 0;
  chart::RecordingSurface canvas, printCanvas;
  int paints = 0;
  std::optional<int> timerMs;  // the pending timeout, if any
  app::JapanDateTime now{2005, 10, 22, 21, 0};
  std::map<std::string, std::string> storage;
  bool storageFails = false;
  FakeTimeZones zones;

  void SetTitle(std::string_view text) override { title = text; }
  void SetPageColour(chart::Colour colour) override { pageColour = colour; }
  void AddElement(int id, const ElementLayout& layout) override {
    if (std::find(documentOrder.begin(), documentOrder.end(), id) != documentOrder.end()) {
      documentOrder.clear();  // the page was opened again
    }
    const auto slot = static_cast<std::size_t>(id);
    if (slot >= elements.size()) elements.resize(slot + 1);
    elements[slot] = {layout, {}, {}, -1, false, {}, {}};
    documentOrder.push_back(id);
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
  void DescribeChart(std::string_view words) override { description = words; }
  void Announce(std::string_view words) override { announcements.emplace_back(words); }
  void ShowObject(std::string_view text, double x, double y, bool renewed) override {
    object = ShownObject{std::string(text), x, y, renewed};
    ++objectsShown;
  }
  void HideObject() override { object.reset(); }
  void SetPrintCaption(std::string_view text) override { printCaption = text; }
  void ShowMagnified(bool shown) override { magnified = shown; }
  void ShowAlmanac(const app::AlmanacTable& table) override {
    almanac = table;
    almanacMessage.reset();
  }
  void ShowAlmanacMessage(std::string_view text) override {
    almanac.reset();
    almanacMessage = std::string(text);
  }
  void ReplaceAddressQuery(std::string_view query) override {
    addressQuery = query;
    ++addressChanges;
  }
  chart::Surface& Canvas(Picture picture) override {
    chart::RecordingSurface& chosen = picture == Picture::kScreen ? canvas : printCanvas;
    chosen.Clear();
    return chosen;
  }
  void CanvasPainted(Picture picture) override { paints += picture == Picture::kScreen; }
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

  std::optional<std::string> KnownZone(std::string_view name) const override {
    return zones.KnownZone(name);
  }
  std::string LocalZone() const override { return zones.LocalZone(); }
  std::vector<std::string> ZoneNames() const override { return zones.ZoneNames(); }
  int OffsetSeconds(std::string_view zone, double unix_seconds) const override {
    return zones.OffsetSeconds(zone, unix_seconds);
  }

  Element& At(int id) { return elements.at(static_cast<std::size_t>(id)); }
};

}  // namespace web::testing
