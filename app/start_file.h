#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace app {

// The start file carries the chosen observing site from one run to the next:
// one line of three fields, the site list position, the latitude box text and
// the longitude box text, on print zones 14 columns wide, ended by CR LF.

// A latitude field as read: a number when the field reads as one, else its text.
using NumberOrText = std::variant<double, std::string>;

// The text a latitude box shows for a stored value: a number in its shortest
// decimal form (139.75), a text unchanged.
std::string BoxText(const NumberOrText& value);

// [bytes] read of the start file at most: a start line is far shorter.
inline constexpr std::size_t kStartFileReadLimit = 4096;

// Given:    the first bytes of the start file, at most kStartFileReadLimit, and
//           the file's whole size [bytes].
// Returned: its first line without the line end (CR LF, LF or CR); nullopt
//           when a NUL byte comes before the line end (binary data, not a text
//           line) or when a file longer than the bytes given has no line end
//           within them.
std::optional<std::string> FirstStartFileLine(std::string_view head, std::uint64_t file_size);

inline constexpr std::int16_t kDefaultSiteIndex = 12;  // "東京"
inline constexpr double kDefaultStartLat = 35.65;      // [degrees]
inline constexpr double kDefaultStartLon = 139.75;     // [degrees]

struct StartSettings {
  std::int16_t siteIndex = kDefaultSiteIndex;  // list position, 0..74 after ReadStartSettings
  NumberOrText latitude = kDefaultStartLat;    // [degrees] or typed text
  double longitude = kDefaultStartLon;         // [degrees]
};

// Given:    the file's first line without its line end; any bytes.
// Returned: the three fields, or std::nullopt when the line does not hold them:
//           fewer than three fields, a site index that is not a number or does
//           not fit 16 bits (a fraction rounds half to even), a longitude that is
//           not a finite number, or a latitude text that is not printable UTF-8
//           of at most 256 bytes. A latitude too large for a double is kept as
//           text.
// Notes:    fields are cut at blanks (space, tab), commas, CR, LF and the end;
//           leading blanks are skipped and one comma after a field is consumed.
//           A field opening with a double quote runs to the next lone one, so
//           a quoted text may hold blanks and commas, and "" inside it stands
//           for one quote; "" alone is an empty text (an empty longitude reads
//           as 0, as the box does).
std::optional<StartSettings> ParseStartLine(std::string_view line);

// Given:    the file's first line, std::nullopt when the file could not be read.
// Returned: the settings to start with. A line that cannot be read as a whole
//           gives the defaults (nothing read before the failure is kept); a site
//           index outside the list (0..74) falls back to the default 12.
StartSettings ReadStartSettings(const std::optional<std::string>& line);

// Given:    the site list position and the texts of the latitude and longitude boxes.
// Returned: the file's contents: the position with a leading space when not
//           negative and one trailing space, then each text at the first zone
//           boundary (column 15, 29, 43, ...) after the end of the field before
//           it with at least one blank before it, gaps filled with spaces, then
//           CR LF. A text that is empty or holds a blank, a tab, a comma or a
//           double quote is written in double quotes (a quote inside doubled)
//           so that it reads back whole.
std::string FormatStartLine(int listIndex, std::string_view latitudeText,
                            std::string_view longitudeText);

// Given:    the site list position and the texts of the latitude and longitude
//           boxes as the exit button finds them.
// Returned: the line the exit writes, which the next start-up reads back to
//           the same site: FormatStartLine of the texts where the line can
//           hold them (a latitude that reads as a number or is printable
//           UTF-8, a longitude that reads as a number or is empty, each at
//           most 256 bytes). In place of a text it cannot hold stands the
//           site's own coordinate: for a named site the site table's, for the
//           typed entry "入力" the number the box reads as when the sky is
//           computed (0 for "abc"), or the start-up default (35.65, 139.75)
//           where that is not finite.
std::string StartLineForExit(int listIndex, std::string_view latitudeText,
                             std::string_view longitudeText);

}  // namespace app
