#include "app/control_lookup.h"

#include <charconv>
#include <cstddef>

#include "app/sites.h"
#include "text/folded_name.h"

namespace app {

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  text = TrimTrailingBlanks(text);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

namespace {

// Cuts the leading decimal digits off `text` and returns them without leading
// zeros ("0" for zeros only), or nullopt when `text` does not start with one.
std::optional<std::string> TakeDigits(std::string_view& text) {
  std::size_t length = 0;
  while (length < text.size() && text[length] >= '0' && text[length] <= '9') ++length;
  if (length == 0) return std::nullopt;
  const std::string_view digits = text.substr(0, length);
  text.remove_prefix(length);
  const std::size_t first = digits.find_first_not_of('0');
  return std::string(first == std::string_view::npos ? "0" : digits.substr(first));
}

// The table position of the site whose Latin name, or other Latin name, is
// `wanted` once both are folded, or nullopt.
std::optional<int> SiteOfLatinName(std::string_view wanted) {
  const std::string folded = text::FoldedName(wanted);
  if (folded.empty()) return std::nullopt;
  for (std::size_t p = 0; p < kSites.size(); ++p) {
    if (text::FoldedName(kSites[p].latin) == folded) return static_cast<int>(p);
  }
  for (const OtherLatinName& other : kOtherLatinNames) {
    if (text::FoldedName(other.latin) == folded) return other.position;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> WholeInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc{} || result.ptr != end) return std::nullopt;
  return value;
}

std::optional<int> FindSite(std::string_view wanted) {
  const std::string_view name = TrimTrailingBlanks(wanted);
  for (std::size_t p = 0; p < kSites.size(); ++p) {
    if (!name.empty() && TrimTrailingBlanks(kSites[p].name) == name) return static_cast<int>(p);
  }
  std::optional<int> position = WholeInt(TrimBlanks(wanted));
  if (!position) position = SiteOfLatinName(wanted);
  if (position && *position >= 0 && *position < kSiteCount) return position;
  return std::nullopt;
}

std::optional<int> FindStep(const std::vector<std::string>& items, std::string_view minutes) {
  const auto wanted = WholeInt(TrimBlanks(minutes));
  if (!wanted) return std::nullopt;
  for (std::size_t p = 0; p < items.size(); ++p) {
    if (WholeInt(TrimBlanks(items[p])) == wanted) return static_cast<int>(p);
  }
  return std::nullopt;
}

std::optional<std::array<std::string, 5>> DateBoxesFromInstant(std::string_view text) {
  std::array<std::string, 5> boxes;
  // What follows each field: the date's dashes, a blank or a 'T', the colon.
  constexpr std::array<std::string_view, 4> kSeparators = {"-", "-", " T", ":"};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const auto digits = TakeDigits(text);
    if (!digits) return std::nullopt;
    boxes[i] = *digits;
    if (i == kSeparators.size()) break;
    if (text.empty() || kSeparators[i].find(text.front()) == std::string_view::npos) {
      return std::nullopt;
    }
    text.remove_prefix(1);
  }
  if (!text.empty()) return std::nullopt;
  return boxes;
}

}  // namespace app
