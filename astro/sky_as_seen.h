#pragma once

#include "astro/observation.h"

namespace astro {

// The sky as it is seen from the site, beside the computation of Observation:
// the series evaluated at dynamical time, the bodies seen from the site, and
// atmospheric refraction.

// Given:    an observation just computed (Observation::Compute), for the site
//           in its horizontal.SiteLat and SiteLon.
// Notes:    evaluates the series again at Terrestrial Time (T + Delta T, as
//           the series are made for), moves each body to the site (parallax,
//           astro/topocentric) and puts the apparent altitude, with standard
//           refraction (astro/refraction), into BodyAlt and the azimuth into
//           BodyAz; BodyRA and BodyDec of the ephemeris become the topocentric
//           places. SidTime, JD and T stay those of Universal Time.
void SeeFromSite(Observation& observation);

// Given: a true (airless) altitude [degrees]. Returned: the altitude seen
// through the atmosphere: RefractionDeg added.
double SeenAltitude(double true_altitude_deg);

// Returned: T in Terrestrial Time for an observation's instant [Julian
// centuries from J2000.0].
double DynamicalCenturies(const Observation& observation);

}  // namespace astro
