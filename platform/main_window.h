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
#include <array>

#include "app/form.h"
#include "chart/recording_surface.h"
#include "platform/painter_surface.h"
#include "platform/tick_timer.h"

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
  bool Ended() const { return ending_.ended; }

  // The events of the window: each runs the model's handler, then shows the model.
  void ClickExit();
  void ClickReadout();
  void ClickPlanetarium();
  void Tick();

  // Copies every control of the model into its widget (texts, captions,
  // selections, colours) and repaints.
  void SyncFromModel();

  // The widgets, for tests and the command line.
  QListWidget& SiteList() { return *city_; }
  QLineEdit& DateBox(int i) { return *ymd_[static_cast<std::size_t>(i)]; }
  QLineEdit& LatitudeBox() { return *ido_; }
  QLineEdit& LongitudeBox() { return *keido_; }
  QListWidget& StepList() { return *intv1_; }
  QListWidget& IntervalList() { return *intv2_; }
  QRadioButton& DirectionOption(int i) { return *dir_[static_cast<std::size_t>(i)]; }
  QCheckBox& ChartOption(int i) { return *op_[static_cast<std::size_t>(i)]; }
  QPushButton& ExitButton() { return *cmd1_; }
  QPushButton& ReadoutButton() { return *cmd2_; }
  QPushButton& PlanetariumButton() { return *cmd3_; }
  QLabel& CaptionLabel(int number) { return *labels_[static_cast<std::size_t>(number - 1)]; }
  QLabel& ReadoutName(int i) { return *st_[static_cast<std::size_t>(i)]; }
  QLabel& ReadoutAltitude(int i) { return *h_[static_cast<std::size_t>(i)]; }
  QLabel& ReadoutAzimuth(int i) { return *v_[static_cast<std::size_t>(i)]; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Forwards End to the real process after stopping the window's own events.
  struct EndingProcess final : app::Process {
    EndingProcess(app::Process& process, TickTimer& timer) : inner(process), ticker(timer) {}
    void End() override;
    app::Process& inner;
    TickTimer& ticker;
    bool ended = false;
  };

  void Run(void (app::Form1::*handler)());
  void BuildWidgets();
  void ConnectEdits();
  void SetTabOrder();
  QLineEdit* NewTextBox(std::size_t border);
  std::array<app::Label*, 10> ModelLabels();

  chart::RecordingSurface drawing_{chart::RecordingSurface::Keep::kSinceLastCls};
  TickTimer timer_;
  EndingProcess ending_;
  app::Form1 form_;

  QListWidget* city_ = nullptr;
  std::array<QLineEdit*, 5> ymd_{};
  QLineEdit* ido_ = nullptr;
  QLineEdit* keido_ = nullptr;
  std::array<QFrame*, 7> borders_{};  // sunken borders of the seven text boxes
  QListWidget* intv1_ = nullptr;
  QListWidget* intv2_ = nullptr;
  std::array<QLabel*, 10> labels_{};  // Label1..Label10
  QButtonGroup* directions_ = nullptr;
  std::array<QRadioButton*, 4> dir_{};
  std::array<QCheckBox*, 4> op_{};
  QPushButton* cmd1_ = nullptr;
  QPushButton* cmd2_ = nullptr;
  QPushButton* cmd3_ = nullptr;
  std::array<QLabel*, app::kReadoutLabels> st_{}, h_{}, v_{};
};

}  // namespace platform
