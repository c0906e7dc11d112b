#include "platform/window/widget_sync.h"

#include <QPalette>
#include <QSignalBlocker>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

#include "app/screen_units.h"
#include "platform/qt/fonts.h"
#include "platform/qt/painter_surface.h"
#include "platform/window/font_fit.h"

namespace platform {
namespace {

QString ToQString(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// The size a list had when its selection was last scrolled into sight.
constexpr const char* kSyncedSizeProperty = "planetariumSyncedSize";

// A line edit without a frame keeps 2 pixels either side, and the cursor one more.
constexpr int kLineEditInsidePx = 5;

// The width [pixels] an option or check box needs to show its indicator and
// its whole caption: the caption's advance and one column more, which small
// glyphs ink to the end of their advance.
int CaptionRoom(const QAbstractButton& box) {
  QStyleOptionButton option;
  option.initFrom(&box);
  option.text = box.text();
  const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(&box) != nullptr
                                          ? QStyle::SE_RadioButtonContents
                                          : QStyle::SE_CheckBoxContents;
  return box.style()->subElementRect(contents, &option, &box).left() +
         box.fontMetrics().horizontalAdvance(box.text()) + 1;
}

}  // namespace

void PlaceWidget(QWidget& widget, const app::Control& control, const FormScale& scale) {
  widget.setGeometry(scale.Map(control.bounds));
  widget.setFont(ControlFont(control.font, scale.Scale()));
}

void PlaceCaptionedBox(QAbstractButton& box, const app::Control& control, const FormScale& scale) {
  const QFont font = ControlFont(control.font, scale.Scale());
  if (box.font() != font) box.setFont(font);
  QRect place = scale.Map(control.bounds);
  if (scale.Scale() != 1) place.setWidth(std::max(place.width(), CaptionRoom(box)));
  box.setGeometry(place);
}

void PaintWidget(QWidget& widget, const app::Control& control, bool opaque) {
  QPalette palette = widget.palette();
  const QColor back = ToQColor(control.BackColor);
  const QColor fore = ToQColor(control.ForeColor);
  const bool text_field = qobject_cast<QLineEdit*>(&widget) != nullptr ||
                          qobject_cast<QListWidget*>(&widget) != nullptr;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Window, back);
    palette.setColor(group, QPalette::Button, back);  // check and option boxes fill with it
    // Check and option boxes keep the toolkit's white indicator boxes.
    if (text_field) palette.setColor(group, QPalette::Base, back);
    palette.setColor(group, QPalette::WindowText, fore);
    palette.setColor(group, QPalette::Text, fore);
    palette.setColor(group, QPalette::ButtonText, fore);
  }
  if (palette != widget.palette()) widget.setPalette(palette);
  widget.setAutoFillBackground(opaque);
}

void PlaceTextBox(QFrame& border, QLineEdit& edit, const app::TextBox& box,
                  const FormScale& scale) {
  const QRect outer = scale.Map(box.bounds);
  border.setGeometry(outer);
  edit.setGeometry(
      outer.adjusted(kTextBoxBorderPx, kTextBoxBorderPx, -kTextBoxBorderPx, -kTextBoxBorderPx));
}

void SyncLineEdit(QLineEdit& edit, const app::TextBox& box, const FormScale& scale) {
  const QSignalBlocker blocker(&edit);
  const QString text = ToQString(box.Text);
  if (edit.text() != text) edit.setText(text);
  const QFont font =
      FitFont(ControlFont(box.font, scale.Scale()), text,
              edit.width() - scale.Pixels(kLineEditInsidePx), scale.Pixels(kSmallestFontPx));
  if (edit.font() != font) edit.setFont(font);
  PaintWidget(edit, box, true);
}

void SyncList(QListWidget& list, const app::ListBox& box) {
  const QSignalBlocker blocker(&list);
  bool same = list.count() == static_cast<int>(box.items.size());
  for (int i = 0; same && i < list.count(); ++i) {
    same = list.item(i)->text() == ToQString(box.items[static_cast<std::size_t>(i)]);
  }
  if (!same) {
    list.clear();
    for (const std::string& item : box.items) list.addItem(ToQString(item));
  }
  const int row = box.ListIndex >= 0 && box.ListIndex < list.count() ? box.ListIndex : -1;
  // Scrolled to a new selection, and to the selection when the list took a
  // new size, only: a tick leaves the user's scrolling alone.
  const bool resized = list.property(kSyncedSizeProperty).toSize() != list.size();
  if (list.currentRow() != row || resized) {
    list.setCurrentRow(row);
    if (row >= 0) list.scrollToItem(list.item(row));
    list.setProperty(kSyncedSizeProperty, list.size());
  }
  if (row < 0) list.clearSelection();
  PaintWidget(list, box, true);
}

void SyncLabel(QLabel& label, const app::Label& model, bool opaque) {
  const QString text = ToQString(model.Caption);
  if (label.text() != text) {
    label.setText(text);
    // A label named for what it shows (a readout cell) tells its text as description.
    if (!label.accessibleName().isEmpty()) label.setAccessibleDescription(text);
  }
  PaintWidget(label, model, opaque);
}

void SyncOption(QRadioButton& button, const app::OptionButton& model) {
  const QSignalBlocker blocker(&button);
  const QString text = ToQString(model.Caption);
  if (button.text() != text) button.setText(text);
  if (button.isChecked() != model.Value) button.setChecked(model.Value);
  PaintWidget(button, model, true);
}

void SyncCheck(QCheckBox& box, const app::CheckBox& model) {
  const QSignalBlocker blocker(&box);
  const QString text = ToQString(model.Caption);
  if (box.text() != text) box.setText(text);
  const bool ticked = model.Value == 1;
  if (box.isChecked() != ticked) box.setChecked(ticked);
  PaintWidget(box, model, true);
}

void SyncButton(WrappingButton& button, const app::CommandButton& model, const FormScale& scale) {
  button.setGeometry(scale.Map(model.bounds));
  const QString text = ToQString(model.Caption);
  if (button.text() != text) button.setText(text);
  const QFont font = ControlFont(model.font, scale.Scale());
  if (button.font() != font) button.setFont(font);
  button.SetSmallestCaptionPx(scale.Pixels(kSmallestCaptionPx));
}

}  // namespace platform
