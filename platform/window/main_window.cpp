#include "platform/window/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShortcut>
#include <algorithm>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/zoom_steps.h"
#include "platform/qt/fonts.h"
#include "platform/qt/painter_surface.h"
#include "platform/window/chart_output.h"
#include "platform/window/scaled_style.h"

namespace platform {

MainWindow::MainWindow(app::Clock& clock, app::StartFileStore& start_file, app::Process& process,
                       QWidget* parent)
    : QWidget(parent),
      timer_(this, [this] { Tick(); }),
      runner_([this, &process] {
        timer_.Halt();
        process.End();
      }),
      form_(app::Services{drawing_, clock, start_file, runner_, timer_, save_failure_, almanac_}) {
  setFont(WindowDefaultFont());
  setAutoFillBackground(true);  // the margins around a scaled form show the sky
  resize(kFormSizePx);
  // Below half its size the form's words are too small to read.
  setMinimumSize(kFormSizePx / 2);
  BuildWidgets();
  // Made after the controls, so that the first control, not the chart, has
  // the focus when the window opens; painted beneath every control.
  chart_ = new ChartView(drawing_, form_, *this,
                         [this](const ChartView::ZoomChange& step) { Zoom(step); });
  focus_mark_ = new FocusMark(*this);
  form_.Form_Load();
  ConnectEdits();
  SetTabOrder();
  AddChartActions();
  SyncFromModel();
}

MainWindow::~MainWindow() {
  for (QObject* child : findChildren<QObject*>())
    QObject::disconnect(child, nullptr, this, nullptr);
}

// The chart's actions, with their keys anywhere in the window and in the
// chart's own menu (the right button, or the menu key while it has the focus).
void MainWindow::AddChartActions() {
  const auto add = [this](const QString& text, const QKeySequence& keys, auto on_trigger) {
    auto* action = new QAction(text, this);
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, this, on_trigger);
    addAction(action);
    chart_->addAction(action);
    return action;
  };
  save_ = add(QStringLiteral("星図を保存..."), QKeySequence::Save,
              [this] { SaveChart(*this, drawing_, form_.BackColor, *form_.ChartOnWindow); });
  print_ = add(QStringLiteral("印刷..."), QKeySequence::Print,
               [this] { PrintChart(*this, drawing_, form_.BackColor, *form_.ChartOnWindow); });
  copy_ = add(QStringLiteral("コピー"), QKeySequence::Copy,
              [this] { CopyChart(*this, drawing_, form_.BackColor); });
  const auto separate = [this] {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    chart_->addAction(separator);
  };
  separate();
  const auto zoom_key = [this](app::ZoomKey key) {
    return [this, key] { Zoom([key](chart::ChartZoom& zoom) { app::ZoomByKey(zoom, key); }); };
  };
  zoom_in_ = add(QStringLiteral("拡大"), QKeySequence::ZoomIn, zoom_key(app::ZoomKey::kIn));
  // Ctrl+= too: the same key as + without Shift on many keyboards.
  zoom_in_->setShortcuts(
      {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoom_out_ = add(QStringLiteral("縮小"), QKeySequence::ZoomOut, zoom_key(app::ZoomKey::kOut));
  whole_view_ = add(QStringLiteral("全体を表示"), QKeySequence(Qt::CTRL | Qt::Key_0),
                    zoom_key(app::ZoomKey::kWhole));
  separate();
  full_screen_ = add(QStringLiteral("全画面表示"), QKeySequence(Qt::Key_F11), [this] {
    if (isFullScreen()) {
      showNormal();
    } else {
      showFullScreen();
    }
  });
  full_screen_->setCheckable(true);
  chart_->setContextMenuPolicy(Qt::ActionsContextMenu);
  leave_full_screen_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  leave_full_screen_->setEnabled(false);
  QObject::connect(leave_full_screen_, &QShortcut::activated, this, [this] { showNormal(); });
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    leave_full_screen_->setEnabled(isFullScreen());
    full_screen_->setChecked(isFullScreen());
  }
  QWidget::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  scale_ = FormScale::Fitting(event->size());
  setProperty(kFormScaleProperty, scale_.Scale());
  SyncFromModel();
  QWidget::resizeEvent(event);
}

// The readout cells stay empty until the numeric button is first pressed, so
// their widgets are made then (MakeReadoutOnceShown) rather than here: 81
// labels the first paint would only lay out and paint empty.
void MainWindow::BuildWidgets() {
  directions_ = new QButtonGroup(this);
  for (const app::ControlEntry& entry : app::FormControls(form_)) {
    if (entry.layer == app::ControlLayer::kReadout) {
      controls_.push_back(ControlWidget{entry});
      continue;
    }
    controls_.push_back(CreateControlWidget(entry, *this));
    if (std::holds_alternative<app::OptionButton*>(entry.control)) {
      directions_->addButton(static_cast<QRadioButton*>(controls_.back().widget));
    }
  }
}

void MainWindow::MakeReadoutOnceShown() {
  if (readout_made_ || !form_.ReadoutShown) return;
  for (ControlWidget& control : controls_) {
    if (control.widget != nullptr) continue;
    control.widget = CreateControlWidget(control.entry, *this).widget;
    control.widget->show();  // a child made after its window was shown stays hidden otherwise
  }
  readout_made_ = true;
}

// Readout cells (labels, made later) take no input: nothing to connect. While
// the user types in a box the animation waits (app::HandlerRunner::Typing);
// Enter or leaving the box finishes the edit.
void MainWindow::ConnectEdits() {
  for (const ControlWidget& control : controls_) {
    if (control.widget == nullptr) continue;
    ConnectToModel(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control.widget)) {
      QObject::connect(edit, &QLineEdit::textEdited, this, [this] { runner_.Typing(); });
      QObject::connect(edit, &QLineEdit::editingFinished, this,
                       [this] { runner_.TypingFinished(); });
    }
    if (const auto click = control.entry.click) {
      QObject::connect(static_cast<QPushButton*>(control.widget), &QPushButton::clicked, this,
                       [this, click] { Run(click); });
    }
  }
}

// Controls with a tab position take focus in its order; the others take none.
void MainWindow::SetTabOrder() {
  std::vector<std::pair<int, QWidget*>> order;
  for (const ControlWidget& control : controls_) {
    if (control.widget == nullptr) continue;  // a readout cell, a label: never focused
    const int tab_index = app::Base(control.entry).TabIndex;
    if (tab_index < 0) {
      control.widget->setFocusPolicy(Qt::NoFocus);
    } else {
      order.emplace_back(tab_index, control.widget);
    }
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // The chart last: its words for a screen reader, its menu for the keyboard.
  chart_->setFocusPolicy(Qt::StrongFocus);
  order.emplace_back(order.size(), chart_);
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  }
}

void MainWindow::SyncFromModel() {
  setWindowTitle(QString::fromStdString(form_.Caption));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(form_.BackColor));
  if (palette != this->palette()) setPalette(palette);

  MakeReadoutOnceShown();
  // An exclusive group cannot show "none selected": the group is opened while
  // the four states are copied.
  directions_->setExclusive(false);
  for (const ControlWidget& control : controls_) {
    if (control.widget != nullptr) SyncControlWidget(control, scale_);
  }
  directions_->setExclusive(true);
  chart_->setGeometry(scale_.FormRect());
  chart_->Show(form_.BackColor, chart_palette_, scale_.Scale(), form_.ChartDescription,
               announce_chart_);
  const bool chart_shown = form_.ChartOnWindow.has_value();
  for (QAction* action : {save_, print_, copy_}) action->setEnabled(chart_shown);
  const bool magnified = chart_shown && form_.chartZoom.Magnified();
  zoom_in_->setEnabled(chart_shown && form_.chartZoom.Factor() < chart::kLargestZoom);
  zoom_out_->setEnabled(magnified);
  whole_view_->setEnabled(magnified);
  focus_mark_->Follow(scale_.Scale());
}

void MainWindow::Run(void (app::Form1::*handler)()) {
  if (!runner_.Run(form_, handler)) return;
  // A chart a button drew is news for a screen reader; one of the animation's
  // ticks is not.
  announce_chart_ = handler != &app::Form1::Timer1_Timer;
  SyncFromModel();
  announce_chart_ = false;
}

void MainWindow::Zoom(const ChartView::ZoomChange& step) {
  if (runner_.Zoom(form_, step)) SyncFromModel();
}

void MainWindow::ClickReadout() {
  Run(&app::Form1::Command2_Click);
}
void MainWindow::ClickPlanetarium() {
  Run(&app::Form1::Command3_Click);
}
void MainWindow::Tick() {
  Run(&app::Form1::Timer1_Timer);
}

void MainWindow::ShowInPalette(chart::Palette palette) {
  form_.BackColor = chart::MapColour(palette, chart::ColourUse::kSky, form_.BackColor);
  for (const ControlWidget& control : controls_) {
    app::Control& model = app::Base(control.entry);
    if (control.entry.schemeColoured) {
      model.BackColor = chart::MapColour(palette, chart::ColourUse::kSky, model.BackColor);
    }
  }
  chart_palette_ = palette;
  SyncFromModel();
}

}  // namespace platform
