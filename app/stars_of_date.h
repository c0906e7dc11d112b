#pragma once

#include <vector>

#include "astro/ephemeris.h"
#include "astro/star_place.h"
#include "catalog/star_tables.h"

namespace app {

// The stars at a date, for the sky as it is seen: the chart catalogue's, the
// readout's twenty and the figures' stars at their apparent places of date
// (proper motion, precession, nutation, aberration) from the Hipparcos places
// and motions of catalog/star_motions; a star the table lacks starts from its
// fixed place. Names and magnitudes are the catalogue's.
class StarsOfDate {
 public:
  // Given: the chart catalogue and the named bright stars as loaded; copied.
  StarsOfDate(const catalog::StarTables& chart, const catalog::StarTables& bright);

  // Given: T, Julian centuries of Terrestrial Time from J2000.0.
  void MoveTo(double T);

  const catalog::StarTables& Chart() const { return chart_; }    // rows 1..496
  const catalog::StarTables& Bright() const { return bright_; }  // rows 1..20
  // The places of catalog::SkyStars(), in its order [hours, degrees].
  const std::vector<astro::EquatorialPlace>& Figures() const { return figures_; }

 private:
  catalog::StarTables chart_, bright_;
  std::vector<astro::EquatorialPlace> figures_;
  // Where each star starts from: chart rows, bright rows, figure stars.
  std::vector<astro::CatalogueStar> chart_stars_, bright_stars_, figure_stars_;
};

}  // namespace app
