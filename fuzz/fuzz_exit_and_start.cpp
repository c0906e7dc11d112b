// Whatever the latitude and longitude boxes hold when "終了" is pressed, the
// next start-up reads the line back to the same site, with the box texts as
// they were typed wherever the line can hold them and finite coordinates in
// any case. Crashes (aborts) when a written line breaks that promise.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "app/sites.h"
#include "app/start_file.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace {

constexpr std::size_t kLongestHeldText = 256;  // [bytes]

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int site = input.ConsumeIntegralInRange(-2, app::kSiteCount + 1);
  const std::string latitude = input.ConsumeRandomLengthString(400);
  const std::string longitude = input.ConsumeRandomLengthString(400);

  const std::string written = app::StartLineForExit(site, latitude, longitude);
  Require(written.ends_with("\r\n") && written.size() <= app::kStartFileReadLimit);
  // Read back as start-up reads the file: its first line, then the fields.
  const auto line = app::FirstStartFileLine(written, written.size());
  Require(line.has_value());
  const auto read = app::ParseStartLine(*line);
  Require(read.has_value());
  Require(read->siteIndex == site);
  const app::StartSettings start = app::ReadStartSettings(line);
  Require(start.siteIndex == (site >= 0 && site < app::kSiteCount ? site : 12));

  Require(std::isfinite(read->longitude));
  if (longitude.size() <= kLongestHeldText) {
    if (const auto typed = text::WholeNumber(longitude)) Require(read->longitude == *typed);
    if (longitude.empty()) Require(read->longitude == 0);
  }
  if (const double* number = std::get_if<double>(&read->latitude)) {
    Require(std::isfinite(*number));
    if (latitude.size() <= kLongestHeldText && text::WholeNumber(latitude)) {
      Require(*number == *text::WholeNumber(latitude));
    }
  } else {
    // A text comes back only as it was typed.
    Require(std::get<std::string>(read->latitude) == latitude);
  }
  const bool held_text = latitude.size() <= kLongestHeldText && !text::WholeNumber(latitude) &&
                         text::IsPrintableUtf8(latitude);
  if (held_text) Require(std::holds_alternative<std::string>(read->latitude));
  return 0;
}
