#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstddef>
#include <vector>

#include "app/form.h"
#include "app/handler_runner.h"
#include "chart/recording_surface.h"
#include "platform/qt/painter_surface.h"
#include "platform/qt/palette.h"
#include "platform/window/control_widgets.h"
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

  app::Form1& Form() { return form_; }
  TickTimer& Timer() { return timer_; }

  // The events of the window: each runs the model's handler, then shows the model.
  void ClickExit();
  void ClickReadout();
  void ClickPlanetarium();
  void Tick();

  // Shows the window in a palette, for a picture of it: in the print
  // palette the sky behind the chart and behind every control that takes it
  // turns white, and the chart takes the print palette's colours. The model's
  // colours change with it, until the scheme is next set.
  void ShowInPalette(Palette palette);

  // Copies every control of the model into its widget (texts, captions,
  // selections, colours) and repaints.
  void SyncFromModel();

  // The widget showing a model control of the form (for a text box its line
  // edit; for a readout cell only once HasReadout()); below, each one by its
  // role, for tests and the command line.
  QWidget& WidgetFor(const app::Control& model);
  QListWidget& SiteList() { return WidgetOf<QListWidget>(form_.lstCITY); }
  QLineEdit& DateBox(int i) { return WidgetOf<QLineEdit>(form_.txtYMD[At(i)]); }
  QLineEdit& LatitudeBox() { return WidgetOf<QLineEdit>(form_.txtIDO); }
  QLineEdit& LongitudeBox() { return WidgetOf<QLineEdit>(form_.txtKEIDO); }
  QListWidget& StepList() { return WidgetOf<QListWidget>(form_.lstINTV1); }
  QListWidget& IntervalList() { return WidgetOf<QListWidget>(form_.lstINTV2); }
  QRadioButton& DirectionOption(int i) { return WidgetOf<QRadioButton>(form_.optDIR[At(i)]); }
  QCheckBox& ChartOption(int i) { return WidgetOf<QCheckBox>(form_.chkOP[At(i)]); }
  QPushButton& ExitButton() { return WidgetOf<QPushButton>(form_.Command1); }
  QPushButton& ReadoutButton() { return WidgetOf<QPushButton>(form_.Command2); }
  QPushButton& PlanetariumButton() { return WidgetOf<QPushButton>(form_.Command3); }
  QLabel& CaptionLabel(int number);  // Label1..Label10
  // The readout cells exist from the first time the readout shows anything.
  bool HasReadout() const { return readout_made_; }
  QLabel& ReadoutName(int i) { return WidgetOf<QLabel>(form_.lblST[At(i)]); }
  QLabel& ReadoutAltitude(int i) { return WidgetOf<QLabel>(form_.lblH[At(i)]); }
  QLabel& ReadoutAzimuth(int i) { return WidgetOf<QLabel>(form_.lblV[At(i)]); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static std::size_t At(int i) { return static_cast<std::size_t>(i); }
  template <class W>
  W& WidgetOf(const app::Control& model) {
    return static_cast<W&>(WidgetFor(model));
  }

  void Run(void (app::Form1::*handler)());
  void BuildWidgets();
  void MakeReadoutOnceShown();
  void ConnectEdits();
  void SetTabOrder();

  chart::RecordingSurface drawing_{chart::RecordingSurface::Keep::kSinceLastCls};
  Palette chart_palette_ = Palette::kScreen;
  TickTimer timer_;
  // Ends the program through the real process once the window's own ticks
  // have stopped; a tick that comes while a handler waits for the user (the
  // exit's message box) is dropped.
  app::HandlerRunner runner_;
  SaveFailureBox save_failure_{*this};
  app::Form1 form_;

  std::vector<ControlWidget> controls_;  // every control of the form, in table order
  bool readout_made_ = false;            // the readout cells' widgets exist
  QButtonGroup* directions_ = nullptr;   // the four direction options
};

}  // namespace platform
