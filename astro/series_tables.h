#pragma once

// Coefficients of the Sun, Moon and planet series, one row per term in the
// order they are added. Each row is {A, factor} or {A, factor, k, p}: the
// coefficient A in the quantity's unit (degrees for longitudes and latitudes,
// au for distances and radii), the factor 1, T or T*T, and for periodic terms
// the rate k [degrees per Julian century] and phase p [degrees] of the cosine.
// The trailing comment numbers the rows.

#include <array>
#include <span>

#include "astro/series.h"

namespace astro {

// Sun: geometric ecliptic longitude [degrees], normalised after the last row.
inline constexpr SeriesRow kSunLongitude[] = {
    {280.4659, kTimes1},                   // 1
    {36000.7695, kTimesT},                 // 2
    {1.9147, kTimes1, 35999.05, 267.52},   // 3
    {-0.0048, kTimesT, 35999.05, 267.52},  // 4
};

// Sun: distance from the Earth [au].
inline constexpr SeriesRow kSunDistance[] = {
    {1.00014, kTimes1},                      // 1
    {0.016706, kTimes1, 35999.05, 177.53},   // 2
    {-0.000042, kTimesT, 35999.05, 177.53},  // 3
    {0.000139, kTimes1, 71998, 175},         // 4
};

// Moon: mean ecliptic longitude [degrees], rows 1 to 3, normalised before the
// periodic terms are added.
inline constexpr SeriesRow kMoonMeanLongitude[] = {
    {218.316, kTimes1},      // 1
    {481267.8809, kTimesT},  // 2
    {-0.00133, kTimesTT},    // 3
};

// Moon: periodic terms of the ecliptic longitude [degrees], rows 4 to 21, added
// to the normalised mean longitude; the sum is normalised again.
inline constexpr SeriesRow kMoonLongitudeTerms[] = {
    {6.2888, kTimes1, 477198.868, 44.963},  // 4
    {1.274, kTimes1, 413335.35, 10.74},     // 5
    {0.6583, kTimes1, 890534.22, 145.7},    // 6
    {0.2136, kTimes1, 954397.74, 179.93},   // 7
    {0.1851, kTimes1, 35999.05, 87.53},     // 8
    {0.1144, kTimes1, 966404, 276.5},       // 9
    {0.0588, kTimes1, 63863.5, 124.2},      // 10
    {0.0571, kTimes1, 377336.3, 13.2},      // 11
    {0.0533, kTimes1, 1367733.1, 280.7},    // 12
    {0.0458, kTimes1, 854535.2, 148.2},     // 13
    {0.0409, kTimes1, 441199.8, 47.4},      // 14
    {0.0347, kTimes1, 445267.1, 27.9},      // 15
    {0.0304, kTimes1, 513197.9, 222.5},     // 16
    {0.0154, kTimes1, 75870, 41},           // 17
    {0.0125, kTimes1, 1443603, 52},         // 18
    {0.011, kTimes1, 489205, 142},          // 19
    {0.0107, kTimes1, 1303870, 246},        // 20
    {0.01, kTimes1, 1431597, 315},          // 21
};

// Moon: ecliptic latitude [degrees].
inline constexpr SeriesRow kMoonLatitude[] = {
    {5.1281, kTimes1, 483202.019, 3.273},  // 1
    {0.2806, kTimes1, 960400.89, 138.24},  // 2
    {0.2777, kTimes1, 6003.15, 48.31},     // 3
    {0.1733, kTimes1, 407332.2, 52.43},    // 4
    {0.0554, kTimes1, 896537.4, 104},      // 5
    {0.0463, kTimes1, 69866.7, 82.5},      // 6
    {0.0326, kTimes1, 1373736.2, 239},     // 7
    {0.0172, kTimes1, 1437599.8, 273.2},   // 8
};

// Venus: heliocentric ecliptic longitude l [degrees], normalised after the last row.
inline constexpr SeriesRow kVenusLongitude[] = {
    {181.9793, kTimes1},                  // 1
    {58519.2125, kTimesT},                // 2
    {0.7761, kTimes1, 58517.8, 320.41},   // 3
    {-0.0054, kTimesT, 58517.8, 320.41},  // 4
    {0.0503, kTimes1, 117036.6, 300.6},   // 5
};

// Venus: heliocentric ecliptic latitude b [degrees].
inline constexpr SeriesRow kVenusLatitude[] = {
    {3.3939, kTimes1, 58518.312, 15.299},  // 1
    {0.001, kTimesT, 58518.312, 15.299},   // 2
    {0.023, kTimes1, 0.5, 144.9},          // 3
    {0.023, kTimes1, 117036.1, 65.7},      // 4
};

// Venus: distance from the Sun r [au].
inline constexpr SeriesRow kVenusRadius[] = {
    {0.723348, kTimes1},                    // 1
    {0.004899, kTimes1, 58517.8, 230.41},   // 2
    {-0.000034, kTimesT, 58517.8, 230.41},  // 3
};

// Mars: heliocentric ecliptic longitude l [degrees], normalised after the last row.
inline constexpr SeriesRow kMarsLongitude[] = {
    {355.4472, kTimes1},                     // 1
    {19141.6999, kTimesT},                   // 2
    {10.6919, kTimes1, 19139.859, 289.388},  // 3
    {0.0105, kTimesT, 19139.859, 289.388},   // 4
    {0.6227, kTimes1, 38279.71, 308.78},     // 5
    {0.0012, kTimesT, 38279.71, 308.78},     // 6
    {0.0504, kTimes1, 57419.6, 328.2},       // 7
    {0.0147, kTimes1, 19, 336},              // 8
    {0.0144, kTimes1, 38282, 342},           // 9
    {-0.014, kTimes1},                       // 10
    {-0.0037, kTimesT},                      // 11
    {0.007, kTimes1, 16105, 48},             // 12
};

// Mars: heliocentric ecliptic latitude b [degrees].
inline constexpr SeriesRow kMarsLatitude[] = {
    {1.8334, kTimes1, 19140.925, 215.876},   // 1
    {-0.0007, kTimesT, 19140.925, 215.876},  // 2
    {0.1727, kTimes1, 1.07, 16.5},           // 3
    {0.1709, kTimes1, 38280.8, 235.28},      // 4
    {0.0179, kTimes1, 57420.6, 254.7},       // 5
};

// Mars: distance from the Sun r [au].
inline constexpr SeriesRow kMarsRadius[] = {
    {1.530339, kTimes1},                      // 1
    {0.000013, kTimesT},                      // 2
    {0.14185, kTimes1, 19139.859, 199.388},   // 3
    {0.000139, kTimesT, 19139.859, 199.388},  // 4
    {0.006606, kTimes1, 38279.72, 218.78},    // 5
    {0.000013, kTimesT, 38279.7, 218.78},     // 6
    {0.000455, kTimes1, 57419.6, 238.2},      // 7
};

// Jupiter: heliocentric ecliptic longitude l [degrees], normalised after the last row.
inline constexpr SeriesRow kJupiterLongitude[] = {
    {3036.08406, kTimesT},                      // 1
    {34.39356, kTimes1},                        // 2
    {5.54603, kTimes1, 3034.53346, 289.68429},  // 3
    {0.17575, kTimes1, 6083.2578, 309.5012},    // 4
    {0.05532, kTimes1, 3624.312, 237.453},      // 5
    {0.0437, kTimesT, 6071.843, 218.916},       // 6
    {0.03557, kTimes1, 596.267, 191.685},       // 7
    {0.02274, kTimes1, 2405.806, 135.412},      // 8
    {0.0212, kTimes1, 1822.117, 73.665},        // 9
    {0.00757, kTimes1, 9107.13, 327.94},        // 10
    {0.00699, kTimes1, 2920.69, 198.68},        // 11
    {0.00607, kTimes1, 4759.11, 88.37},         // 12
    {0.00501, kTimes1, 5449.93, 206.94},        // 13
    {0.00482, kTimes1, 4730.71, 273.36},        // 14
    {0.00397, kTimes1, 4206.81, 294.77},        // 15
    {0.00343, kTimes1, 6666.05, 259.11},        // 16
    {0.00335, kTimes1, 1284.47, 244.1},         // 17
    {0.00224, kTimes1, 1466.26, 54.64},         // 18
};

// Jupiter: heliocentric ecliptic latitude b [degrees].
inline constexpr SeriesRow kJupiterLatitude[] = {
    {1.30086, kTimes1, 3034.12633, 203.91874},  // 1
    {0.06299, kTimes1},                         // 2
    {0.06295, kTimes1, 6068.687, 223.544},      // 3
    {0.02141, kTimesT, 3034.269, 309.356},      // 4
};

// Jupiter: distance from the Sun r [au].
inline constexpr SeriesRow kJupiterRadius[] = {
    {5.209105, kTimes1},                     // 1
    {0.251681, kTimes1, 3034.534, 199.614},  // 2
    {0.006134, kTimes1, 6066.1, 219},        // 3
    {0.002802, kTimes1, 3624.5, 147.7},      // 4
    {0.00088, kTimes1, 2406, 46},            // 5
    {0.000635, kTimes1, 1818, 344},          // 6
    {0.000612, kTimesT, 2968, 19},           // 7
    {0.000309, kTimesT, 6090, 312},          // 8
    {0.000306, kTimes1, 601, 97},            // 9
    {0.000299, kTimes1, 5444, 124},          // 10
    {0.000224, kTimes1, 4215, 205},          // 11
    {0.000212, kTimes1, 9113, 233},          // 12
    {0.000129, kTimes1, 6671, 171},          // 13
};

// Saturn: heliocentric ecliptic longitude l [degrees], normalised after the last row.
inline constexpr SeriesRow kSaturnLongitude[] = {
    {1224.04687, kTimesT},                      // 1
    {49.97937, kTimes1},                        // 2
    {6.19608, kTimes1, 1178.39096, 227.52458},  // 3
    {4.81254, kTimesT, 1200.7657, 317.4395},    // 4
    {0.44141, kTimesT, 2380.375, 279.0711},     // 5
    {0.1972, kTimes1, 2310.5997, 187.9907},     // 6
    {0.11441, kTimes1, 597.506, 9.0137},        // 7
    {0.0322, kTimesT, 3731.729, 8.114},         // 8
    {0.01138, kTimes1, 3816.622, 105.909},      // 9
    {0.00857, kTimes1, 1884.95, 334.19},        // 10
    {0.00215, kTimes1, 3151.76, 22.82},         // 11
    {0.00184, kTimes1, 5435.18, 44.09},         // 12
    {0.00094, kTimes1, 4198.7, 97.3},           // 13
};

// Saturn: heliocentric ecliptic latitude b [degrees].
inline constexpr SeriesRow kSaturnLatitude[] = {
    {2.47972, kTimes1, 1224.56984, 206.33867},  // 1
    {0.13425, kTimes1, 2445.2128, 163.772},     // 2
    {0.05938, kTimesT, 1223.005, 113.635},      // 3
    {0.04858, kTimes1},                         // 4
    {0.00978, kTimesT, 514.08, 27.67},          // 5
    {0.00812, kTimes1, 3673.28, 121.34},        // 6
};

// Saturn: distance from the Sun r [au].
inline constexpr SeriesRow kSaturnRadius[] = {
    {9.554001, kTimes1},                     // 1
    {0.515185, kTimes1, 1188.045, 137.576},  // 2
    {0.314172, kTimesT, 1205.098, 227.317},  // 3
    {0.01478, kTimes1, 2442.07, 92.09},      // 4
    {0.008245, kTimes1, 1814.6, 341.2},      // 5
    {0.0054, kTimes1, 586.3, 277.3},         // 6
    {0.001556, kTimes1, 3612.4, 347.2},      // 7
    {0.001238, kTimesT, 2600, 225.3},        // 8
    {-0.000555, kTimesT},                    // 9
    {0.000314, kTimes1, 5440, 313},          // 10
    {0.000215, kTimes1, 3941, 32},           // 11
    {0.000166, kTimes1, 3228, 160},          // 12
    {0.000136, kTimes1, 4900, 358},          // 13
    {0.000119, kTimes1, 4379, 22},           // 14
    {0.000096, kTimes1, 7245, 298},          // 15
};

// The heliocentric series of one planet and its constant K of the combined
// light-time and aberration correction [degrees * au], which is divided by r.
struct PlanetSeries {
  std::span<const SeriesRow> longitude;  // l [degrees]
  std::span<const SeriesRow> latitude;   // b [degrees]
  std::span<const SeriesRow> radius;     // r [au]
  double K;                              // [degrees * au]
};

// Venus, Mars, Jupiter and Saturn, in the order of the body index from kVenus.
inline constexpr std::array<PlanetSeries, 4> kPlanetSeries = {{
    {kVenusLongitude, kVenusLatitude, kVenusRadius, 0.00484},
    {kMarsLongitude, kMarsLatitude, kMarsRadius, 0.007},
    {kJupiterLongitude, kJupiterLatitude, kJupiterRadius, 0.01298},
    {kSaturnLongitude, kSaturnLatitude, kSaturnRadius, 0.01756},
}};

}  // namespace astro
