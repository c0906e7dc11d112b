#pragma once

#include "app/services.h"

namespace platform {

// Ends the window program: leaves the event loop with status 0.
class ApplicationProcess final : public app::Process {
 public:
  void End() override;
};

// The command line's process: the exit button is never pressed; an End is only noted.
class RecordingProcess final : public app::Process {
 public:
  void End() override { ended_ = true; }
  bool Ended() const { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace platform
