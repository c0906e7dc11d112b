// The constellation tables against the official Japanese constellation names, the
// Bright Star Catalogue and the chart catalogue.

#include "catalog/constellations.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "catalog/star_names.h"
#include "catalog/star_tables.h"

namespace catalog {
namespace {

constexpr double kRadPerDeg = 0.017453292519943;
constexpr double kDegPerRad = 57.295779513082;

struct OfficialName {
  std::string_view abbreviation, latin, japanese;
};

// The 88 constellations of the IAU with their names in 学術用語集 天文学編 (増訂版,
// 文部省・日本学術振興会 1994), in the IAU's order.
constexpr std::array<OfficialName, kConstellationCount> kOfficialNames{{
    {"And", "Andromeda", "アンドロメダ座"},
    {"Ant", "Antlia", "ポンプ座"},
    {"Aps", "Apus", "ふうちょう座"},
    {"Aqr", "Aquarius", "みずがめ座"},
    {"Aql", "Aquila", "わし座"},
    {"Ara", "Ara", "さいだん座"},
    {"Ari", "Aries", "おひつじ座"},
    {"Aur", "Auriga", "ぎょしゃ座"},
    {"Boo", "Boötes", "うしかい座"},
    {"Cae", "Caelum", "ちょうこくぐ座"},
    {"Cam", "Camelopardalis", "きりん座"},
    {"Cnc", "Cancer", "かに座"},
    {"CVn", "Canes Venatici", "りょうけん座"},
    {"CMa", "Canis Major", "おおいぬ座"},
    {"CMi", "Canis Minor", "こいぬ座"},
    {"Cap", "Capricornus", "やぎ座"},
    {"Car", "Carina", "りゅうこつ座"},
    {"Cas", "Cassiopeia", "カシオペヤ座"},
    {"Cen", "Centaurus", "ケンタウルス座"},
    {"Cep", "Cepheus", "ケフェウス座"},
    {"Cet", "Cetus", "くじら座"},
    {"Cha", "Chamaeleon", "カメレオン座"},
    {"Cir", "Circinus", "コンパス座"},
    {"Col", "Columba", "はと座"},
    {"Com", "Coma Berenices", "かみのけ座"},
    {"CrA", "Corona Australis", "みなみのかんむり座"},
    {"CrB", "Corona Borealis", "かんむり座"},
    {"Crv", "Corvus", "からす座"},
    {"Crt", "Crater", "コップ座"},
    {"Cru", "Crux", "みなみじゅうじ座"},
    {"Cyg", "Cygnus", "はくちょう座"},
    {"Del", "Delphinus", "いるか座"},
    {"Dor", "Dorado", "かじき座"},
    {"Dra", "Draco", "りゅう座"},
    {"Equ", "Equuleus", "こうま座"},
    {"Eri", "Eridanus", "エリダヌス座"},
    {"For", "Fornax", "ろ座"},
    {"Gem", "Gemini", "ふたご座"},
    {"Gru", "Grus", "つる座"},
    {"Her", "Hercules", "ヘルクレス座"},
    {"Hor", "Horologium", "とけい座"},
    {"Hya", "Hydra", "うみへび座"},
    {"Hyi", "Hydrus", "みずへび座"},
    {"Ind", "Indus", "インディアン座"},
    {"Lac", "Lacerta", "とかげ座"},
    {"Leo", "Leo", "しし座"},
    {"LMi", "Leo Minor", "こじし座"},
    {"Lep", "Lepus", "うさぎ座"},
    {"Lib", "Libra", "てんびん座"},
    {"Lup", "Lupus", "おおかみ座"},
    {"Lyn", "Lynx", "やまねこ座"},
    {"Lyr", "Lyra", "こと座"},
    {"Men", "Mensa", "テーブルさん座"},
    {"Mic", "Microscopium", "けんびきょう座"},
    {"Mon", "Monoceros", "いっかくじゅう座"},
    {"Mus", "Musca", "はえ座"},
    {"Nor", "Norma", "じょうぎ座"},
    {"Oct", "Octans", "はちぶんぎ座"},
    {"Oph", "Ophiuchus", "へびつかい座"},
    {"Ori", "Orion", "オリオン座"},
    {"Pav", "Pavo", "くじゃく座"},
    {"Peg", "Pegasus", "ペガスス座"},
    {"Per", "Perseus", "ペルセウス座"},
    {"Phe", "Phoenix", "ほうおう座"},
    {"Pic", "Pictor", "がか座"},
    {"Psc", "Pisces", "うお座"},
    {"PsA", "Piscis Austrinus", "みなみのうお座"},
    {"Pup", "Puppis", "とも座"},
    {"Pyx", "Pyxis", "らしんばん座"},
    {"Ret", "Reticulum", "レチクル座"},
    {"Sge", "Sagitta", "や座"},
    {"Sgr", "Sagittarius", "いて座"},
    {"Sco", "Scorpius", "さそり座"},
    {"Scl", "Sculptor", "ちょうこくしつ座"},
    {"Sct", "Scutum", "たて座"},
    {"Ser", "Serpens", "へび座"},
    {"Sex", "Sextans", "ろくぶんぎ座"},
    {"Tau", "Taurus", "おうし座"},
    {"Tel", "Telescopium", "ぼうえんきょう座"},
    {"Tri", "Triangulum", "さんかく座"},
    {"TrA", "Triangulum Australe", "みなみのさんかく座"},
    {"Tuc", "Tucana", "きょしちょう座"},
    {"UMa", "Ursa Major", "おおぐま座"},
    {"UMi", "Ursa Minor", "こぐま座"},
    {"Vel", "Vela", "ほ座"},
    {"Vir", "Virgo", "おとめ座"},
    {"Vol", "Volans", "とびうお座"},
    {"Vul", "Vulpecula", "こぎつね座"},
}};

TEST(Constellations, NamesAreTheOfficialOnes) {
  for (std::size_t k = 0; k < kOfficialNames.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "constellation " << k << " " << kOfficialNames[k].latin);
    EXPECT_EQ(Constellations()[k].abbreviation, kOfficialNames[k].abbreviation);
    EXPECT_EQ(Constellations()[k].latin, kOfficialNames[k].latin);
    EXPECT_EQ(Constellations()[k].japanese, kOfficialNames[k].japanese);
  }
}

struct Place {
  double ra_hours, dec_deg;
};

// Angle between two places [degrees] (haversine form).
double SeparationDeg(Place a, Place b) {
  const double dec_a = a.dec_deg * kRadPerDeg, dec_b = b.dec_deg * kRadPerDeg;
  const double s_dec = std::sin((dec_a - dec_b) / 2.0);
  const double s_ra = std::sin((a.ra_hours - b.ra_hours) * 15.0 * kRadPerDeg / 2.0);
  const double h = s_dec * s_dec + std::cos(dec_a) * std::cos(dec_b) * s_ra * s_ra;
  return 2.0 * std::asin(std::sqrt(h)) * kDegPerRad;
}

Place PlaceOf(const SkyStar& star) {
  return {star.ra_hours, star.dec_deg};
}

// A J2000 place brought to epoch 2003.5 with the annual precession in right
// ascension and declination of Meeus, Astronomical Algorithms (2nd ed.), (21.1).
Place PrecessedFromJ2000(Place j2000) {
  constexpr double kYears = 3.5;
  constexpr double kM = 3.07496, kN = 1.33621;  // [seconds of time per year]
  constexpr double kNArcsec = 20.0431;          // [arcsec per year]
  const double ra = j2000.ra_hours * 15.0 * kRadPerDeg, dec = j2000.dec_deg * kRadPerDeg;
  const double dra_seconds = (kM + kN * std::sin(ra) * std::tan(dec)) * kYears;
  const double ddec_arcsec = kNArcsec * std::cos(ra) * kYears;
  return {j2000.ra_hours + dra_seconds / 3600.0, j2000.dec_deg + ddec_arcsec / 3600.0};
}

struct CatalogueStar {
  int hr;
  Place j2000;  // Bright Star Catalogue, 5th revised edition
};

struct NamedLine {
  std::string_view constellation;
  CatalogueStar a, b;
};

constexpr CatalogueStar kDeltaOri{1852, {5.5334, -0.2992}}, kEpsilonOri{1903, {5.6036, -1.2019}},
    kZetaOri{1948, {5.6793, -1.9428}};
constexpr CatalogueStar kAlphaUMa{4301, {11.0621, 61.7508}}, kBetaUMa{4295, {11.0307, 56.3825}},
    kGammaUMa{4554, {11.8972, 53.6947}}, kDeltaUMa{4660, {12.2571, 57.0325}},
    kEpsilonUMa{4905, {12.9005, 55.9597}}, kZetaUMa{5054, {13.3987, 54.9253}},
    kEtaUMa{5191, {13.7923, 49.3133}};

// Lines every drawing of these figures has; zeta1 and delta2 Lyr are fainter than
// the chart catalogue.
constexpr std::array<NamedLine, 11> kNamedLines{{
    {"Ori", kDeltaOri, kEpsilonOri},
    {"Ori", kEpsilonOri, kZetaOri},
    {"UMa", kAlphaUMa, kBetaUMa},
    {"UMa", kBetaUMa, kGammaUMa},
    {"UMa", kGammaUMa, kDeltaUMa},
    {"UMa", kDeltaUMa, kAlphaUMa},
    {"UMa", kDeltaUMa, kEpsilonUMa},
    {"UMa", kEpsilonUMa, kZetaUMa},
    {"UMa", kZetaUMa, kEtaUMa},
    {"Cru", {4730, {12.4433, -63.0992}}, {4763, {12.5194, -57.1133}}},
    {"Lyr", {7056, {18.7462, 37.6050}}, {7139, {18.9084, 36.8989}}},
}};

TEST(Constellations, FigureLinesEndOnTheCataloguePlacesOfTheirStars) {
  for (const NamedLine& named : kNamedLines) {
    SCOPED_TRACE(testing::Message()
                 << named.constellation << " HR " << named.a.hr << " - HR " << named.b.hr);
    int found = 0;
    for (const FigureLine& line : ConstellationLines()) {
      const SkyStar& from = SkyStars()[line.from];
      const SkyStar& to = SkyStars()[line.to];
      if (Constellations()[line.figure].abbreviation != named.constellation ||
          std::set{from.hr, to.hr} != std::set{named.a.hr, named.b.hr}) {
        continue;
      }
      ++found;
      for (const CatalogueStar& star : {named.a, named.b}) {
        const SkyStar& end = from.hr == star.hr ? from : to;
        EXPECT_LT(SeparationDeg(PlaceOf(end), PrecessedFromJ2000(star.j2000)) * 60.0, 1.0)
            << "HR " << star.hr << " at " << end.ra_hours << " h " << end.dec_deg << " deg";
      }
    }
    EXPECT_EQ(found, 1);
  }
}

// A star that is a chart row must be drawn exactly where the chart draws it; any
// other one must not be a chart star under another number.
TEST(Constellations, SkyStarsAreChartRowsExactlyOrApart) {
  const StarTables chart = ChartCatalogue();
  int previous_hr = 0;
  for (const SkyStar& star : SkyStars()) {
    SCOPED_TRACE(testing::Message() << "HR " << star.hr << " chart row " << star.chart_row);
    EXPECT_GT(star.hr, previous_hr);
    previous_hr = star.hr;
    if (star.chart_row > 0) {
      ASSERT_LE(star.chart_row, kChartStarCount);
      EXPECT_EQ(star.ra_hours, chart.StarTable(kRightAscension, star.chart_row));
      EXPECT_EQ(star.dec_deg, chart.StarTable(kDeclination, star.chart_row));
      EXPECT_EQ(star.magnitude, chart.StarTable(kMagnitude, star.chart_row));
      continue;
    }
    for (int row = 1; row <= kChartStarCount; ++row) {
      const Place drawn{chart.StarTable(kRightAscension, row), chart.StarTable(kDeclination, row)};
      EXPECT_GT(SeparationDeg(PlaceOf(star), drawn) * 60.0, 1.0) << "chart row " << row;
    }
  }
}

// Every line is short and inside its figure's list; each figure's name point lies
// among its stars: closer to one of them than 12 degrees or its longest line.
template <std::size_t N, typename Figure>
void ExpectCompactFigures(std::span<const FigureLine, N> lines, std::span<const Figure> figures) {
  constexpr double kLongestLineDeg = 40.0;
  constexpr double kNameNearDeg = 12.0;
  std::vector<double> nearest(figures.size(), 180.0), longest(figures.size(), 0.0);
  std::size_t previous_figure = 0;
  for (const FigureLine& line : lines) {
    SCOPED_TRACE(testing::Message()
                 << "figure " << int{line.figure} << " line " << line.from << " - " << line.to);
    ASSERT_LT(line.figure, figures.size());
    ASSERT_LT(line.from, SkyStars().size());
    ASSERT_LT(line.to, SkyStars().size());
    EXPECT_GE(line.figure, previous_figure);  // grouped by figure
    previous_figure = line.figure;
    EXPECT_NE(line.from, line.to);
    const Place from = PlaceOf(SkyStars()[line.from]), to = PlaceOf(SkyStars()[line.to]);
    EXPECT_LT(SeparationDeg(from, to), kLongestLineDeg);
    const Place name{figures[line.figure].name_ra_hours, figures[line.figure].name_dec_deg};
    double& near = nearest[line.figure];
    near = std::fmin(near, std::fmin(SeparationDeg(name, from), SeparationDeg(name, to)));
    longest[line.figure] = std::fmax(longest[line.figure], SeparationDeg(from, to));
  }
  for (std::size_t k = 0; k < figures.size(); ++k) {
    EXPECT_LT(nearest[k], std::fmax(kNameNearDeg, longest[k]))
        << figures[k].japanese << " (180 when it has no lines)";
  }
}

TEST(Constellations, FiguresAreCompactAndNamedAmongTheirStars) {
  ExpectCompactFigures(ConstellationLines(), std::span<const Constellation>(Constellations()));
  ExpectCompactFigures(AsterismLines(), std::span<const Asterism>(Asterisms()));
}

struct AsterismStars {
  std::string_view id, japanese;
  std::set<int> hr;  // Bright Star Catalogue numbers
  std::size_t lines;
};

TEST(Constellations, AsterismsAreMadeOfTheirNamedStars) {
  const std::array<AsterismStars, kAsterismCount> expected{{
      {"summer-triangle", "夏の大三角", {7001, 7924, 7557}, 3},  // Vega, Deneb, Altair
      {"winter-triangle", "冬の大三角", {2061, 2491, 2943}, 3},  // Betelgeuse, Sirius, Procyon
      {"spring-triangle", "春の大三角", {5340, 5056, 4534}, 3},  // Arcturus, Spica, Denebola
      {"autumn-square", "秋の四辺形", {8781, 8775, 39, 15}, 4},  // alpha beta gamma Peg, alpha And
      {"big-dipper", "北斗七星", {4301, 4295, 4554, 4660, 4905, 5054, 5191}, 7},  // UMa
      {"spring-great-curve", "春の大曲線", {4905, 5054, 5191, 5340, 5056}, 4},
  }};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE(expected[k].id);
    EXPECT_EQ(Asterisms()[k].id, expected[k].id);
    EXPECT_EQ(Asterisms()[k].japanese, expected[k].japanese);
    std::set<int> hr;
    std::size_t lines = 0;
    for (const FigureLine& line : AsterismLines()) {
      if (line.figure != k) continue;
      ++lines;
      hr.insert({SkyStars()[line.from].hr, SkyStars()[line.to].hr});
    }
    EXPECT_EQ(hr, expected[k].hr);
    EXPECT_EQ(lines, expected[k].lines);
  }
}

struct NamedBrightStar {
  std::string_view id, japanese;
  int hr, bright_row;  // Bright Star Catalogue number, row of BrightStarTable()
};

// The twenty named stars of the readout keep their names and places.
constexpr std::array<NamedBrightStar, kBrightStarCount> kNamedBright{{
    {"achernar", "アカーナー", 472, 1},
    {"aldebaran", "アルデバラン", 1457, 2},
    {"rigel", "リゲル", 1713, 3},
    {"capella", "カペラ", 1708, 4},
    {"betelgeuse", "ベテルギウス", 2061, 5},
    {"canopus", "カノープス", 2326, 6},
    {"sirius", "シリウス", 2491, 7},
    {"castor", "カストル", 2891, 8},
    {"procyon", "プロキオン", 2943, 9},
    {"pollux", "ポルックス", 2990, 10},
    {"regulus", "レグルス", 3982, 11},
    {"spica", "スピカ", 5056, 12},
    {"arcturus", "アークトゥルス", 5340, 13},
    {"alpha-centauri", "アルファセンタウリ", 5459, 14},
    {"antares", "アンタレス", 6134, 15},
    {"vega", "ベガ", 7001, 16},
    {"altair", "アルタイル", 7557, 17},
    {"deneb", "デネブ", 7924, 18},
    {"fomalhaut", "フォーマルハウト", 8728, 19},
    {"polaris", "北極星", 424, 20},
}};

TEST(Constellations, NamedBrightStarsKeepTheirNamesAndPlaces) {
  const StarTables bright = BrightStarTable();
  std::set<std::string_view> ids;
  for (const StarNameRow& name : StarNames()) {
    EXPECT_TRUE(ids.insert(name.id).second) << "id " << name.id << " twice";
  }
  for (const NamedBrightStar& expected : kNamedBright) {
    SCOPED_TRACE(expected.id);
    int found = 0;
    for (const StarNameRow& name : StarNames()) {
      if (name.id != expected.id) continue;
      ++found;
      const SkyStar& star = SkyStars()[name.star];
      EXPECT_EQ(star.hr, expected.hr);
      EXPECT_EQ(name.japanese, expected.japanese);
      EXPECT_EQ(star.ra_hours, bright.StarTable(kRightAscension, expected.bright_row));
      EXPECT_EQ(star.dec_deg, bright.StarTable(kDeclination, expected.bright_row));
      // The readout's row is this star, under the label the chart prints.
      EXPECT_EQ(BrightStarHr(expected.bright_row), expected.hr);
      EXPECT_EQ(bright.StarName[static_cast<std::size_t>(expected.bright_row)], name.label);
      EXPECT_EQ(StarLabel(expected.hr), name.label);
    }
    EXPECT_EQ(found, 1);
  }
}

}  // namespace
}  // namespace catalog
