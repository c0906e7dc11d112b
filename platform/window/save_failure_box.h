#pragma once

#include <QWidget>

#include "app/services.h"

namespace platform {

// Asks the user, in a message box over the window, what to do when the start
// file could not be written: try again, quit without saving, or go back.
class SaveFailureBox final : public app::SaveFailureDialog {
 public:
  // Given: the window the box belongs to; it must outlive the box.
  explicit SaveFailureBox(QWidget& window) : window_(window) {}

  // Returned: the user's choice; Escape and the window's close button go back.
  app::AfterFailedSave Ask(std::string_view location, std::string_view reason) override;

 private:
  QWidget& window_;
};

}  // namespace platform
