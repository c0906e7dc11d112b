#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/surface.h"

namespace app {

// What the window's handlers need from outside, each behind a small interface
// so that every handler runs in a unit test without a display.

// Japan Standard Time is UT + 9 h all year [seconds].
inline constexpr int kJapanOffsetSeconds = 9 * 3600;

// A date and time in Japan Standard Time, the time the date and time boxes hold.
struct JapanDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // The present instant in Japan Standard Time, wherever the computer is and
  // whatever time zone it is set to.
  virtual JapanDateTime Now() const = 0;
};

// The start file `pstart.txt` in the current directory.
class StartFileStore {
 public:
  virtual ~StartFileStore() = default;
  // The file's first line (without its line end), or nullopt when the file is
  // missing, unreadable or not text. Reads a bounded amount only.
  virtual std::optional<std::string> ReadLine() = 0;
  // Replaces the whole file. Returned: nullopt once it is written; otherwise
  // why not, in the system's words ("No space left on device"). A failed
  // write leaves the old file exactly as it was.
  virtual std::optional<std::string> Write(const std::string& contents) = 0;
  // Where the file is, as a message to the user names it.
  virtual std::string Location() const = 0;
};

// What the user wants after the start file could not be written.
enum class AfterFailedSave {
  kRetry,              // try to write it again
  kQuitWithoutSaving,  // end the program; the site is not carried to the next start
  kBackToWindow,       // keep the program running, nothing ended
};

class SaveFailureDialog {
 public:
  virtual ~SaveFailureDialog() = default;
  // Given: where the start file is and why it could not be written. Returned:
  // the user's choice.
  virtual AfterFailedSave Ask(std::string_view location, std::string_view reason) = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  virtual void End() = 0;  // ends the program at once, without further events
};

class IntervalTimer {
 public:
  virtual ~IntervalTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;  // 0 stops it
};

struct AlmanacTable;  // app/almanac_table.h

// Where the almanac (暦) of a day is shown to the user.
class AlmanacDisplay {
 public:
  virtual ~AlmanacDisplay() = default;
  // Shows the table, in place of anything shown before.
  virtual void Show(const AlmanacTable& table) = 0;
  // Shows why there is no table (the boxes hold no computable date), in place
  // of anything shown before, so that no table of another day stays in sight.
  virtual void ShowNoTable(std::string_view message) = 0;
};

struct Services {
  chart::Surface& surface;
  Clock& clock;
  StartFileStore& startFile;
  Process& process;
  IntervalTimer& timer;
  SaveFailureDialog& saveFailure;
  AlmanacDisplay& almanac;
};

}  // namespace app
