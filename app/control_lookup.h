#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The window's controls found from words a user types outside the window: the
// command line's options and the web page's address.

// The text without the blanks (spaces, tabs) the lists pad their items with:
// at its end, or at both ends.
std::string_view TrimTrailingBlanks(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

// Given:    a text. Returned: the whole number it is, written in decimal digits
//           with an optional minus sign and nothing else, or nullopt (also when
//           it does not fit an int).
std::optional<int> WholeInt(std::string_view text);

// Given:    the user's choice of a site: its name in the site table (trailing
//           blanks ignored on both sides of the comparison), a list position
//           0..74, or its Latin name ("Tokyo", or Mumbai for Bombay) compared
//           as text::FoldedName folds both: "tokyo", "TŌKYŌ", "new-york" and
//           "São Paulo" are found too.
// Returned: the list position, or nullopt when nothing matches.
std::optional<int> FindSite(std::string_view wanted);

// Given:    the time-step list's items and a number of minutes as text.
// Returned: the position of the item with that number, or nullopt.
std::optional<int> FindStep(const std::vector<std::string>& items, std::string_view minutes);

// Given:    an instant "YYYY-MM-DD HH:MM" or "YYYY-MM-DDTHH:MM" (Japan Standard
//           Time); each field one or more decimal digits, of any size.
// Returned: the texts of the five date and time boxes, year to minute, as
//           decimal digits without leading zeros ("2000-01-01 09:05" gives
//           2000 1 1 9 5), or nullopt for any other text; the boxes judge the
//           values, as they judge what is typed into them.
std::optional<std::array<std::string, 5>> DateBoxesFromInstant(std::string_view text);

}  // namespace app
