// Arbitrary bytes as the first line of the start file. Crashes (aborts) when
// the settings the window would start with are unsound (a site outside the
// list, a non-finite coordinate) or when a line that parses does not come back
// the same after being written out and read again.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>

#include "app/start_file.h"
#include "text/number_text.h"

namespace {

constexpr int kLastSiteIndex = 74;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Same(const app::StartSettings& a, const app::StartSettings& b) {
  if (a.siteIndex != b.siteIndex || a.longitude != b.longitude) return false;
  if (a.latitude.index() != b.latitude.index()) return false;
  if (const double* number = std::get_if<double>(&a.latitude)) {
    return *number == std::get<double>(b.latitude);
  }
  return std::get<std::string>(a.latitude) == std::get<std::string>(b.latitude);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);

  const app::StartSettings start = app::ReadStartSettings(line);
  Require(start.siteIndex >= 0 && start.siteIndex <= kLastSiteIndex);
  Require(std::isfinite(start.longitude));
  if (const double* latitude = std::get_if<double>(&start.latitude)) {
    Require(std::isfinite(*latitude));
  }

  if (const auto parsed = app::ParseStartLine(line)) {
    std::string written = app::FormatStartLine(parsed->siteIndex, app::BoxText(parsed->latitude),
                                               text::BoxNumber(parsed->longitude));
    // The writer ends the line with CR LF; the reader is handed the line without it.
    Require(written.size() >= 2 && written.ends_with("\r\n"));
    written.resize(written.size() - 2);
    const auto again = app::ParseStartLine(written);
    Require(again.has_value() && Same(*parsed, *again));
  }
  return 0;
}
