#include "platform/main_window.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/fonts.h"
#include "platform/painter_surface.h"
#include "platform/widget_sync.h"

namespace platform {
namespace {

std::size_t At(int i) {
  return static_cast<std::size_t>(i);
}

}  // namespace

void MainWindow::EndingProcess::End() {
  ended = true;
  ticker.Halt();
  inner.End();
}

MainWindow::MainWindow(app::Clock& clock, app::StartFileStore& start_file, app::Process& process,
                       QWidget* parent)
    : QWidget(parent),
      timer_(this, [this] { Tick(); }),
      ending_(process, timer_),
      form_(app::Services{drawing_, clock, start_file, ending_, timer_}) {
  setFont(WindowDefaultFont());
  setAutoFillBackground(false);
  resize(kClientWidthPx, kClientHeightPx);
  BuildWidgets();
  form_.Form_Load();
  ConnectEdits();
  SetTabOrder();
  SyncFromModel();
}

std::array<app::Label*, 10> MainWindow::ModelLabels() {
  return {&form_.Label1, &form_.Label2, &form_.Label3, &form_.Label4, &form_.Label5,
          &form_.Label6, &form_.Label7, &form_.Label8, &form_.Label9, &form_.Label10};
}

QLineEdit* MainWindow::NewTextBox(std::size_t border) {
  QFrame* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(kTextBoxBorderPx);
  borders_[border] = panel;
  QLineEdit* edit = new QLineEdit(this);
  edit->setFrame(false);
  return edit;
}

void MainWindow::BuildWidgets() {
  city_ = new QListWidget(this);
  for (std::size_t i = 0; i < ymd_.size(); ++i) ymd_[i] = NewTextBox(i);
  ido_ = NewTextBox(5);
  keido_ = NewTextBox(6);
  intv1_ = new QListWidget(this);
  intv2_ = new QListWidget(this);
  for (QLabel*& label : labels_) label = new QLabel(this);
  directions_ = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    dir_[At(i)] = new QRadioButton(this);
    directions_->addButton(dir_[At(i)], i);
    op_[At(i)] = new QCheckBox(this);
  }
  cmd1_ = new QPushButton(this);
  cmd2_ = new QPushButton(this);
  cmd3_ = new QPushButton(this);
  for (int i = 0; i < app::kReadoutLabels; ++i) {
    for (auto* column : {&st_, &h_, &v_}) {
      QLabel* label = new QLabel(this);
      label->setAttribute(Qt::WA_TransparentForMouseEvents);
      (*column)[At(i)] = label;
    }
  }
  // Labels lie beneath every other control, where a caption's box overlaps
  // the text box beside it ("年" reaches under the month box).
  for (QLabel* label : labels_) label->lower();
  for (QListWidget* list : {city_, intv1_, intv2_}) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
  }
}

void MainWindow::ConnectEdits() {
  const auto edit = [](QLineEdit* widget, app::TextBox* box) {
    QObject::connect(widget, &QLineEdit::textEdited, widget,
                     [box](const QString& text) { box->Text = text.toStdString(); });
  };
  for (int i = 0; i < 5; ++i) edit(ymd_[At(i)], &form_.txtYMD[At(i)]);
  edit(ido_, &form_.txtIDO);
  edit(keido_, &form_.txtKEIDO);

  const auto select = [](QListWidget* widget, app::ListBox* box) {
    QObject::connect(widget, &QListWidget::currentRowChanged, widget,
                     [box](int row) { box->ListIndex = row; });
  };
  select(city_, &form_.lstCITY);
  select(intv1_, &form_.lstINTV1);
  select(intv2_, &form_.lstINTV2);

  for (int i = 0; i < 4; ++i) {
    app::OptionButton* option = &form_.optDIR[At(i)];
    QObject::connect(dir_[At(i)], &QRadioButton::toggled, this,
                     [option](bool on) { option->Value = on; });
    app::CheckBox* check = &form_.chkOP[At(i)];
    QObject::connect(op_[At(i)], &QCheckBox::toggled, this,
                     [check](bool on) { check->Value = on ? 1 : 0; });
  }
  QObject::connect(cmd1_, &QPushButton::clicked, this, [this] { ClickExit(); });
  QObject::connect(cmd2_, &QPushButton::clicked, this, [this] { ClickReadout(); });
  QObject::connect(cmd3_, &QPushButton::clicked, this, [this] { ClickPlanetarium(); });
}

void MainWindow::SetTabOrder() {
  std::vector<std::pair<int, QWidget*>> order;
  const auto add = [&order](const app::Control& control, QWidget* widget) {
    if (control.TabIndex < 0) {
      widget->setFocusPolicy(Qt::NoFocus);
    } else {
      order.emplace_back(control.TabIndex, widget);
    }
  };
  add(form_.lstCITY, city_);
  for (int i = 0; i < 5; ++i) add(form_.txtYMD[At(i)], ymd_[At(i)]);
  add(form_.txtIDO, ido_);
  add(form_.txtKEIDO, keido_);
  add(form_.lstINTV1, intv1_);
  add(form_.lstINTV2, intv2_);
  for (int i = 0; i < 4; ++i) {
    add(form_.optDIR[At(i)], dir_[At(i)]);
    add(form_.chkOP[At(i)], op_[At(i)]);
  }
  add(form_.Command1, cmd1_);
  add(form_.Command2, cmd2_);
  add(form_.Command3, cmd3_);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  }
}

void MainWindow::SyncFromModel() {
  setWindowTitle(QString::fromStdString(form_.Caption));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(form_.BackColor));
  if (palette != this->palette()) setPalette(palette);

  PlaceWidget(*city_, form_.lstCITY);
  SyncList(*city_, form_.lstCITY);
  for (std::size_t i = 0; i < ymd_.size(); ++i) {
    PlaceTextBox(*borders_[i], *ymd_[i], form_.txtYMD[i]);
    SyncLineEdit(*ymd_[i], form_.txtYMD[i]);
  }
  PlaceTextBox(*borders_[5], *ido_, form_.txtIDO);
  SyncLineEdit(*ido_, form_.txtIDO);
  PlaceTextBox(*borders_[6], *keido_, form_.txtKEIDO);
  SyncLineEdit(*keido_, form_.txtKEIDO);
  PlaceWidget(*intv1_, form_.lstINTV1);
  SyncList(*intv1_, form_.lstINTV1);
  PlaceWidget(*intv2_, form_.lstINTV2);
  SyncList(*intv2_, form_.lstINTV2);
  const std::array<app::Label*, 10> labels = ModelLabels();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    PlaceWidget(*labels_[i], *labels[i]);
    SyncLabel(*labels_[i], *labels[i], true);
  }
  // An exclusive group cannot show "none selected": the group is opened while
  // the four states are copied.
  directions_->setExclusive(false);
  for (int i = 0; i < 4; ++i) {
    PlaceWidget(*dir_[At(i)], form_.optDIR[At(i)]);
    SyncOption(*dir_[At(i)], form_.optDIR[At(i)]);
    PlaceWidget(*op_[At(i)], form_.chkOP[At(i)]);
    SyncCheck(*op_[At(i)], form_.chkOP[At(i)]);
  }
  directions_->setExclusive(true);
  for (auto [button, model] : {std::pair{cmd1_, &form_.Command1}, std::pair{cmd2_, &form_.Command2},
                               std::pair{cmd3_, &form_.Command3}}) {
    SyncButton(*button, *model);
  }
  for (int i = 0; i < app::kReadoutLabels; ++i) {
    const std::size_t k = At(i);
    PlaceWidget(*st_[k], form_.lblST[k]);
    SyncLabel(*st_[k], form_.lblST[k], false);
    PlaceWidget(*h_[k], form_.lblH[k]);
    SyncLabel(*h_[k], form_.lblH[k], false);
    PlaceWidget(*v_[k], form_.lblV[k]);
    SyncLabel(*v_[k], form_.lblV[k], false);
  }
  update();
}

void MainWindow::Run(void (app::Form1::*handler)()) {
  if (ending_.ended) return;
  (form_.*handler)();
  if (ending_.ended) return;
  SyncFromModel();
}

void MainWindow::ClickExit() {
  Run(&app::Form1::Command1_Click);
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

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  PainterSurface surface(painter);
  surface.BackColor = form_.BackColor;
  drawing_.Replay(surface);
}

}  // namespace platform
