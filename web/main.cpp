// The planetarium page's WebAssembly entry points: main builds the page once
// the document is there, and the page's elements call the web_ functions.

#include <emscripten/emscripten.h>

#include "web/js_browser.h"
#include "web/page.h"

namespace {

web::Page* the_page = nullptr;  // lives until the page is closed

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_edit(int id, const char* text) {
  the_page->Edit(id, text);
}

EMSCRIPTEN_KEEPALIVE void web_edit_finished() {
  the_page->EditFinished();
}

EMSCRIPTEN_KEEPALIVE void web_select(int id, int row) {
  the_page->Select(id, row);
}

EMSCRIPTEN_KEEPALIVE void web_check(int id, int checked) {
  the_page->Check(id, checked != 0);
}

EMSCRIPTEN_KEEPALIVE void web_click(int id) {
  the_page->Click(id);
}

EMSCRIPTEN_KEEPALIVE void web_tick() {
  the_page->Tick();
}

EMSCRIPTEN_KEEPALIVE void web_repaint() {
  the_page->Repaint();
}

EMSCRIPTEN_KEEPALIVE void web_print() {
  the_page->Print();
}

EMSCRIPTEN_KEEPALIVE void web_print_ended() {
  the_page->PrintEnded();
}

// A click or tap on the chart [window pixels]; a key that steps through its
// objects (0 next, 1 previous, 2 first, 3 last, as app::ObjectStep); the
// panel naming an object put away.
EMSCRIPTEN_KEEPALIVE void web_point_at(double x, double y) {
  the_page->PointAt(x, y);
}

EMSCRIPTEN_KEEPALIVE void web_step_object(int step) {
  if (step >= 0 && step <= static_cast<int>(app::ObjectStep::kLast)) {
    the_page->StepObject(static_cast<app::ObjectStep>(step));
  }
}

EMSCRIPTEN_KEEPALIVE void web_dismiss_object() {
  the_page->DismissObject();
}

// Zoom and pan of the chart: the wheel's turn [eighths of a degree] at a
// point; a key (0 in, 1 out, 2 the whole view, as app::ZoomKey); a drag or
// a pinch: the drawing moved by (dx, dy) and magnified about a point. Points
// and moves in window pixels.
EMSCRIPTEN_KEEPALIVE void web_wheel(double angle, double x, double y) {
  the_page->Wheel(angle, x, y);
}

EMSCRIPTEN_KEEPALIVE void web_zoom_key(int key) {
  if (key >= 0 && key <= static_cast<int>(app::ZoomKey::kWhole)) {
    the_page->ZoomKey(static_cast<app::ZoomKey>(key));
  }
}

EMSCRIPTEN_KEEPALIVE void web_gesture(double dx, double dy, double magnified, double x, double y) {
  the_page->Gesture(dx, dy, magnified, x, y);
}

}  // extern "C"

int main() {
  // Never destroyed: the runtime stays alive after main returns, for the events.
  static web::JsBrowser browser;
  static web::Page page(browser);
  the_page = &page;
  page.Start(web::JsBrowser::AddressQuery());
  return 0;
}
