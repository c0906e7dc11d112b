#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/services.h"
#include "web/browser.h"

namespace web {

// The window's services in a browser.

// The browser's clock, in Japan Standard Time.
class PageClock final : public app::Clock {
 public:
  explicit PageClock(Browser& browser) : browser_(browser) {}
  app::JapanDateTime Now() const override { return browser_.Now(); }

 private:
  Browser& browser_;
};

// The start file kept in the page's storage under its file name, as the very
// text the file would hold.
class StoredStartFile final : public app::StartFileStore {
 public:
  static constexpr const char* kKey = "pstart.txt";

  explicit StoredStartFile(Browser& browser) : browser_(browser) {}

  // Returned: the first line as app::FirstStartFileLine cuts it from the
  // stored text; nullopt also when nothing is stored.
  std::optional<std::string> ReadLine() override;
  std::optional<std::string> Write(const std::string& contents) override;
  // Returned: the storage key, as the page's own file name.
  std::string Location() const override { return kKey; }

 private:
  Browser& browser_;
};

// A start file the browser would not store is reported at the foot of the
// page; the page then goes on, and "終了" may be pressed again.
class PageSaveFailure final : public app::SaveFailureDialog {
 public:
  explicit PageSaveFailure(Browser& browser) : browser_(browser) {}
  app::AfterFailedSave Ask(std::string_view location, std::string_view reason) override;

 private:
  Browser& browser_;
};

// The almanac in the page's panel.
class PageAlmanac final : public app::AlmanacDisplay {
 public:
  explicit PageAlmanac(Browser& browser) : browser_(browser) {}
  void Show(const app::AlmanacTable& table) override { browser_.ShowAlmanac(table); }
  void ShowNoTable(std::string_view message) override { browser_.ShowAlmanacMessage(message); }

 private:
  Browser& browser_;
};

// The animation timer on the browser's single-shot timer. The next tick is
// armed only after the current one has been handled, so ticks never overlap or
// pile up: a slow frame delays the next tick instead.
class PageTimer final : public app::IntervalTimer {
 public:
  explicit PageTimer(Browser& browser) : browser_(browser) {}

  // Given: the interval [ms]; 0 stops the timer. Notes: restarts the countdown.
  void SetInterval(int milliseconds) override;

  // Runs `tick` as the timer's tick, then arms the next one.
  template <typename Tick>
  void Fire(Tick&& tick) {
    if (halted_ || in_tick_) return;
    in_tick_ = true;
    tick();
    in_tick_ = false;
    if (!halted_ && interval_ms_ > 0) browser_.StartTimer(interval_ms_);
  }
  // Stops ticking for good (the page has ended).
  void Halt();

 private:
  Browser& browser_;
  int interval_ms_ = 0;
  bool in_tick_ = false;
  bool halted_ = false;
};

}  // namespace web
