#include "web/js_browser.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/object_pointer.h"
#include "app/screen_units.h"
#include "chart/palette.h"

// The functions of web/page_*.js. Colours are 0xRRGGBB, -1 for none; texts
// are UTF-8 and end with a NUL; positions are window pixels; canvases are
// numbered as web::Picture.
extern "C" {
void js_open_page(const char* window_font_face, int window_font_pixels);
void js_open_canvases(int screen_words_rgb, int print_words_rgb);
void js_set_title(const char* text);
void js_set_page_colour(int rgb);
void js_add_element(int id, int kind, int left, int top, int width, int height, int stack_level,
                    const char* font_face, int font_pixels, int bold, int transparent,
                    const char* accessible_name, int cell_row,
                    const char* column_name);  // cell_row -1: no cell of the readout
void js_set_text(int id, const char* text);
void js_set_items(int id, const char* items_by_line);
void js_set_selection(int id, int row);
void js_set_checked(int id, int checked);
void js_set_colours(int id, int back, int text);
void js_disable_elements();
void js_show_message(const char* text);
void js_show_operations(const char* text);
void js_describe_chart(const char* words);
void js_announce(const char* words);
// The panel naming an object at (x, y), for `milliseconds` unless renewed.
void js_show_object(const char* text, double x, double y, int renewed, int milliseconds);
void js_hide_object();
// The almanac's panel: its words (heading, the two tables' captions, the
// second table's two columns, the close button's caption) and the first
// table's columns separated by tabs, the rows one a line with their cells
// separated by tabs; without columns, the title is a message and no table is shown.
void js_show_almanac(const char* words, const char* title, const char* columns, const char* bodies,
                     const char* facts);
void js_set_print_caption(const char* text);
void js_show_magnified(int magnified);
void js_replace_address_query(const char* query);
void js_canvas_clear(int canvas, int rgb);
void js_canvas_line(int canvas, double x1, double y1, double x2, double y2, int rgb, double width);
void js_canvas_polygon(int canvas, const double* xy, int count, int rgb);
void js_canvas_dot(int canvas, double x, double y, int rgb);
void js_canvas_circle(int canvas, double x, double y, double radius, int rgb, int fill_rgb);
void js_canvas_text(int canvas, double x, double y, const char* text);
void js_canvas_painted(int canvas);
void js_start_timer(int milliseconds);
void js_stop_timer();
void js_now(int* year_month_day_hour_minute);  // Japan Standard Time
// A copy made with malloc, or null; its length in bytes (it may hold NULs).
char* js_read_storage(const char* key, int* length);
// Null once stored, otherwise the browser's reason, copied with malloc.
char* js_write_storage(const char* key, const char* text);
char* js_address_query();
// A copy made with malloc of the browser's name for a zone, or null when it knows none.
char* js_known_zone(const char* name);
char* js_local_zone();
char* js_zone_names();  // one a line
int js_zone_offset(const char* zone, double unix_seconds);
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

// A text the browser copied with malloc, freed; nullopt for none.
std::optional<std::string> Taken(char* copy) {
  if (copy == nullptr) return std::nullopt;
  std::string text = copy;
  std::free(copy);
  return text;
}

// Texts joined by a separator.
template <typename Texts>
std::string Joined(const Texts& texts, char separator) {
  std::string joined;
  bool first = true;
  for (const auto& text : texts) {
    if (!first) joined += separator;
    joined += text;
    first = false;
  }
  return joined;
}

// The panel's own words, in the order js_show_almanac reads them.
std::string AlmanacWords() {
  const app::AlmanacWords& w = app::kAlmanacWords;
  return Joined(
      std::array{w.heading, w.bodiesCaption, w.factsCaption, w.factColumn, w.valueColumn, w.close},
      '\t');
}

}  // namespace

void CanvasSurface::Cls() {
  js_canvas_clear(static_cast<int>(picture_), Rgb(BackColor));
}

void CanvasSurface::Line(float x1, float y1, float x2, float y2, chart::Colour colour) {
  js_canvas_line(static_cast<int>(picture_), Px(x1), Px(y1), Px(x2), Px(y2), Rgb(colour),
                 DrawWidth);
}

void CanvasSurface::Polygon(std::span<const chart::PointF> points) {
  std::vector<double> xy;
  xy.reserve(2 * points.size());
  for (const chart::PointF& point : points) {
    xy.push_back(Px(point.x));
    xy.push_back(Px(point.y));
  }
  js_canvas_polygon(static_cast<int>(picture_), xy.data(), static_cast<int>(points.size()),
                    Rgb(FillColor));
}

void CanvasSurface::PSet(float x, float y, chart::Colour colour) {
  js_canvas_dot(static_cast<int>(picture_), Px(x), Px(y), Rgb(colour));
}

void CanvasSurface::Circle(float x, float y, float radius, chart::Colour colour) {
  js_canvas_circle(static_cast<int>(picture_), Px(x), Px(y), Px(radius), Rgb(colour),
                   FillStyle == 0 ? Rgb(FillColor) : -1);
}

void CanvasSurface::Print(std::string_view utf8_text) {
  js_canvas_text(static_cast<int>(picture_), Px(CurrentX), Px(CurrentY), Text(utf8_text).c_str());
}

JsBrowser::JsBrowser() {
  js_open_page(app::kGothicFace, app::PixelsFromPoints(app::kWindowFontPoints));
  js_open_canvases(Rgb(chart::WordColour(chart::Palette::kScreen)),
                   Rgb(chart::WordColour(chart::Palette::kPrint)));
}

void JsBrowser::SetTitle(std::string_view text) {
  js_set_title(Text(text).c_str());
}

void JsBrowser::SetPageColour(chart::Colour colour) {
  js_set_page_colour(Rgb(colour));
}

void JsBrowser::AddElement(int id, const ElementLayout& layout) {
  const TableCell cell = layout.cell.value_or(TableCell{-1, ""});
  js_add_element(id, static_cast<int>(layout.kind), layout.left, layout.top, layout.width,
                 layout.height, layout.stackLevel, layout.fontFace.c_str(), layout.fontPixels,
                 layout.bold, layout.transparent, layout.accessibleName.c_str(), cell.row,
                 cell.columnName.c_str());
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

void JsBrowser::DescribeChart(std::string_view words) {
  js_describe_chart(Text(words).c_str());
}

void JsBrowser::Announce(std::string_view words) {
  js_announce(Text(words).c_str());
}

void JsBrowser::ShowObject(std::string_view text, double x, double y, bool renewed) {
  js_show_object(Text(text).c_str(), x, y, renewed, app::kObjectPanelMilliseconds);
}

void JsBrowser::HideObject() {
  js_hide_object();
}

void JsBrowser::ShowAlmanac(const app::AlmanacTable& table) {
  std::vector<std::string> bodies, facts;
  for (const app::AlmanacRow& row : table.bodies) bodies.push_back(Joined(row, '\t'));
  for (const app::AlmanacFact& fact : table.facts) facts.push_back(fact.label + '\t' + fact.value);
  js_show_almanac(AlmanacWords().c_str(), table.title.c_str(),
                  Joined(app::kAlmanacColumns, '\t').c_str(), Joined(bodies, '\n').c_str(),
                  Joined(facts, '\n').c_str());
}

void JsBrowser::ShowAlmanacMessage(std::string_view text) {
  js_show_almanac(AlmanacWords().c_str(), Text(text).c_str(), "", "", "");
}

void JsBrowser::SetPrintCaption(std::string_view text) {
  js_set_print_caption(Text(text).c_str());
}

void JsBrowser::ShowMagnified(bool magnified) {
  js_show_magnified(magnified ? 1 : 0);
}

void JsBrowser::ReplaceAddressQuery(std::string_view query) {
  js_replace_address_query(Text(query).c_str());
}

chart::Surface& JsBrowser::Canvas(Picture picture) {
  return picture == Picture::kScreen ? screen_ : paper_;
}

void JsBrowser::CanvasPainted(Picture picture) {
  js_canvas_painted(static_cast<int>(picture));
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
  return Taken(js_write_storage(Text(key).c_str(), Text(text).c_str()));
}

std::optional<std::string> JsBrowser::KnownZone(std::string_view name) const {
  return Taken(js_known_zone(Text(name).c_str()));
}

std::string JsBrowser::LocalZone() const {
  return Taken(js_local_zone()).value_or("");
}

std::vector<std::string> JsBrowser::ZoneNames() const {
  const std::string lines = Taken(js_zone_names()).value_or("");
  std::vector<std::string> names;
  for (std::size_t start = 0; start < lines.size();) {
    const std::size_t end = std::min(lines.find('\n', start), lines.size());
    names.push_back(lines.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

int JsBrowser::OffsetSeconds(std::string_view zone, double unix_seconds) const {
  return js_zone_offset(Text(zone).c_str(), unix_seconds);
}

std::string JsBrowser::AddressQuery() {
  return Taken(js_address_query()).value_or("");
}

}  // namespace web
