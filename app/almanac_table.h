#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/almanac.h"

namespace app {

// The almanac (暦) of one site and one day as every front end shows it: a
// table of Japanese texts for pupils, and the values it was made from for
// machine output.

// Where and for which day of Japan Standard Time an almanac was computed.
struct AlmanacSubject {
  std::optional<int> site;             // its position in the site list; none for typed coordinates
  double latitude = 0, longitude = 0;  // [degrees, north and east positive] as computed
  int year = 0, month = 0, day = 0;    // the date computed, in the planetarium's calendar
};

// The columns of the bodies' table, left to right.
inline constexpr std::size_t kAlmanacColumnCount = 7;
inline constexpr std::array<std::string_view, kAlmanacColumnCount> kAlmanacColumns = {
    "天体", "出", "出の方位", "南中", "南中高度", "入", "入の方位"};

// The words around the two tables: the heading, the tables' own names, the
// columns of the second table and the button that closes the display.
struct AlmanacWords {
  std::string_view heading;        // the display's name, as the button that opens it
  std::string_view bodiesCaption;  // the table of risings, transits and settings
  std::string_view factsCaption;   // the table of the Moon's and Venus's phases
  std::string_view factColumn, valueColumn;
  std::string_view close;
};
inline constexpr AlmanacWords kAlmanacWords{
    "暦", "天体の出・南中・入", "正午の月と金星", "項目", "値", "閉じる"};

// What the boxes say when they hold no date and site the almanac can be computed for.
inline constexpr std::string_view kNoAlmanacMessage =
    "年・月・日と緯度・経度の欄から計算できる日付と場所が読めないので、暦は出せません。";

using AlmanacRow = std::array<std::string, kAlmanacColumnCount>;

// One line of the second table: what it is and its value ("正午月齢", "12.3").
struct AlmanacFact {
  std::string label, value;
};

struct AlmanacTable {
  AlmanacSubject subject;
  astro::AlmanacDay day;  // the values the texts show
  // "東京（北緯 35.65°、東経 139.75°） 2024年1月15日（日本標準時）"
  std::string title;
  std::vector<AlmanacRow> bodies;  // one row a body, in body order (chart::kBodyRows)
  std::vector<AlmanacFact> facts;  // the Moon's age, lit part and phase; Venus's lit part, size
};

// The table of a computed almanac.
// Given:    where and for which day, and its almanac (astro::ComputeAlmanacDay)
// Returned: the title; per body its label, each event's time as "HH:MM" (minute
//           1440 as "24:00") or "なし", an azimuth as "118.1（東南東）" (one
//           decimal as the readout shows it, and the nearest of the 16 compass
//           points), the transit's altitude as "31.3", "—" beside a missing
//           event; then the Moon's age at noon (one decimal), its lit part and
//           Venus's as whole percents, the Moon's phase and Venus's diameter
//           ("23.4″").
AlmanacTable MakeAlmanacTable(const AlmanacSubject& subject, const astro::AlmanacDay& day);

// Returned: where the almanac is for: the site's name, or for typed
// coordinates "北緯 35°、東経 135°".
std::string AlmanacSite(const AlmanacSubject& subject);

// Returned: the nearest of the 16 compass points in Japanese ("北", "北北東",
// ... "北北西") to an azimuth [degrees, north 0, east 90, any value].
std::string_view CompassPoint(double azimuth);

// Returned: a minute of the day as "HH:MM" (0 "00:00", 1440 "24:00").
std::string ClockTime(int minute);

}  // namespace app
