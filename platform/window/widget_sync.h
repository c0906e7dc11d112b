#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "app/controls.h"
#include "platform/window/form_scale.h"
#include "platform/window/wrapping_button.h"

namespace platform {

// Showing the window model's controls on Qt widgets. Each function copies the
// model's state into the widget with the widget's signals blocked, so that a
// sync never writes back into the model.

// Given: a control's bounds [twips] and font, and where the form stands in the
// window. Notes: position and size become logical pixels, 15 twips each, at
// the form's scale; so does the type.
void PlaceWidget(QWidget& widget, const app::Control& control, const FormScale& scale);

// An option or check box placed as PlaceWidget places a control, its caption
// set. Scaled, it is widened where its caption needs it: a caption whose
// hinted glyphs just fit at the form's own size loses its right edge at
// larger sizes, where the glyphs grow with their advance.
void PlaceCaptionedBox(QAbstractButton& box, const app::Control& control, const FormScale& scale);

// Given: background and text colour; `opaque` false leaves the background
// transparent so that what lies beneath (the chart) shows through.
void PaintWidget(QWidget& widget, const app::Control& control, bool opaque);

inline constexpr int kTextBoxBorderPx = 1;  // sunken border drawn around a text box

// Given: a frameless line edit and the sunken panel that is its border.
// Notes: the panel takes the text box's bounds, the edit the inside of it.
void PlaceTextBox(QFrame& border, QLineEdit& edit, const app::TextBox& box, const FormScale& scale);

// The text, the colours and a font that shows the whole text where it can.
void SyncLineEdit(QLineEdit& edit, const app::TextBox& box, const FormScale& scale);
void SyncList(QListWidget& list, const app::ListBox& box);
void SyncLabel(QLabel& label, const app::Label& model, bool opaque);
void SyncOption(QRadioButton& button, const app::OptionButton& model);
void SyncCheck(QCheckBox& box, const app::CheckBox& model);
// Command buttons keep the toolkit's colours; position, caption and font come
// from the model (a WrappingButton wraps or shrinks the caption to fit).
void SyncButton(WrappingButton& button, const app::CommandButton& model, const FormScale& scale);

}  // namespace platform
