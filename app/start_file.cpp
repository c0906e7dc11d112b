#include "app/start_file.h"

#include <algorithm>
#include <cstddef>

#include "app/sites.h"
#include "app/text_number.h"

namespace app {
namespace {

constexpr std::size_t kZoneWidth = 14;         // [columns]
constexpr std::size_t kMaxLatitudeText = 256;  // [bytes] longer is not a latitude

constexpr const char* kBlanks = " \t";
constexpr const char* kFieldEnds = " \t,\r\n";  // blanks, comma, line ends
bool EndsLine(char c) {
  return c == '\r' || c == '\n';
}

// Cuts a line into fields.
class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : line_(line) {}

  // The next field, std::nullopt at the end of the line.
  std::optional<std::string_view> Next() {
    SkipBlanks();
    if (pos_ >= line_.size() || EndsLine(line_[pos_])) return std::nullopt;
    std::string_view field;
    if (line_[pos_] == '"') {
      // A quoted text runs to the closing quote (or the end of the line).
      const std::size_t start = pos_ + 1;
      const std::size_t close = std::min(line_.find('"', start), line_.size());
      field = line_.substr(start, close - start);
      pos_ = std::min(close + 1, line_.size());
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
  void SkipBlanks() { pos_ = std::min(line_.find_first_not_of(kBlanks, pos_), line_.size()); }

  std::string_view line_;
  std::size_t pos_ = 0;
};

// Well-formed UTF-8 without control characters.
bool IsPrintableUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      if (lead < 0x20 || lead == 0x7F) return false;
      ++i;
      continue;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07u;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0u) != 0x80u) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

std::optional<NumberOrText> ReadLatitude(std::string_view field) {
  if (const auto number = WholeNumber(field)) return NumberOrText{*number};
  if (field.size() > kMaxLatitudeText || !IsPrintableUtf8(field)) return std::nullopt;
  return NumberOrText{std::string(field)};
}

// A text that is empty or holds a field end would be lost or split on
// reading: it is written in double quotes, as the reader expects such a text.
std::string FieldText(std::string_view text) {
  if (!text.empty() && text.find_first_of(kFieldEnds) == std::string_view::npos) {
    return std::string(text);
  }
  return '"' + std::string(text) + '"';
}

}  // namespace

std::string BoxText(const NumberOrText& value) {
  if (const double* number = std::get_if<double>(&value)) return ShortestText(*number);
  return std::get<std::string>(value);
}

std::optional<StartSettings> ParseStartLine(std::string_view line) {
  FieldReader reader(line);
  const auto index_field = reader.Next();
  const auto latitude_field = reader.Next();
  const auto longitude_field = reader.Next();
  if (!index_field || !latitude_field || !longitude_field) return std::nullopt;

  const auto index_number = WholeNumber(*index_field);
  if (!index_number) return std::nullopt;
  const auto index = RoundToInt16(*index_number);
  const auto latitude = ReadLatitude(*latitude_field);
  // An emptied longitude box reads as 0 when the sky is computed; keep that.
  const auto longitude = longitude_field->empty() ? 0.0 : WholeNumber(*longitude_field);
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

}  // namespace app
