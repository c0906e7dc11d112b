// The twenty named bright stars of the numeric readout: fixed places (about
// epoch 2003.5, no precession applied anywhere) and their Japanese names.

#include <array>
#include <cstddef>

#include "catalog/star_tables.h"

namespace catalog {
namespace {

struct NamedStar {
  const char* name;  // UTF-8: half-width katakana, the pole star in kanji
  double ra_hours;   // right ascension [hours]
  double dec_deg;    // declination [degrees]
  double magnitude;  // visual magnitude
};

// Rows 1..19 by increasing right ascension; the pole star comes last.
constexpr std::array<NamedStar, kBrightStarCount> kNamedStars{{
    {"ｱｶｰﾅｰ", 1.63072, -57.2192, 0.46},     {"ｱﾙﾃﾞﾊﾞﾗﾝ", 4.60203, 16.5161, 0.85},
    {"ﾘｹﾞﾙ", 5.24511, -8.1978, 0.12},       {"ｶﾍﾟﾗ", 5.28247, 46.0011, 0.08},
    {"ﾍﾞﾃﾙｷﾞｳｽ", 5.92269, 7.4075, 0.5},     {"ｶﾉｰﾌﾟｽ", 6.40558, -52.6978, -0.72},
    {"ｼﾘｳｽ", 6.75503, -16.7208, -1.46},     {"ｶｽﾄﾙ", 7.58031, 31.88, 1.98},
    {"ﾌﾟﾛｷｵﾝ", 7.65806, 5.21583, 0.38},     {"ﾎﾟﾙｯｸｽ", 7.75883, 28.0175, 1.14},
    {"ﾚｸﾞﾙｽ", 10.14264, 11.95, 1.35},       {"ｽﾋﾟｶ", 13.42297, -11.1794, 0.98},
    {"ｱｰｸﾄｩﾙｽ", 14.26369, 19.1642, -0.04},  {"ｱﾙﾌｧｾﾝﾀｳﾘ", 14.66428, -60.8475, -0.01},
    {"ｱﾝﾀﾚｽ", 16.49372, -26.4394, 0.96},    {"ﾍﾞｶﾞ", 18.61761, 38.78722, 0.03},
    {"ｱﾙﾀｲﾙ", 19.84922, 8.8778, 0.77},      {"ﾃﾞﾈﾌﾞ", 20.69253, 45.2931, 1.25},
    {"ﾌｫｰﾏﾙﾊｳﾄ", 22.96406, -29.6036, 1.16}, {"北極星", 2.59708, 89.2794, 2.02},
}};

}  // namespace

void StarTables::SetBrightStars() {
  for (int row = 1; row <= kBrightStarCount; ++row) {
    const NamedStar& star = kNamedStars[static_cast<std::size_t>(row - 1)];
    StarTable(kRightAscension, row) = star.ra_hours;
    StarTable(kDeclination, row) = star.dec_deg;
    StarTable(kMagnitude, row) = star.magnitude;
    StarName[static_cast<std::size_t>(row)] = star.name;
  }
}

StarTables BrightStarTable() {
  StarTables table;
  table.SetBrightStars();
  return table;
}

}  // namespace catalog
