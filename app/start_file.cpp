#include "app/start_file.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "app/sites.h"
#include "text/legible.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace app {
namespace {

constexpr std::size_t kZoneWidth = 14;  // [columns]
// [bytes] a longer latitude text is not read, and no longer text is written
constexpr std::size_t kMaxFieldText = 256;

constexpr const char* kBlanks = " \t";
constexpr const char* kFieldEnds = " \t,\r\n";      // blanks, comma, line ends
constexpr const char* kQuotedBytes = " \t,\r\n\"";  // field ends and the quote
bool EndsLine(char c) {
  return c == '\r' || c == '\n';
}

// Cuts a line into fields.
class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : line_(line) {}

  // The next field, std::nullopt at the end of the line.
  std::optional<std::string> Next() {
    SkipBlanks();
    if (pos_ >= line_.size() || EndsLine(line_[pos_])) return std::nullopt;
    std::string field;
    if (line_[pos_] == '"') {
      field = QuotedText();
    } else {
      const std::size_t start = pos_;
      pos_ = std::min(line_.find_first_of(kFieldEnds, pos_), line_.size());
      field = line_.substr(start, pos_ - start);
    }
    SkipBlanks();
    if (pos_ < line_.size() && line_[pos_] == ',') ++pos_;
    return field;
  }

 private:
  // A quoted text runs to the closing quote (or the end of the line); a
  // doubled quote inside stands for one quote.
  std::string QuotedText() {
    std::string text;
    ++pos_;
    for (;;) {
      const std::size_t quote = std::min(line_.find('"', pos_), line_.size());
      text.append(line_.substr(pos_, quote - pos_));
      pos_ = std::min(quote + 1, line_.size());
      if (quote + 1 >= line_.size() || line_[quote + 1] != '"') return text;
      text += '"';
      ++pos_;
    }
  }

  void SkipBlanks() { pos_ = std::min(line_.find_first_not_of(kBlanks, pos_), line_.size()); }

  std::string_view line_;
  std::size_t pos_ = 0;
};

std::optional<NumberOrText> ReadLatitude(std::string_view field) {
  if (const auto number = text::WholeNumber(field)) return NumberOrText{*number};
  if (field.size() > kMaxFieldText || !text::IsPrintableUtf8(field)) return std::nullopt;
  return NumberOrText{std::string(field)};
}

// An emptied longitude box reads as 0 when the sky is computed; the field keeps that.
std::optional<double> ReadLongitude(std::string_view field) {
  if (field.empty()) return 0.0;
  return text::WholeNumber(field);
}

// A text that is empty, holds a field end or a quote would be lost or split
// on reading: it is written in double quotes, a quote inside doubled, as the
// reader expects such a text.
std::string FieldText(std::string_view text) {
  if (!text.empty() && text.find_first_of(kQuotedBytes) == std::string_view::npos) {
    return std::string(text);
  }
  return text::DoubleQuoted(text);
}

// The coordinate written in place of a box text the line cannot hold: a named
// site's own from the site table; for the typed entry the number the box reads
// as when the sky is computed, or the start-up default when that is no number.
std::string FallbackCoordinate(int listIndex, std::string_view boxText, double Site::*coordinate,
                               double start_default) {
  if (UsesTableCoordinates(listIndex)) {
    return text::BoxNumber(kSites[static_cast<std::size_t>(listIndex)].*coordinate);
  }
  const double number = text::LeadingNumber(boxText);
  return text::BoxNumber(std::isfinite(number) ? number : start_default);
}

}  // namespace

std::optional<std::string> FirstStartFileLine(std::string_view head, std::uint64_t file_size) {
  const std::size_t end = std::min(head.find_first_of("\r\n"), head.size());
  if (head.substr(0, end).find('\0') != std::string_view::npos) return std::nullopt;
  const bool has_line_end = end < head.size();
  if (!has_line_end && file_size > head.size()) return std::nullopt;
  return std::string(head.substr(0, end));
}

std::string BoxText(const NumberOrText& value) {
  if (const double* number = std::get_if<double>(&value)) return text::BoxNumber(*number);
  return std::get<std::string>(value);
}

std::optional<StartSettings> ParseStartLine(std::string_view line) {
  FieldReader reader(line);
  const auto index_field = reader.Next();
  const auto latitude_field = reader.Next();
  const auto longitude_field = reader.Next();
  if (!index_field || !latitude_field || !longitude_field) return std::nullopt;

  const auto index_number = text::WholeNumber(*index_field);
  if (!index_number) return std::nullopt;
  const auto index = text::RoundToInt16(*index_number);
  const auto latitude = ReadLatitude(*latitude_field);
  const auto longitude = ReadLongitude(*longitude_field);
  if (!index || !latitude || !longitude) return std::nullopt;
  return StartSettings{*index, *latitude, *longitude};
}

StartSettings ReadStartSettings(const std::optional<std::string>& line) {
  StartSettings settings;
  if (line) {
    if (auto parsed = ParseStartLine(*line)) settings = std::move(*parsed);
  }
  if (settings.siteIndex < 0 || settings.siteIndex >= kSiteCount) {
    settings.siteIndex = kDefaultSiteIndex;
  }
  return settings;
}

std::string FormatStartLine(int listIndex, std::string_view latitudeText,
                            std::string_view longitudeText) {
  std::string line = (listIndex >= 0 ? " " : "") + std::to_string(listIndex) + " ";
  for (const std::string_view text : {latitudeText, longitudeText}) {
    // Each field starts on the next zone boundary with at least one blank
    // before it: a field that fills its zone to the last column would otherwise
    // run into the next one, and the reader would lose both.
    line.resize((line.size() / kZoneWidth + 1) * kZoneWidth, ' ');
    line += FieldText(text);
  }
  line += "\r\n";
  return line;
}

std::string StartLineForExit(int listIndex, std::string_view latitudeText,
                             std::string_view longitudeText) {
  const bool latitude_held = latitudeText.size() <= kMaxFieldText && ReadLatitude(latitudeText);
  const bool longitude_held = longitudeText.size() <= kMaxFieldText && ReadLongitude(longitudeText);
  return FormatStartLine(
      listIndex,
      latitude_held
          ? std::string(latitudeText)
          : FallbackCoordinate(listIndex, latitudeText, &Site::latitude, kDefaultStartLat),
      longitude_held
          ? std::string(longitudeText)
          : FallbackCoordinate(listIndex, longitudeText, &Site::longitude, kDefaultStartLon));
}

}  // namespace app
