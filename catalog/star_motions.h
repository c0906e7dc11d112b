#pragma once

#include <optional>
#include <span>

namespace catalog {

// A star's catalogue place and motion (Hipparcos, as tools/realsky extracts it).
struct StarMotion {
  int hr;                      // Harvard Revised (Bright Star Catalogue) number
  double ra_hours;             // right ascension, ICRS, epoch J2000.0 [hours, 0..24)
  double dec_deg;              // declination, ICRS, epoch J2000.0 [degrees]
  double pm_ra_mas_per_year;   // proper motion in right ascension times cos(dec) [mas/yr]
  double pm_dec_mas_per_year;  // proper motion in declination [mas/yr]
  double parallax_mas;         // annual parallax [mas]
};

// Returned: every star of the table, by increasing HR number: the chart
// catalogue's stars (the twenty named bright stars among them) and the extra
// stars listed for the generator.
std::span<const StarMotion> StarMotions();

// Given: an HR number. Returned: that star's catalogue place and motion, or
// std::nullopt when the table does not hold it.
std::optional<StarMotion> FindStarMotion(int hr);

}  // namespace catalog
