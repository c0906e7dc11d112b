#include "astro/observation.h"

#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/calendar.h"

namespace astro {

namespace {

bool AllFinite(const std::array<double, kBodyCount>& values) {
  for (const double v : values) {
    if (!std::isfinite(v)) {
      return false;
    }
  }
  return true;
}

bool ResultsFinite(const Observation& o) {
  return std::isfinite(o.JD) && std::isfinite(o.T) && std::isfinite(o.horizontal.SidTime) &&
         AllFinite(o.ephemeris.BodyRA) && AllFinite(o.ephemeris.BodyDec) && AllFinite(o.BodyAlt) &&
         AllFinite(o.BodyAz);
}

// Mean sidereal time at Greenwich [hours, 0..24) for T [Julian centuries] and
// the UT time of day u [hours]. The whole turns of the daily T-term are dropped
// before the constant, the quadratic term and u are added; T is taken at the
// instant, so u enters with the factor 1. Adding 1 and 48 keeps the values
// positive before their fractions are taken.
double MeanSiderealTime(double T, double u) {
  const double a = ((8640184.812866 * T) / 3600) / 24;
  const double b = (a - Fix(a)) + 1;
  const double g = ((b - Fix(b)) * 24 + 6.697374558) + (2.586e-05 * T) * T + u;
  const double c = (g + 48) / 24;
  return (c - Fix(c)) * 24;
}

}  // namespace

bool Observation::Compute(std::int16_t year, std::int16_t month, double day, double hour,
                          double minute, double latitude, double longitude) {
  if (!std::isfinite(day) || !std::isfinite(hour) || !std::isfinite(minute) ||
      !std::isfinite(latitude) || !std::isfinite(longitude)) {
    return false;
  }
  // UT day of the month with fraction: Japan Standard Time less 9 hours.
  const double d = day + hour / 24 + minute / 1440 - 9.0 / 24;
  const std::optional<double> jd = ymdYD(year, month, d);
  if (!jd) {
    return false;
  }

  Observation next = *this;
  next.UTDay = d;
  next.JD = *jd;
  next.T = (next.JD - 2451545) / 36525;
  next.ephemeris.T = next.T;
  next.ephemeris.CalcPlanets();

  next.UTHours = (d - Fix(d)) * 24;
  next.GMST = MeanSiderealTime(next.T, next.UTHours);

  // Apparent sidereal time: the equation of the equinoxes added, not reduced again.
  Horizontal& h = next.horizontal;
  h.SidTime = next.GMST + (next.ephemeris.NutLon * std::cos(next.ephemeris.Obl * kRad)) / 15;
  h.SiteLat = latitude;
  h.SiteLon = longitude;
  for (std::size_t i = 0; i < kBodyCount; ++i) {
    h.ObjRA = next.ephemeris.BodyRA[i];
    h.ObjDec = next.ephemeris.BodyDec[i];
    h.EqToHor();
    next.BodyAlt[i] = h.ObjAlt;
    next.BodyAz[i] = h.ObjAz;
  }

  if (!ResultsFinite(next)) {
    return false;
  }
  *this = next;
  return true;
}

}  // namespace astro
