#include "app/stars_of_date.h"

#include <cstddef>

#include "astro/precession.h"
#include "catalog/constellations.h"
#include "catalog/star_motions.h"

namespace app {
namespace {

// The Julian epoch of the catalogue's fixed places, which a star without a
// motion of its own starts from [Julian centuries from J2000.0].
constexpr double kFixedPlacesEpoch = (2003.5 - 2000) / 100;

// Given: a star's HR number and its fixed place [hours, degrees]. Returned:
// its catalogue place and motion, or, where the table lacks it, its fixed
// place carried back to J2000 without motion.
astro::CatalogueStar StartingPlace(int hr, double ra_hours, double dec_deg) {
  if (const auto motion = catalog::FindStarMotion(hr)) {
    return {motion->ra_hours, motion->dec_deg, motion->pm_ra_mas_per_year,
            motion->pm_dec_mas_per_year};
  }
  const astro::Matrix3 to_fixed = astro::PrecessionMatrix(kFixedPlacesEpoch);
  const astro::Vector3 fixed = astro::UnitVector(ra_hours, dec_deg);
  astro::Vector3 j2000{};  // the transposed rotation turns it back
  for (std::size_t i = 0; i < 3; ++i) {
    j2000[i] = to_fixed[0][i] * fixed[0] + to_fixed[1][i] * fixed[1] + to_fixed[2][i] * fixed[2];
  }
  const astro::EquatorialPlace place = astro::PlaceOfVector(j2000);
  return {place.ra, place.dec, 0, 0};
}

std::vector<astro::CatalogueStar> StartingPlaces(const catalog::StarTables& table, int rows,
                                                 int (*hr_of_row)(int)) {
  std::vector<astro::CatalogueStar> stars;
  for (int row = 1; row <= rows; ++row) {
    stars.push_back(StartingPlace(hr_of_row(row), table.StarTable(catalog::kRightAscension, row),
                                  table.StarTable(catalog::kDeclination, row)));
  }
  return stars;
}

void MoveRows(const astro::StarReduction& reduction, const std::vector<astro::CatalogueStar>& stars,
              catalog::StarTables& table) {
  for (std::size_t i = 0; i < stars.size(); ++i) {
    const astro::EquatorialPlace place = reduction.Apparent(stars[i]);
    const int row = static_cast<int>(i) + 1;
    table.StarTable(catalog::kRightAscension, row) = place.ra;
    table.StarTable(catalog::kDeclination, row) = place.dec;
  }
}

}  // namespace

StarsOfDate::StarsOfDate(const catalog::StarTables& chart, const catalog::StarTables& bright)
    : chart_(chart),
      bright_(bright),
      figures_(catalog::kSkyStarCount),
      chart_stars_(StartingPlaces(chart, catalog::kChartStarCount, catalog::ChartStarHr)),
      bright_stars_(StartingPlaces(bright, catalog::kBrightStarCount, catalog::BrightStarHr)) {
  for (const catalog::SkyStar& star : catalog::SkyStars()) {
    figure_stars_.push_back(StartingPlace(star.hr, star.ra_hours, star.dec_deg));
  }
}

void StarsOfDate::MoveTo(double T) {
  const astro::StarReduction reduction(T);
  MoveRows(reduction, chart_stars_, chart_);
  MoveRows(reduction, bright_stars_, bright_);
  for (std::size_t i = 0; i < figure_stars_.size(); ++i) {
    figures_[i] = reduction.Apparent(figure_stars_[i]);
  }
}

}  // namespace app
