#include "astro/sky_as_seen.h"

#include <cstddef>

#include "astro/delta_t.h"
#include "astro/refraction.h"
#include "astro/topocentric.h"

namespace astro {

double SeenAltitude(double true_altitude_deg) {
  return true_altitude_deg + RefractionDeg(true_altitude_deg);
}

double DynamicalCenturies(const Observation& observation) {
  return TerrestrialCenturies(observation.JD);
}

void SeeFromSite(Observation& observation) {
  Ephemeris& ephemeris = observation.ephemeris;
  ephemeris.T = DynamicalCenturies(observation);
  ephemeris.CalcPlanets();
  const Horizontal& site = observation.horizontal;
  for (std::size_t i = 0; i < kBodyCount; ++i) {
    const auto body = static_cast<Body>(i);
    const TopocentricPlace seen = ToTopocentric({ephemeris.BodyRA[i], ephemeris.BodyDec[i]},
                                                GeocentricDistanceEarthRadii(ephemeris, body),
                                                site.SiteLat, site.SiteLon, site.SidTime);
    ephemeris.BodyRA[i] = seen.ra;
    ephemeris.BodyDec[i] = seen.dec;
    const HorizontalPlace place = site.PlaceOf(seen.ra, seen.dec);
    observation.BodyAlt[i] = SeenAltitude(place.altitude);
    observation.BodyAz[i] = place.azimuth;
  }
}

}  // namespace astro
