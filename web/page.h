#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "app/control_table.h"
#include "app/form.h"
#include "app/handler_runner.h"
#include "app/object_pointer.h"
#include "app/zoom_steps.h"
#include "chart/recording_surface.h"
#include "web/browser.h"
#include "web/page_services.h"

namespace web {

// The planetarium as a web page: Form1's controls as elements of the document
// at their twips positions (15 twips a window pixel), its chart kept as
// recorded operations and painted onto a canvas (and, once printed, onto the
// printed page's picture), its timer on the browser's. Edits go straight into
// the model; after every handler (buttons, tick) the elements are brought up
// to date with the model and the chart is painted; after the planetarium
// button and each tick the address holds the sky drawn.
class Page {
 public:
  // Given: the browser; it must outlive the page. Notes: runs Form_Load and
  // creates every element, numbered in the order of app::FormControls; Start
  // shows them.
  explicit Page(Browser& browser);
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  // Given: the address's query (after '?'). Notes: sets the controls it names
  // (ReadAddress, ResolveInstant, ApplyAddress), shows what it could not use,
  // presses the planetarium button when it names anything at all and its sky
  // can be computed, and shows the page.
  void Start(std::string_view query);

  // The events of the page; each element is known by its number. Events that
  // do not fit the element, and every event but Repaint and Print after the
  // exit, are ignored.
  void Edit(int id, std::string_view text);  // a text box's new text, as typed
  // The user finished typing in a box (Enter, or the box lost the focus): the
  // animation's ticks, which wait while a box is being typed in, go on.
  void EditFinished();
  void Select(int id, int row);      // a list's new selection, -1 for none
  void Check(int id, bool checked);  // an option or check box clicked
  void Click(int id);                // a button pressed
  void Tick();                       // the browser's timer ran out
  void Repaint();                    // a canvas changed size or pixel ratio
  // Printing starts: the printed page's picture is drawn, and with every
  // drawing until printing ends; outside printing the page spares itself the
  // work of a second picture on every tick.
  void Print();
  void PrintEnded();
  // "What is that?": a click or tap on the chart at a point [window pixels]
  // names the object there, or hides the panel on empty sky; the keys step
  // through the chart's objects (app::ObjectPointer); the panel's time ran
  // out, or the user put it away.
  void PointAt(double x, double y);
  void StepObject(app::ObjectStep step);
  void DismissObject();
  // Zoom and pan of the shown chart (app/zoom_steps.h): the wheel turned
  // [eighths of a degree] at a point; a zoom key; a drag or a pinch that moved
  // the drawing by (dx, dy) and magnified it about a point. Points and moves
  // in window pixels. The address follows.
  void Wheel(double angle, double x, double y);
  void ZoomKey(app::ZoomKey key);
  void Gesture(double dx, double dy, double magnified, double x, double y);

  app::Form1& Form() { return form_; }
  const chart::RecordingSurface& Drawing() const { return drawing_; }
  bool Ended() const { return runner_.Ended(); }

 private:
  void AddElements();
  void Run(void (app::Form1::*handler)());
  void Zoom(const std::function<void(chart::ChartZoom&)>& step);
  // After a handler or a zoom step: the elements, the chart, the panel, the
  // address when the sky changed, the listing.
  void Show(bool follow_sky);
  void Sync();
  void Paint();
  void Paint(Picture picture);
  void FollowSky();
  // Shows the object in the panel, or hides the panel for none.
  void ShowObject(const std::optional<app::PointedObject>& object, bool renewed);
  void ShowOperations();
  void End();
  const app::ControlEntry* Entry(int id) const;

  Browser& browser_;
  chart::RecordingSurface drawing_{chart::RecordingSurface::Keep::kSinceLastCls};
  PageClock clock_;
  StoredStartFile start_file_;
  PageTimer timer_;
  // Ends the page, as a page cannot end its own process.
  app::HandlerRunner runner_;
  PageSaveFailure save_failure_;
  PageAlmanac almanac_;
  app::Form1 form_;
  std::vector<app::ControlEntry> controls_;
  bool show_operations_ = false;
  bool printing_ = false;  // while printing, the printed page's picture follows every drawing
  app::ObjectPointer pointer_;
  bool object_shown_ = false;  // the panel names the pointed object
};

}  // namespace web
