#pragma once

#include <cstdint>

namespace chart {

// A colour as red, green, blue bytes.
struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colour{red, green, blue};
}

}  // namespace chart
