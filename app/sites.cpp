#include "app/sites.h"

namespace app {

// Latitude north positive, longitude east positive, both in degrees. "大津" is
// the whole number 35; "入力" repeats "山里" and is never used; the name of
// "ニューデリー " ends with one space.
//
// Latin names: the Japanese places in Hepburn romanisation written in plain
// ASCII, long vowels without their macrons, as road signs and atlases in
// English write them ("Tokyo", "Kyoto", "Osaka", "Kobe", "Kochi", "Kofu",
// "Oita", "Otsu"; "Tsu" for 津); the lookup takes them with macrons too
// ("Tōkyō"). "浦和" keeps its own name, Urawa, though the city is now part of
// Saitama. The world cities have their usual English names, "Sao Paulo"
// without its tilde. "入力" is no place and has none: a script names it by its
// position, 48, with --lat and --lon.
const std::array<Site, kSiteCount> kSites{{
    // The 47 prefectural capitals and one further Japanese place
    {"札幌", "Sapporo", 43.067, 141.35},
    {"青森", "Aomori", 40.817, 140.733},
    {"盛岡", "Morioka", 39.7, 141.15},
    {"仙台", "Sendai", 38.267, 140.867},
    {"秋田", "Akita", 39.717, 140.117},
    {"山形", "Yamagata", 38.25, 140.35},
    {"福島", "Fukushima", 37.75, 140.467},
    {"水戸", "Mito", 36.367, 140.483},
    {"宇都宮", "Utsunomiya", 36.567, 139.883},
    {"前橋", "Maebashi", 36.383, 139.067},
    {"浦和", "Urawa", 35.85, 139.65},
    {"千葉", "Chiba", 35.6, 140.117},
    {"東京", "Tokyo", 35.65, 139.75},
    {"横浜", "Yokohama", 35.45, 139.65},
    {"甲府", "Kofu", 35.667, 138.567},
    {"静岡", "Shizuoka", 34.967, 138.383},
    {"名古屋", "Nagoya", 35.167, 136.917},
    {"新潟", "Niigata", 37.917, 139.033},
    {"長野", "Nagano", 36.65, 138.183},
    {"富山", "Toyama", 36.683, 137.217},
    {"金沢", "Kanazawa", 36.567, 136.65},
    {"福井", "Fukui", 36.067, 136.217},
    {"岐阜", "Gifu", 35.417, 136.767},
    {"津", "Tsu", 34.733, 136.517},
    {"大津", "Otsu", 35, 135.867},
    {"京都", "Kyoto", 35.017, 135.75},
    {"奈良", "Nara", 34.683, 135.833},
    {"大阪", "Osaka", 34.683, 135.483},
    {"和歌山", "Wakayama", 34.233, 135.167},
    {"神戸", "Kobe", 34.683, 135.183},
    {"岡山", "Okayama", 34.667, 133.933},
    {"広島", "Hiroshima", 34.383, 132.45},
    {"山口", "Yamaguchi", 34.183, 131.467},
    {"鳥取", "Tottori", 35.5, 134.233},
    {"松江", "Matsue", 35.467, 133.05},
    {"高松", "Takamatsu", 34.35, 134.05},
    {"徳島", "Tokushima", 34.067, 134.55},
    {"松山", "Matsuyama", 33.833, 132.767},
    {"高知", "Kochi", 33.55, 133.533},
    {"福岡", "Fukuoka", 33.583, 130.4},
    {"佐賀", "Saga", 33.25, 130.3},
    {"長崎", "Nagasaki", 32.75, 129.867},
    {"熊本", "Kumamoto", 32.8, 130.717},
    {"大分", "Oita", 33.233, 131.617},
    {"宮崎", "Miyazaki", 31.9, 131.417},
    {"鹿児島", "Kagoshima", 31.6, 130.55},
    {"那覇", "Naha", 26.217, 127.667},
    {"山里", "Yamazato", 43.92, 144.3},
    // Typed coordinates
    {"入力", "", 43.92, 144.3},
    // World cities
    {"オークランド", "Auckland", -37.02, 174.8},
    {"シドニー", "Sydney", -33.87, 151.2},
    {"グアム", "Guam", 13.55, 144.83},
    {"ソウル", "Seoul", 37.55, 126.97},
    {"マニラ", "Manila", 14.52, 121.0},
    {"台北", "Taipei", 25.03, 121.52},
    {"北京", "Beijing", 39.93, 116.28},
    {"上海", "Shanghai", 31.17, 121.43},
    {"香港", "Hong Kong", 22.3, 114.17},
    {"クワラルンプール", "Kuala Lumpur", 3.12, 101.55},
    {"シンガポール", "Singapore", 1.37, 103.92},
    {"バンコク", "Bangkok", 13.73, 100.57},
    {"ニューデリー ", "New Delhi", 28.58, 77.2},
    {"ボンベイ", "Bombay", 18.9, 72.82},
    {"モスクワ", "Moscow", 55.75, 37.57},
    {"ローマ", "Rome", 41.8, 12.23},
    {"ベルリン", "Berlin", 52.47, 13.4},
    {"パリ", "Paris", 48.97, 2.45},
    {"ロンドン", "London", 51.15, -0.18},
    {"サンパウロ", "Sao Paulo", -23.5, -46.62},
    {"ボストン", "Boston", 42.37, -71.03},
    {"ニューヨーク", "New York", 40.77, -73.9},
    {"シカゴ", "Chicago", 41.78, -87.75},
    {"ロサンゼルス", "Los Angeles", 34.05, -118.23},
    {"サンフランシスコ", "San Francisco", 37.62, -122.38},
    {"ホノルル", "Honolulu", 21.35, -157.93},
}};

const std::array<OtherLatinName, 1> kOtherLatinNames{{{"Mumbai", 62}}};

}  // namespace app
