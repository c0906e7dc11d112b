#include "web/js_browser.h"

#include <cstdlib>
#include <string>

#include "app/screen_units.h"

// The functions of web/page_library.js. Colours are 0xRRGGBB, -1 for none;
// texts are UTF-8 and end with a NUL; positions are CSS pixels.
extern "C" {
void js_open_page(const char* window_font_face, int window_font_pixels);
void js_set_title(const char* text);
void js_set_page_colour(int rgb);
void js_add_element(int id, int kind, int left, int top, int width, int height, int stack_level,
                    const char* font_face, int font_pixels, int bold, int tab_index,
                    int transparent, const char* accessible_name);
void js_set_text(int id, const char* text);
void js_set_items(int id, const char* items_by_line);
void js_set_selection(int id, int row);
void js_set_checked(int id, int checked);
void js_set_colours(int id, int back, int text);
void js_disable_elements();
void js_show_message(const char* text);
void js_show_operations(const char* text);
void js_canvas_clear(int rgb);
void js_canvas_line(double x1, double y1, double x2, double y2, int rgb);
void js_canvas_dot(double x, double y, int rgb);
void js_canvas_circle(double x, double y, double radius, int rgb, int fill_rgb);
void js_canvas_text(double x, double y, const char* text);
void js_canvas_painted();
void js_start_timer(int milliseconds);
void js_stop_timer();
void js_now(int* year_month_day_hour_minute);  // Japan Standard Time
// A copy made with malloc, or null; its length in bytes (it may hold NULs).
char* js_read_storage(const char* key, int* length);
// Null once stored, otherwise the browser's reason, copied with malloc.
char* js_write_storage(const char* key, const char* text);
char* js_address_query();
}

namespace web {
namespace {

double Px(float twips) {
  return app::PixelsFromTwips(static_cast<double>(twips));
}

int Rgb(chart::Colour colour) {
  return colour.r << 16 | colour.g << 8 | colour.b;
}

std::string Text(std::string_view text) {
  return std::string(text);
}

}  // namespace

void CanvasSurface::Cls() {
  js_canvas_clear(Rgb(BackColor));
}

void CanvasSurface::Line(float x1, float y1, float x2, float y2, chart::Colour colour) {
  js_canvas_line(Px(x1), Px(y1), Px(x2), Px(y2), Rgb(colour));
}

void CanvasSurface::PSet(float x, float y, chart::Colour colour) {
  js_canvas_dot(Px(x), Px(y), Rgb(colour));
}

void CanvasSurface::Circle(float x, float y, float radius, chart::Colour colour) {
  js_canvas_circle(Px(x), Px(y), Px(radius), Rgb(colour), FillStyle == 0 ? Rgb(FillColor) : -1);
}

void CanvasSurface::Print(std::string_view utf8_text) {
  js_canvas_text(Px(CurrentX), Px(CurrentY), Text(utf8_text).c_str());
}

JsBrowser::JsBrowser() {
  js_open_page(app::kGothicFace, app::PixelsFromPoints(app::kWindowFontPoints));
}

void JsBrowser::SetTitle(std::string_view text) {
  js_set_title(Text(text).c_str());
}

void JsBrowser::SetPageColour(chart::Colour colour) {
  js_set_page_colour(Rgb(colour));
}

void JsBrowser::AddElement(int id, const ElementLayout& layout) {
  js_add_element(id, static_cast<int>(layout.kind), layout.left, layout.top, layout.width,
                 layout.height, layout.stackLevel, layout.fontFace.c_str(), layout.fontPixels,
                 layout.bold, layout.tabIndex, layout.transparent, layout.accessibleName.c_str());
}

void JsBrowser::SetText(int id, std::string_view text) {
  js_set_text(id, Text(text).c_str());
}

void JsBrowser::SetItems(int id, const std::vector<std::string>& items) {
  std::string lines;
  for (const std::string& item : items) lines += (lines.empty() ? "" : "\n") + item;
  js_set_items(id, lines.c_str());
}

void JsBrowser::SetSelection(int id, int row) {
  js_set_selection(id, row);
}

void JsBrowser::SetChecked(int id, bool checked) {
  js_set_checked(id, checked);
}

void JsBrowser::SetColours(int id, chart::Colour back, chart::Colour text) {
  js_set_colours(id, Rgb(back), Rgb(text));
}

void JsBrowser::DisableElements() {
  js_disable_elements();
}

void JsBrowser::ShowMessage(std::string_view text) {
  js_show_message(Text(text).c_str());
}

void JsBrowser::ShowOperations(std::string_view text) {
  js_show_operations(Text(text).c_str());
}

void JsBrowser::CanvasPainted() {
  js_canvas_painted();
}

void JsBrowser::StartTimer(int milliseconds) {
  js_start_timer(milliseconds);
}

void JsBrowser::StopTimer() {
  js_stop_timer();
}

app::JapanDateTime JsBrowser::Now() const {
  int fields[5] = {};
  js_now(fields);
  return app::JapanDateTime{fields[0], fields[1], fields[2], fields[3], fields[4]};
}

std::optional<std::string> JsBrowser::ReadStorage(std::string_view key) {
  int length = 0;
  char* copy = js_read_storage(Text(key).c_str(), &length);
  if (copy == nullptr) return std::nullopt;
  std::string text(copy, static_cast<std::size_t>(length));
  std::free(copy);
  return text;
}

std::optional<std::string> JsBrowser::WriteStorage(std::string_view key, std::string_view text) {
  char* reason = js_write_storage(Text(key).c_str(), Text(text).c_str());
  if (reason == nullptr) return std::nullopt;
  std::string copy = reason;
  std::free(reason);
  return copy;
}

std::string JsBrowser::AddressQuery() {
  char* copy = js_address_query();
  std::string query = copy;
  std::free(copy);
  return query;
}

}  // namespace web
