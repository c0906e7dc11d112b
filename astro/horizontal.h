#pragma once

namespace astro {

// Altitude and azimuth of one object.
struct HorizontalPlace {
  double altitude;  // [degrees, -90..90, 0 on the horizon]
  double azimuth;   // [degrees, 0 <= az < 360, north 0, east 90]
  friend bool operator==(const HorizontalPlace&, const HorizontalPlace&) = default;
};

// Equatorial to horizontal coordinates for one site and instant. The caller
// sets the inputs, calls EqToHor() and reads ObjAlt/ObjAz before the next call;
// the inputs are left unchanged, so a series of objects needs only ObjRA/ObjDec.
struct Horizontal {
  double SidTime = 0;  // in: apparent sidereal time at Greenwich [hours]
  double SiteLat = 0;  // in: site latitude [degrees, north positive]
  double SiteLon = 0;  // in: site longitude [degrees, EAST positive]
  double ObjRA = 0;    // in: right ascension [hours]
  double ObjDec = 0;   // in: declination [degrees]
  double ObjAlt = 0;   // out: altitude [degrees, -90..90, 0 on the horizon]
  double ObjAz = 0;    // out: azimuth [degrees, 0 <= az < 360, north 0, east 90]

  // Notes: the hour angle is not reduced (only its sine and cosine are used).
  // Where a quotient has a zero denominator the natural limit is returned:
  // azimuth 90 or 270 by the sign of the east-west component, altitude +-90
  // (also when rounding carries the sine of the altitude past 1). At the exact
  // zenith or nadir the azimuth is 0. Finite inputs never give NaN.
  void EqToHor();

  // Given: right ascension [hours] and declination [degrees]. Returned: the
  // altitude and azimuth EqToHor gives for them at this site and instant.
  // Notes: works on a copy, so this Horizontal is left as it is.
  HorizontalPlace PlaceOf(double ra_hours, double dec_degrees) const;
};

}  // namespace astro
