#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QShortcut>
#include <QWidget>
#include <vector>

#include "app/form.h"
#include "app/handler_runner.h"
#include "chart/palette.h"
#include "chart/recording_surface.h"
#include "platform/window/almanac_dialog.h"
#include "platform/window/chart_view.h"
#include "platform/window/control_widgets.h"
#include "platform/window/focus_mark.h"
#include "platform/window/form_scale.h"
#include "platform/window/save_failure_box.h"
#include "platform/window/tick_timer.h"

namespace platform {

// The planetarium's one window: Form1's controls as Qt widgets at their twips
// positions, its chart painted from the recorded picture, its timer on a
// QTimer. Edits in the widgets go straight into the model; after every
// handler (load, buttons, tick) the widgets are brought up to date with the model.
class MainWindow final : public QWidget {
 public:
  // Given: the clock, the start file and the process ending the program; they
  // must outlive the window. Notes: runs Form_Load before the window is shown.
  MainWindow(app::Clock& clock, app::StartFileStore& start_file, app::Process& process,
             QWidget* parent = nullptr);
  // Notes: the controls, destroyed after the window's own members, may still
  // signal as they go (a box losing the focus ends its edit); the window
  // hears none of it.
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  app::Form1& Form() { return form_; }
  TickTimer& Timer() { return timer_; }

  // The events of the window: each runs the model's handler, then shows the model.
  void ClickReadout();
  void ClickPlanetarium();
  void Tick();

  // Shows the window in a palette, for a picture of it: in the print
  // palette the sky behind the chart and behind every control that takes it
  // turns white, and the chart takes the print palette's colours. The model's
  // colours change with it, until the scheme is next set.
  void ShowInPalette(chart::Palette palette);

  // Copies every control of the model into its widget (texts, captions,
  // selections, colours) and repaints.
  void SyncFromModel();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Run(void (app::Form1::*handler)());
  // A zoom or pan step on the chart (app::HandlerRunner::Zoom), then the
  // model shown as after a tick.
  void Zoom(const ChartView::ZoomChange& step);
  // Save, print, copy, zoom and full screen, with their keys and in the
  // chart's menu; Escape leaves full screen.
  void AddChartActions();
  void BuildWidgets();
  void MakeReadoutOnceShown();
  void ConnectEdits();
  void SetTabOrder();

  chart::RecordingSurface drawing_{chart::RecordingSurface::Keep::kSinceLastCls};
  chart::Palette chart_palette_ = chart::Palette::kScreen;
  TickTimer timer_;
  // Ends the program through the real process once the window's own ticks
  // have stopped; a tick that comes while a handler waits for the user (the
  // exit's message box) is dropped.
  app::HandlerRunner runner_;
  SaveFailureBox save_failure_{*this};
  AlmanacDialog almanac_{*this};
  app::Form1 form_;
  ChartView* chart_ = nullptr;              // owned by the window, beneath every control
  FocusMark* focus_mark_ = nullptr;         // owned by the window, above every control
  bool announce_chart_ = false;             // the next sync tells screen readers of the chart
  FormScale scale_;                         // where the form stands in the window
  QAction* save_ = nullptr;                 // Ctrl+S, while a chart is shown
  QAction* print_ = nullptr;                // Ctrl+P, while a chart is shown
  QAction* copy_ = nullptr;                 // Ctrl+C, while a chart is shown
  QAction* zoom_in_ = nullptr;              // Ctrl++, while a chart is shown, up to the largest
  QAction* zoom_out_ = nullptr;             // Ctrl+-, while a magnified chart is shown
  QAction* whole_view_ = nullptr;           // Ctrl+0, while a magnified chart is shown
  QAction* full_screen_ = nullptr;          // F11
  QShortcut* leave_full_screen_ = nullptr;  // Escape, enabled in full screen only

  std::vector<ControlWidget> controls_;  // every control of the form, in table order
  bool readout_made_ = false;            // the readout cells' widgets exist
  QButtonGroup* directions_ = nullptr;   // the four direction options
};

}  // namespace platform
