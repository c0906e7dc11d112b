#include "astro/almanac.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/observation.h"
#include "astro/refraction.h"
#include "astro/topocentric.h"

namespace astro {

namespace {

constexpr int kSampleCount = 25;             // the whole hours 00:00 .. 24:00
constexpr double kSampleStepMinutes = 60;    // [minutes]
constexpr double kNoonMinute = 720;          // 12:00 JST [minutes]
constexpr double kToleranceMinutes = 0.005;  // of every search, 0.3 s [minutes]
constexpr int kMaxIterations = 40;

// Within an hour of a culmination the altitude changes by less than 2 degrees
// (15 degrees of hour angle); with the Moon's motion in declination, 3 bound it.
constexpr double kCulminationDipDegrees = 3;

constexpr double kMeanSynodicMonthDays = 29.530589;  // Meeus ch. 49 [days]

// An angle brought into (-180, 180] [degrees].
double SignedAngle(double degrees) {
  const double a = NormaliseLongitude(degrees);
  return a > 180 ? a - 360 : a;
}

// What the risings, settings and transits of one body depend on at one instant.
struct BodySky {
  double above_horizon;  // altitude of the upper limb (of the centre for a planet) above
                         // the horizon lowered by kHorizonRefraction: 0 when it rises
                         // or sets [degrees]
  double hour_angle;     // topocentric hour angle [degrees, -180..180, west positive]
  double altitude;       // topocentric altitude of the centre, no refraction [degrees]
  double azimuth;        // [degrees, north 0, east 90]
};

// The sky of one JST date at one site, at any minute of the day (or past it).
class DaySky {
 public:
  DaySky(std::int16_t year, std::int16_t month, std::int16_t day, double latitude, double longitude)
      : year_(year), month_(month), day_(day), latitude_(latitude), longitude_(longitude) {}

  // Given minutes after 00:00 JST; returns the pipeline's observation then, or
  // std::nullopt where Observation::Compute fails.
  std::optional<Observation> ObservationAt(double minute) const {
    Observation o;
    if (!o.Compute(year_, month_, day_, 0, minute, latitude_, longitude_)) return std::nullopt;
    return o;
  }

  // Given minutes after 00:00 JST and a body; returns its sky then. Only called
  // after ObservationAt has succeeded for the day, which it then does at any minute.
  BodySky At(double minute, Body body) const { return Of(*ObservationAt(minute), body); }

  // Given an observation and a body; returns the body's sky in it.
  BodySky Of(const Observation& o, Body body) const {
    const Ephemeris& e = o.ephemeris;
    const TopocentricPlace place =
        ToTopocentric({e.BodyRA[body], e.BodyDec[body]}, GeocentricDistanceEarthRadii(e, body),
                      latitude_, longitude_, o.horizontal.SidTime);
    const HorizontalPlace seen = o.horizontal.PlaceOf(place.ra, place.dec);
    double limb = 0;  // [degrees]
    if (body == kSun) limb = SemidiameterDegrees(kSunRadiusEarthRadii, place.distance);
    if (body == kMoon) limb = SemidiameterDegrees(kMoonRadiusEarthRadii, place.distance);
    return {seen.altitude + limb + kHorizonRefraction,
            SignedAngle((o.horizontal.SidTime - place.ra) * 15 + longitude_), seen.altitude,
            seen.azimuth};
  }

 private:
  std::int16_t year_, month_, day_;
  double latitude_, longitude_;
};

// The root of f between a and b (a < b, f(a) and f(b) of opposite signs or one
// of them 0) by the Illinois form of false position, to kToleranceMinutes. The
// root returned is the last point where f was evaluated.
template <typename Function>
double RootBetween(const Function& f, double a, double fa, double b, double fb) {
  enum { kNone, kMovedA, kMovedB } last = kNone;
  double c = (a * fb - b * fa) / (fb - fa);
  for (int i = 0; i < kMaxIterations; ++i) {
    const double fc = f(c);
    if (fc == 0) return c;
    if ((fc < 0) == (fa < 0)) {
      a = c;
      fa = fc;
      if (last == kMovedA) fb = fb / 2;
      last = kMovedA;
    } else {
      b = c;
      fb = fc;
      if (last == kMovedB) fa = fa / 2;
      last = kMovedB;
    }
    const double next = (a * fb - b * fa) / (fb - fa);
    if (std::abs(next - c) < kToleranceMinutes) return c;
    c = next;
  }
  return c;
}

int NearestMinute(double minute) {
  return static_cast<int>(std::floor(minute + 0.5));
}

// The apparent altitude of a true one of -1 degree or more (refracted); below
// that, where nothing is seen over the horizon, the true altitude [degrees].
double TransitAltitude(double altitude) {
  return altitude < -1 ? altitude : altitude + RefractionDeg(altitude);
}

using Samples = std::array<std::array<BodySky, kBodyCount>, kSampleCount>;

// One stretch of a day within which a body's above_horizon is monotonic.
struct Stretch {
  double t0, f0, t1, f1;  // [minutes], [degrees]
};

// The rising, transit and setting of one body from the day's hourly samples:
// each hour that changes the sign of the hour angle holds a culmination, each
// that changes the sign of above_horizon a rising or setting. An hour that
// holds a culmination near the horizon is cut there, so that a short stay
// above or below the horizon is found too.
BodyDay SearchBody(const DaySky& sky, const Samples& samples, Body body) {
  BodySky last{};  // the body's sky at the last minute a search looked at
  const auto above = [&](double t) { return (last = sky.At(t, body)).above_horizon; };
  const auto hour_angle = [&](double t) { return (last = sky.At(t, body)).hour_angle; };
  const auto from_lower = [&](double t) {
    return SignedAngle((last = sky.At(t, body)).hour_angle - 180);
  };
  BodyDay result;
  for (std::size_t k = 0; k + 1 < samples.size(); ++k) {
    const BodySky& s0 = samples[k][body];
    const BodySky& s1 = samples[k + 1][body];
    const double t0 = static_cast<double>(k) * kSampleStepMinutes;
    const double t1 = t0 + kSampleStepMinutes;
    const bool may_graze =
        (s0.above_horizon < 0) == (s1.above_horizon < 0) &&
        std::min(std::abs(s0.above_horizon), std::abs(s1.above_horizon)) < kCulminationDipDegrees;
    std::optional<double> culmination;  // [minutes]
    if (s0.hour_angle < 0 && s1.hour_angle >= 0) {
      culmination = RootBetween(hour_angle, t0, s0.hour_angle, t1, s1.hour_angle);
      if (!result.transit && *culmination < kMinutesPerDay) {
        result.transit = Transit{NearestMinute(*culmination), TransitAltitude(last.altitude)};
      }
    } else if (s0.hour_angle > 0 && s1.hour_angle < 0 && may_graze) {
      culmination = RootBetween(from_lower, t0, SignedAngle(s0.hour_angle - 180), t1,
                                SignedAngle(s1.hour_angle - 180));
    }
    Stretch stretches[2] = {{t0, s0.above_horizon, t1, s1.above_horizon}, {}};
    int count = 1;
    if (culmination && may_graze) {
      const double middle = above(*culmination);
      stretches[0] = {t0, s0.above_horizon, *culmination, middle};
      stretches[1] = {*culmination, middle, t1, s1.above_horizon};
      count = 2;
    }
    for (int i = 0; i < count; ++i) {
      const Stretch& s = stretches[i];
      const bool rises = s.f0 < 0 && s.f1 >= 0;
      const bool sets = s.f0 >= 0 && s.f1 < 0;
      if ((rises && result.rise) || (sets && result.set) || (!rises && !sets)) continue;
      const double t = RootBetween(above, s.t0, s.f0, s.t1, s.f1);
      if (t >= kMinutesPerDay) continue;
      (rises ? result.rise : result.set) = HorizonCrossing{NearestMinute(t), last.azimuth};
    }
  }
  return result;
}

double ElongationAt(const DaySky& sky, double minute) {
  return MoonIlluminationOf(sky.ObservationAt(minute)->ephemeris).elongation_longitude;
}

// Days from the new moon before the given minute to that minute: the secant
// method on the elongation, started from its mean rate.
double MoonAgeAt(const DaySky& sky, double minute) {
  constexpr double kRate = 360 / (kMeanSynodicMonthDays * kMinutesPerDay);  // [degrees/minute]
  double t0 = minute - ElongationAt(sky, minute) / kRate;
  double f0 = SignedAngle(ElongationAt(sky, t0));
  double t1 = t0 - f0 / kRate;
  for (int i = 0; i < kMaxIterations && std::abs(t1 - t0) >= kToleranceMinutes; ++i) {
    const double f1 = SignedAngle(ElongationAt(sky, t1));
    const double next = f1 == f0 ? t1 : t1 - f1 * (t1 - t0) / (f1 - f0);
    t0 = t1;
    f0 = f1;
    t1 = next;
  }
  return (minute - t1) / kMinutesPerDay;
}

// The phase of the day from the elongation at its start and end: a principal
// phase when a multiple of 90 degrees lies in [start, end), else its quadrant.
MoonPhase PhaseOfDay(const DaySky& sky) {
  const double start = ElongationAt(sky, 0);
  const double end = start + NormaliseLongitude(ElongationAt(sky, kMinutesPerDay) - start);
  const double next_quarter = std::ceil(start / 90);
  const int phase = next_quarter * 90 < end ? 2 * (static_cast<int>(next_quarter) % 4)
                                            : 2 * static_cast<int>(std::floor(start / 90)) + 1;
  return static_cast<MoonPhase>(phase);
}

}  // namespace

std::string_view MoonPhaseName(MoonPhase phase) {
  constexpr std::string_view kNames[] = {
      "新月", "新月から上弦へ", "上弦", "上弦から満月へ",
      "満月", "満月から下弦へ", "下弦", "下弦から新月へ",
  };
  return kNames[static_cast<std::size_t>(phase)];
}

std::optional<AlmanacDay> ComputeAlmanacDay(std::int16_t year, std::int16_t month, std::int16_t day,
                                            double latitude, double longitude) {
  const DaySky sky(year, month, day, latitude, longitude);
  const std::optional<Observation> noon = sky.ObservationAt(kNoonMinute);
  if (!noon) return std::nullopt;

  Samples samples{};
  for (std::size_t k = 0; k < samples.size(); ++k) {
    const Observation o = *sky.ObservationAt(static_cast<double>(k) * kSampleStepMinutes);
    for (int b = 0; b < kBodyCount; ++b) {
      samples[k][static_cast<std::size_t>(b)] = sky.Of(o, static_cast<Body>(b));
    }
  }
  AlmanacDay almanac;
  for (int b = 0; b < kBodyCount; ++b) {
    almanac.bodies[static_cast<std::size_t>(b)] = SearchBody(sky, samples, static_cast<Body>(b));
  }
  almanac.moon_age = MoonAgeAt(sky, kNoonMinute);
  almanac.moon_illuminated_fraction = MoonIlluminationOf(noon->ephemeris).illuminated_fraction;
  almanac.moon_phase = PhaseOfDay(sky);
  almanac.venus = VenusDiscOf(noon->ephemeris);
  return almanac;
}

}  // namespace astro
