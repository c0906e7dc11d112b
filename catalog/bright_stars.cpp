// The twenty named bright stars of the numeric readout: fixed places (about
// epoch 2003.5, no precession applied anywhere), named by their HR numbers.

#include <array>
#include <cstddef>

#include "catalog/star_names.h"
#include "catalog/star_tables.h"

namespace catalog {
namespace {

struct NamedStar {
  int hr;            // Bright Star Catalogue number, which names it (StarLabel)
  double ra_hours;   // right ascension [hours]
  double dec_deg;    // declination [degrees]
  double magnitude;  // visual magnitude
};

// Rows 1..19 by increasing right ascension; the pole star comes last.
constexpr std::array<NamedStar, kBrightStarCount> kNamedStars{{
    {472, 1.63072, -57.2192, 0.46},     // Achernar
    {1457, 4.60203, 16.5161, 0.85},     // Aldebaran
    {1713, 5.24511, -8.1978, 0.12},     // Rigel
    {1708, 5.28247, 46.0011, 0.08},     // Capella
    {2061, 5.92269, 7.4075, 0.5},       // Betelgeuse
    {2326, 6.40558, -52.6978, -0.72},   // Canopus
    {2491, 6.75503, -16.7208, -1.46},   // Sirius
    {2891, 7.58031, 31.88, 1.98},       // Castor
    {2943, 7.65806, 5.21583, 0.38},     // Procyon
    {2990, 7.75883, 28.0175, 1.14},     // Pollux
    {3982, 10.14264, 11.95, 1.35},      // Regulus
    {5056, 13.42297, -11.1794, 0.98},   // Spica
    {5340, 14.26369, 19.1642, -0.04},   // Arcturus
    {5459, 14.66428, -60.8475, -0.01},  // Alpha Centauri
    {6134, 16.49372, -26.4394, 0.96},   // Antares
    {7001, 18.61761, 38.78722, 0.03},   // Vega
    {7557, 19.84922, 8.8778, 0.77},     // Altair
    {7924, 20.69253, 45.2931, 1.25},    // Deneb
    {8728, 22.96406, -29.6036, 1.16},   // Fomalhaut
    {424, 2.59708, 89.2794, 2.02},      // Polaris
}};

}  // namespace

void StarTables::SetBrightStars() {
  for (int row = 1; row <= kBrightStarCount; ++row) {
    const NamedStar& star = kNamedStars[static_cast<std::size_t>(row - 1)];
    StarTable(kRightAscension, row) = star.ra_hours;
    StarTable(kDeclination, row) = star.dec_deg;
    StarTable(kMagnitude, row) = star.magnitude;
    StarName[static_cast<std::size_t>(row)] = StarLabel(star.hr);
  }
}

int BrightStarHr(int row) {
  return kNamedStars[static_cast<std::size_t>(row - 1)].hr;
}

StarTables BrightStarTable() {
  StarTables table;
  table.SetBrightStars();
  return table;
}

}  // namespace catalog
