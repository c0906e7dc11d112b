#include "web/page_services.h"

#include <algorithm>

namespace web {

std::optional<std::string> StoredStartFile::ReadLine() {
  const std::optional<std::string> stored = browser_.ReadStorage(kKey);
  if (!stored) return std::nullopt;
  const std::string head = stored->substr(0, kMaxReadBytes);
  const std::size_t end = std::min(head.find_first_of("\r\n"), head.size());
  if (head.substr(0, end).find('\0') != std::string::npos) return std::nullopt;
  const bool has_line_end = end < head.size();
  if (!has_line_end && stored->size() > kMaxReadBytes) return std::nullopt;
  return head.substr(0, end);
}

bool StoredStartFile::Write(const std::string& contents) {
  return browser_.WriteStorage(kKey, contents);
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
