#include "app/zoom_words.h"

#include <cmath>

#include "chart/chart_zoom.h"
#include "text/number_text.h"

namespace app {
namespace {

std::string Hundredths(double value) {
  return text::BoxNumber(std::round(value * 100) / 100);
}

}  // namespace

std::optional<double> ZoomOfText(std::string_view text) {
  const auto factor = text::WholeNumber(text);
  if (!factor || !(*factor >= 1 && *factor <= chart::kLargestZoom)) return std::nullopt;
  return factor;
}

std::optional<astro::HorizontalPlace> CentreOfText(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto azimuth = text::WholeNumber(text.substr(0, comma));
  const auto altitude = text::WholeNumber(text.substr(comma + 1));
  if (!azimuth || !altitude || !(*azimuth >= 0 && *azimuth <= 360) ||
      !(*altitude >= -90 && *altitude <= 90)) {
    return std::nullopt;
  }
  return astro::HorizontalPlace{*altitude, *azimuth == 360 ? 0 : *azimuth};
}

std::string ZoomText(double factor) {
  return Hundredths(factor);
}

std::string CentreText(const astro::HorizontalPlace& place) {
  return Hundredths(place.azimuth) + "," + Hundredths(place.altitude);
}

}  // namespace app
