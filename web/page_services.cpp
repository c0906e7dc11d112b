#include "web/page_services.h"

#include "app/start_file.h"

namespace web {

std::optional<std::string> StoredStartFile::ReadLine() {
  const std::optional<std::string> stored = browser_.ReadStorage(kKey);
  if (!stored) return std::nullopt;
  return app::FirstStartFileLine(std::string_view(*stored).substr(0, app::kStartFileReadLimit),
                                 stored->size());
}

std::optional<std::string> StoredStartFile::Write(const std::string& contents) {
  return browser_.WriteStorage(kKey, contents);
}

app::AfterFailedSave PageSaveFailure::Ask(std::string_view location, std::string_view reason) {
  browser_.ShowMessage("開始ファイル " + std::string(location) +
                       " をこのブラウザーに保存できませんでした（" + std::string(reason) +
                       "）。地点は保存されていません。");
  return app::AfterFailedSave::kBackToWindow;
}

void PageTimer::SetInterval(int milliseconds) {
  interval_ms_ = milliseconds > 0 ? milliseconds : 0;
  if (halted_ || interval_ms_ == 0) {
    browser_.StopTimer();
  } else if (!in_tick_) {
    browser_.StartTimer(interval_ms_);
  }
}

void PageTimer::Halt() {
  halted_ = true;
  browser_.StopTimer();
}

}  // namespace web
