// Equatorial to horizontal: transits, zero denominators, hour-angle turns, the pole star,
// and agreement with the textbook formulas.

#include "astro/horizontal.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <tuple>

namespace {

using astro::Horizontal;

Horizontal Place(double sidTime, double lat, double lon, double ra, double dec) {
  Horizontal h;
  std::tie(h.SidTime, h.SiteLat, h.SiteLon, h.ObjRA, h.ObjDec) =
      std::tie(sidTime, lat, lon, ra, dec);
  h.EqToHor();
  return h;
}

// At 35 N, 135 E and sidereal time 10 h, RA 19 h is on the meridian. At 0 N, 0 E
// the celestial equator has a zero north component: due east or west, or the zenith.
TEST(EqToHor, WorkedValuesAndZeroDenominators) {
  const struct {
    const char* what;
    double sidTime, lat, lon, ra, dec, alt, altTolerance, az;
  } cases[] = {
      {"equator on the meridian", 10, 35, 135, 19, 0, 55.0000000000003, 0, 180},
      {"north of the zenith", 10, 35, 135, 19, 60, 65.00000000000007, 0, 0},
      {"equator setting, H = 90", 10, 35, 135, 13, 0, 1.2e-12, 0.05e-12, 269.99999999999864},
      {"equator rising, H = 270", 10, 35, 135, 1, 0, 0, 1e-11, 89.99999999999689},
      {"east, H = -45", 0, 0, 0, 3, 0, 45, 1e-9, 90},
      {"east, H = 315", 0, 0, 0, -21, 0, 45, 1e-9, 90},
      {"west, H = 60", 0, 0, 0, -4, 0, 30, 1e-9, 270},
      {"zenith", 0, 0, 0, 0, 0, 90, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Horizontal h = Place(c.sidTime, c.lat, c.lon, c.ra, c.dec);
    EXPECT_NEAR(h.ObjAlt, c.alt, c.altTolerance);
    EXPECT_EQ(h.ObjAz, c.az);
    // The inputs survive, so a series of objects needs only ObjRA and ObjDec.
    EXPECT_EQ(std::tie(h.SidTime, h.SiteLat, h.SiteLon, h.ObjRA, h.ObjDec),
              std::tie(c.sidTime, c.lat, c.lon, c.ra, c.dec));
  }
}

// Whole turns of the hour angle change nothing beyond rounding; the results stay in
// range; Polaris (RA 2.59708 h, Dec 89.2794) stays within 0.7206 of the pole; the
// zenith and nadir are reached. Asking for another object changes nothing.
TEST(EqToHor, HourAngleTurnsRangesPoleStarZenithAndNadir) {
  const Horizontal unreduced = Place(23.9, 35, 135, 0.1, 20);  // H = 492
  const Horizontal reduced = Place(-0.1, 35, 135, 0.1, 20);    // H = 132
  EXPECT_NEAR(unreduced.ObjAlt, reduced.ObjAlt, 1e-9);
  EXPECT_NEAR(unreduced.ObjAz, reduced.ObjAz, 1e-9);

  std::mt19937 rng(7);
  std::uniform_real_distribution<double> hours(-100, 100), lat(-89, 89), lon(-1000, 1000);
  std::uniform_int_distribution<int> turns(-5, 5);
  for (int i = 0; i < 5000; ++i) {
    const double sid = hours(rng), phi = lat(rng), lam = lon(rng), ra = hours(rng), dec = lat(rng);
    SCOPED_TRACE(testing::Message() << "SidTime " << sid << " lat " << phi << " lon " << lam
                                    << " RA " << ra << " Dec " << dec);
    const Horizontal a = Place(sid, phi, lam, ra, dec);
    const Horizontal b = Place(sid + 24 * turns(rng), phi, lam + 360 * turns(rng), ra, dec);
    EXPECT_NEAR(a.ObjAlt, b.ObjAlt, 1e-9);
    EXPECT_NEAR(std::remainder(a.ObjAz - b.ObjAz, 360), 0, 1e-9);  // either side of north
    EXPECT_TRUE(b.ObjAz >= 0 && b.ObjAz < 360 && std::abs(b.ObjAlt) <= 90);
    // PlaceOf is EqToHor to the bit for another object of the same site and instant.
    const astro::HorizontalPlace other = a.PlaceOf(ra / 2, -dec);
    const Horizontal direct = Place(sid, phi, lam, ra / 2, -dec);
    EXPECT_TRUE(other.altitude == direct.ObjAlt && other.azimuth == direct.ObjAz);
    EXPECT_LE(std::abs(Place(sid, phi, lam, 2.59708, 89.2794).ObjAlt - phi), 0.7206 + 1e-9);
    // Rounding may carry sin(alt) past 1: 90, never NaN (a last bit of it is ~1e-6 degrees).
    const Horizontal zenith = Place(sid, phi, 0, sid, phi),
                     nadir = Place(sid, phi, 0, sid + 12, -phi);
    EXPECT_NEAR(zenith.ObjAlt, 90, 2e-6);
    EXPECT_NEAR(nadir.ObjAlt, -90, 2e-6);
    EXPECT_FALSE(std::isnan(zenith.ObjAz) || std::isnan(nadir.ObjAz));
  }
}

// The textbook conversion (two-argument arc tangent, arc sine, full-precision
// pi) points to the same place in the sky, to 1e-8 degrees, for any site,
// sidereal time and object, near the zenith and the horizon included.
TEST(EqToHor, AgreesWithTheTextbookFormulas) {
  constexpr double kPi = 3.14159265358979323846;
  const auto unit = [](double alt_deg, double az_deg) {
    const double alt = alt_deg * kPi / 180, az = az_deg * kPi / 180;
    return std::array<double, 3>{std::cos(alt) * std::cos(az), std::cos(alt) * std::sin(az),
                                 std::sin(alt)};
  };
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> hours(0, 24), lat(-90, 90), lon(-180, 180);
  for (int i = 0; i < 20000; ++i) {
    const double sid = hours(rng), phi = lat(rng), lam = lon(rng), ra = hours(rng), dec = lat(rng);
    const Horizontal h = Place(sid, phi, lam, ra, dec);
    const double ha = ((sid - ra) * 15 + lam) * kPi / 180, p = phi * kPi / 180, d = dec * kPi / 180;
    const double alt =
        std::asin(std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(ha));
    const double az =
        std::atan2(-std::cos(d) * std::sin(ha),
                   std::sin(d) * std::cos(p) - std::cos(d) * std::cos(ha) * std::sin(p));
    const auto a = unit(h.ObjAlt, h.ObjAz), b = unit(alt * 180 / kPi, az * 180 / kPi);
    const double chord = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);  // [radians] when small
    ASSERT_LT(chord * 180 / kPi, 1e-8)
        << "SidTime " << sid << " lat " << phi << " lon " << lam << " RA " << ra << " Dec " << dec;
  }
}

}  // namespace
