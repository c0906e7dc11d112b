// The view's projection both ways, and lines drawn along the sky.

#include "chart/view_projection.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>
#include <vector>

namespace chart {
namespace {

constexpr WindowMapping kWindow{150, 80, 7000, 9000};
constexpr double kDeg = std::numbers::pi / 180;

// The angle between two places on the sky [degrees], exact for small angles.
double Separation(const astro::HorizontalPlace& a, const astro::HorizontalPlace& b) {
  const auto unit = [](const astro::HorizontalPlace& p) {
    return std::array<double, 3>{std::cos(p.altitude * kDeg) * std::sin(p.azimuth * kDeg),
                                 std::cos(p.altitude * kDeg) * std::cos(p.azimuth * kDeg),
                                 std::sin(p.altitude * kDeg)};
  };
  const auto u = unit(a), v = unit(b);
  const double cross =
      std::hypot(u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]);
  return std::atan2(cross, u[0] * v[0] + u[1] * v[1] + u[2] * v[2]) / kDeg;
}

// Every place drawn is found again at its window point, below the horizon
// too, in every view, within an arcsecond (the guard beside the view's centre
// folds the chart by 0.0001 degree there); beyond the projected sphere nothing is.
TEST(ViewProjection, FromWindowFindsThePlaceDrawnThere) {
  for (const double centre : {0.0, 90.0, 180.0, 270.0}) {
    const ViewProjection projection(centre, kWindow);
    for (double altitude = -85; altitude <= 85; altitude += 8.5) {
      for (double offset = -175; offset <= 175; offset += 12.5) {
        const astro::HorizontalPlace place{altitude, std::fmod(centre + offset + 360, 360)};
        const auto drawn = projection.ToWindow(place);
        if (!drawn) continue;  // below the horizon the guarded projection is no forward
        const auto found = projection.FromWindow(*drawn);
        ASSERT_TRUE(found) << altitude << " " << offset;
        EXPECT_LT(Separation(*found, place), 1.0 / 3600) << altitude << " " << offset;
      }
    }
    // Left and right of the whole sphere, and far above it.
    for (const WindowPoint outside :
         {WindowPoint{-40000, 9000}, WindowPoint{50000, 5000}, WindowPoint{7000, -20000}}) {
      EXPECT_FALSE(projection.FromWindow(outside)) << outside.x << " " << outside.y;
    }
  }
}

// The pieces of a segment between two places.
std::vector<std::pair<WindowPoint, WindowPoint>> Pieces(const ViewProjection& projection,
                                                        const astro::HorizontalPlace& from,
                                                        const astro::HorizontalPlace& to) {
  std::vector<std::pair<WindowPoint, WindowPoint>> pieces;
  projection.Segment(
      from, to, [&](const WindowPoint& a, const WindowPoint& b) { pieces.emplace_back(a, b); });
  return pieces;
}

// A line follows the great circle between its ends: each piece's ends lie on
// it, joined end to end, above the horizon and on this side of the seam.
TEST(ViewProjection, SegmentsFollowTheSkyAndStopAtTheHorizonAndTheSeam) {
  const ViewProjection south(180, kWindow);
  struct Case {
    const char* what;
    astro::HorizontalPlace from, to;
    double length;  // of the part drawn [degrees of the great circle]
  } cases[] = {
      {"high across the meridian, curved on the chart", {40, 120}, {40, 240}, 83.12},
      {"down through the horizon", {30, 170}, {-30, 190}, 31.47},  // half of it
      {"behind the viewer, across the seam", {30, 330}, {30, 30}, 51.32},
      {"wholly below the horizon", {-5, 170}, {-10, 200}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto pieces = Pieces(south, c.from, c.to);
    // The great circle's pole: every point of the line is square to it.
    const auto unit = [](const astro::HorizontalPlace& p) {
      return std::array<double, 3>{std::cos(p.altitude * kDeg) * std::sin(p.azimuth * kDeg),
                                   std::cos(p.altitude * kDeg) * std::cos(p.azimuth * kDeg),
                                   std::sin(p.altitude * kDeg)};
    };
    const auto a = unit(c.from), b = unit(c.to);
    const std::array<double, 3> pole = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                                        a[0] * b[1] - a[1] * b[0]};
    const double pole_length = std::hypot(pole[0], pole[1], pole[2]);
    double length = 0;
    for (const auto& piece : pieces) {
      const auto from = south.FromWindow(piece.first);
      const auto to = south.FromWindow(piece.second);
      ASSERT_TRUE(from && to);
      for (const auto& end : {*from, *to}) {
        const auto u = unit(end);
        const double off_circle =
            std::fabs(u[0] * pole[0] + u[1] * pole[1] + u[2] * pole[2]) / pole_length;
        EXPECT_LT(off_circle, std::sin(kDeg / 3600));  // within an arcsecond
        EXPECT_GE(end.altitude, -1e-6);
      }
      // Short pieces only: one never leaps across the chart at the seam.
      EXPECT_LT(std::hypot(piece.second.x - piece.first.x, piece.second.y - piece.first.y), 1500);
      length += Separation(*from, *to);
    }
    EXPECT_NEAR(length, c.length, 0.1);
  }
}

}  // namespace
}  // namespace chart
