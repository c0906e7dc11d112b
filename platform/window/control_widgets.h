#pragma once

#include <QFrame>
#include <QWidget>

#include "app/control_table.h"
#include "platform/window/form_scale.h"

namespace platform {

// One control of the form's table and the Qt widget that shows it; a text box
// is a frameless line edit inside a sunken panel of its own.
struct ControlWidget {
  app::ControlEntry entry;
  QWidget* widget = nullptr;  // owned by the parent window
  QFrame* border = nullptr;   // text boxes only: the panel around the edit
};

// Given: an entry of the control table and the window. Returned: a new child
// widget of the entry's kind (list, text box, label, option, check box or
// button, whose caption wraps), set up for its layer: captions beneath every
// other control, readout cells letting the mouse through to the chart; named
// for assistive technology as the entry says. Not yet placed or filled.
ControlWidget CreateControlWidget(const app::ControlEntry& entry, QWidget& window);

// Notes: edits in the widget (text typed or set by assistive technology, row
// selected, option or box ticked) go straight into the model control. Buttons
// are left to the window.
void ConnectToModel(const ControlWidget& control);

// Copies the model control into its widget: bounds and font at the form's
// scale, text, selection and colours; readout cells stay transparent over the
// chart.
void SyncControlWidget(const ControlWidget& control, const FormScale& scale);

}  // namespace platform
