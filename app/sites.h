#pragma once

#include <array>
#include <string_view>

namespace app {

// One observing site of the site list.
struct Site {
  std::string_view name;   // UTF-8, as shown in the list
  std::string_view latin;  // ASCII, for words typed outside the window; empty for the typed entry
  double latitude;         // [degrees, north positive]
  double longitude;        // [degrees, EAST positive]
};

// A Latin name a site also answers to besides its own.
struct OtherLatinName {
  std::string_view latin;  // ASCII
  int position;            // in the site list
};

inline constexpr int kSiteCount = 75;
// List position of "入力": the user types the coordinates, the table's are never used.
inline constexpr int kTypedEntryPosition = 48;

// The 75 sites in list order: list position p shows table entry p + 1.
extern const std::array<Site, kSiteCount> kSites;

// Mumbai, the present name of Bombay.
extern const std::array<OtherLatinName, 1> kOtherLatinNames;

// True for a list position whose table coordinates fill the latitude and
// longitude boxes: any position of the list except the typed entry.
constexpr bool UsesTableCoordinates(int position) {
  return position >= 0 && position < kSiteCount && position != kTypedEntryPosition;
}

}  // namespace app
