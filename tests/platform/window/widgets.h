#pragma once

// The window's widgets as a test finds them: by the name of the model control
// each shows ("txtYMD(0)", "Command3"), which is the widget's object name.

#include <gtest/gtest.h>

// The widget classes the window's controls are, for Find<QLineEdit> and the like.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <string>

namespace platform_test {

template <class W>
W& Find(QWidget& window, const std::string& name) {
  W* widget = window.findChild<W*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
  if (widget == nullptr) {
    ADD_FAILURE() << "no widget " << name;
    throw std::runtime_error("no widget " + name);
  }
  return *widget;
}

// True once the widget of a control exists (the readout cells are made when
// the readout first shows anything).
inline bool Exists(QWidget& window, const std::string& name) {
  return window.findChild<QWidget*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly) !=
         nullptr;
}

inline std::string Indexed(const char* array, int i) {
  return std::string(array) + "(" + std::to_string(i) + ")";
}

}  // namespace platform_test
