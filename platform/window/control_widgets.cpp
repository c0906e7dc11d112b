#include "platform/window/control_widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <variant>

#include "platform/window/widget_sync.h"
#include "platform/window/wrapping_button.h"

namespace platform {
namespace {

// Calls the one of a set of lambdas that takes the alternative held.
template <class... Lambdas>
struct Overloaded : Lambdas... {
  using Lambdas::operator()...;
};
template <class... Lambdas>
Overloaded(Lambdas...) -> Overloaded<Lambdas...>;

QListWidget* NewList(QWidget& window) {
  auto* list = new QListWidget(&window);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setTextElideMode(Qt::ElideNone);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  return list;
}

QLabel* NewLabel(QWidget& window, app::ControlLayer layer) {
  auto* label = new QLabel(&window);
  // A caption's box may reach under the text box beside it ("年" under the month box).
  if (layer == app::ControlLayer::kCaption) label->lower();
  if (layer == app::ControlLayer::kReadout) label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

ControlWidget CreateControlWidget(const app::ControlEntry& entry, QWidget& window) {
  ControlWidget made{entry};
  std::visit(Overloaded{
                 [&](app::ListBox*) { made.widget = NewList(window); },
                 [&](app::TextBox*) {
                   made.border = new QFrame(&window);
                   made.border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                   made.border->setLineWidth(kTextBoxBorderPx);
                   auto* edit = new QLineEdit(&window);
                   edit->setFrame(false);
                   made.widget = edit;
                 },
                 [&](app::Label*) { made.widget = NewLabel(window, entry.layer); },
                 [&](app::OptionButton*) { made.widget = new QRadioButton(&window); },
                 [&](app::CheckBox*) { made.widget = new QCheckBox(&window); },
                 [&](app::CommandButton*) { made.widget = new WrappingButton(&window); },
             },
             entry.control);
  // The model's name for the control ("txtYMD(0)") names the widget too.
  made.widget->setObjectName(QString::fromStdString(entry.name));
  // A caption label's own caption names it; an empty name would only cost memory.
  if (!entry.accessibleName.empty()) {
    made.widget->setAccessibleName(QString::fromStdString(entry.accessibleName));
  }
  return made;
}

void ConnectToModel(const ControlWidget& control) {
  QWidget* widget = control.widget;
  std::visit(
      Overloaded{
          [widget](app::ListBox* box) {
            QObject::connect(static_cast<QListWidget*>(widget), &QListWidget::currentRowChanged,
                             widget, [box](int row) { box->ListIndex = row; });
          },
          [widget](app::TextBox* box) {
            QObject::connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, widget,
                             [box](const QString& text) { box->Text = text.toStdString(); });
          },
          [](app::Label*) {},
          [widget](app::OptionButton* option) {
            QObject::connect(static_cast<QRadioButton*>(widget), &QRadioButton::toggled, widget,
                             [option](bool on) { option->Value = on; });
          },
          [widget](app::CheckBox* check) {
            QObject::connect(static_cast<QCheckBox*>(widget), &QCheckBox::toggled, widget,
                             [check](bool on) { check->Value = on ? 1 : 0; });
          },
          [](app::CommandButton*) {},
      },
      control.entry.control);
}

void SyncControlWidget(const ControlWidget& control, const FormScale& scale) {
  QWidget& widget = *control.widget;
  std::visit(Overloaded{
                 [&](const app::ListBox* box) {
                   PlaceWidget(widget, *box, scale);
                   SyncList(static_cast<QListWidget&>(widget), *box);
                 },
                 [&](const app::TextBox* box) {
                   auto& edit = static_cast<QLineEdit&>(widget);
                   PlaceTextBox(*control.border, edit, *box, scale);
                   SyncLineEdit(edit, *box, scale);
                 },
                 [&](const app::Label* label) {
                   PlaceWidget(widget, *label, scale);
                   const bool opaque = control.entry.layer != app::ControlLayer::kReadout;
                   SyncLabel(static_cast<QLabel&>(widget), *label, opaque);
                   // A caption with nothing to say (the caution) takes no room.
                   if (control.entry.layer == app::ControlLayer::kCaption) {
                     widget.setVisible(!label->Caption.empty());
                   }
                 },
                 [&](const app::OptionButton* option) {
                   auto& button = static_cast<QRadioButton&>(widget);
                   SyncOption(button, *option);
                   PlaceCaptionedBox(button, *option, scale);
                 },
                 [&](const app::CheckBox* check) {
                   auto& box = static_cast<QCheckBox&>(widget);
                   SyncCheck(box, *check);
                   PlaceCaptionedBox(box, *check, scale);
                 },
                 [&](const app::CommandButton* button) {
                   SyncButton(static_cast<WrappingButton&>(widget), *button, scale);
                 },
             },
             control.entry.control);
}

}  // namespace platform
