#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

#include "text/decimal.h"

namespace text {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The characters a Japanese input method types for a number, in UTF-8, and
// the ASCII each stands for: the full-width digits, plus and minus signs and
// full stop, the minus sign U+2212 and the ideographic space.
struct NumberForm {
  std::string_view utf8;
  char ascii;
};
constexpr NumberForm kNumberForms[] = {
    {"\uFF10", '0'}, {"\uFF11", '1'}, {"\uFF12", '2'}, {"\uFF13", '3'}, {"\uFF14", '4'},
    {"\uFF15", '5'}, {"\uFF16", '6'}, {"\uFF17", '7'}, {"\uFF18", '8'}, {"\uFF19", '9'},
    {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\u2212", '-'}, {"\uFF0E", '.'}, {"\u3000", ' '}};

// The text with those characters as their ASCII forms, every other byte as it
// is. They are all three bytes long and UTF-8 never starts a character inside
// another, so a byte-wise match is safe in any bytes, valid UTF-8 or not.
std::string AsciiNumberForms(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto form =
        std::find_if(std::begin(kNumberForms), std::end(kNumberForms),
                     [&](const NumberForm& f) { return text.substr(i, 3) == f.utf8; });
    if (form == std::end(kNumberForms)) {
      ascii += text[i++];
    } else {
      ascii += form->ascii;
      i += 3;
    }
  }
  return ascii;
}

// What a scan of the number grammar found at the start of a text.
struct NumberScan {
  bool found = false;     // at least one mantissa digit
  bool negative = false;  // a leading minus sign
  std::string mantissa;   // digits with at most one '.'
  std::string exponent;   // signed exponent digits ("-12"), empty when absent
  std::size_t end = 0;    // bytes of the text that belong to the number
};

class Scanner {
 public:
  Scanner(std::string_view text, bool skip_blanks) : text_(text), skip_blanks_(skip_blanks) {}

  NumberScan Scan() {
    NumberScan scan;
    SkipBlanks();
    if (Peek() == '+' || Peek() == '-') {
      scan.negative = Peek() == '-';
      ++pos_;
    }
    bool seen_point = false;
    for (;;) {
      AppendDigitRun(scan);
      if (Peek() != '.' || seen_point) break;
      seen_point = true;
      scan.mantissa += '.';
      ++pos_;
    }
    if (!scan.found) return NumberScan{};
    scan.end = pos_;
    ScanExponent(scan);
    return scan;
  }

 private:
  // An exponent counts only with at least one digit; otherwise the letter is
  // not part of the number ("1e" reads as 1).
  void ScanExponent(NumberScan& scan) {
    const char letter = Peek();
    if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') return;
    ++pos_;
    SkipBlanks();
    std::string exponent;
    if (Peek() == '+' || Peek() == '-') {
      if (Peek() == '-') exponent += '-';
      ++pos_;
    }
    bool any_digit = false;
    for (SkipBlanks(); pos_ < text_.size() && IsDigit(text_[pos_]); SkipBlanks()) {
      exponent += text_[pos_];
      any_digit = true;
      ++pos_;
    }
    if (!any_digit) return;
    scan.exponent = std::move(exponent);
    scan.end = pos_;
  }

  // Digits (and blanks, when they are skipped) up to the next other byte; the
  // digits are appended to the mantissa.
  void AppendDigitRun(NumberScan& scan) {
    const char* run_bytes = skip_blanks_ ? "0123456789 \t" : "0123456789";
    const std::size_t run_end = std::min(text_.find_first_not_of(run_bytes, pos_), text_.size());
    const std::size_t start = scan.mantissa.size();
    const std::string_view run = text_.substr(pos_, run_end - pos_);
    scan.mantissa.append(run);
    if (skip_blanks_ && run.find_first_of(" \t") != std::string_view::npos) {
      scan.mantissa.erase(std::remove_if(scan.mantissa.begin() + static_cast<std::ptrdiff_t>(start),
                                         scan.mantissa.end(), IsBlank),
                          scan.mantissa.end());
    }
    if (scan.mantissa.size() > start) scan.found = true;
    pos_ = run_end;
  }

  void SkipBlanks() {
    while (skip_blanks_ && pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  std::string_view text_;
  bool skip_blanks_;
  std::size_t pos_ = 0;
};

// Decimal position of the leading non-zero digit plus the exponent: positive
// for a value of 1 or more. Only consulted when the value left the double
// range, to tell overflow from underflow.
long long DecimalMagnitude(const NumberScan& scan) {
  const std::string& mantissa = scan.mantissa;
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string::npos) return 0;
  const auto magnitude = first < point ? static_cast<long long>(point - first)
                                       : -static_cast<long long>(first - point - 1);
  constexpr long long kLimit = 1'000'000'000'000LL;
  long long exponent = 0;
  for (const char c : scan.exponent) {
    if (exponent >= kLimit) break;
    if (IsDigit(c)) exponent = exponent * 10 + (c - '0');
  }
  if (!scan.exponent.empty() && scan.exponent.front() == '-') exponent = -exponent;
  return magnitude + exponent;
}

double ValueOf(const NumberScan& scan) {
  std::string text = scan.mantissa;
  if (!scan.exponent.empty()) text += 'e' + scan.exponent;
  const DecimalValue read = ReadDecimal(text);
  double value = read.value;
  if (read.outOfRange) {
    value = DecimalMagnitude(scan) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return scan.negative ? -value : value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  // Only a byte of 0xE2 or above can begin one of the forms above.
  const bool plain = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0xE2; });
  const std::string folded = plain ? std::string() : AsciiNumberForms(text);
  const NumberScan scan = Scanner(plain ? text : std::string_view(folded), true).Scan();
  return scan.found ? ValueOf(scan) : 0.0;
}

std::optional<double> WholeNumber(std::string_view field) {
  const NumberScan scan = Scanner(field, false).Scan();
  if (!scan.found || scan.end != field.size()) return std::nullopt;
  const double value = ValueOf(scan);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double below = std::floor(value);
  const double fraction = value - below;
  double rounded = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1;
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

std::string FormatOneDecimal(double value) {
  if (!std::isfinite(value)) return ShortestText(value);
  // 15 significant digits "d.dddddddddddddde+XX" of the magnitude.
  const std::string scientific = ScientificText(std::fabs(value), 14);
  const std::string_view text(scientific);
  const std::size_t e = text.find('e');
  std::string digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
  int exponent = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  exponent);

  // integer_digits digits before the point; pad so that there is at least one.
  int integer_digits = exponent + 1;
  if (integer_digits < 1) {
    digits.insert(0, static_cast<std::size_t>(1 - integer_digits), '0');
    integer_digits = 1;
  }
  const auto kept = static_cast<std::size_t>(integer_digits + 1);
  if (digits.size() > kept) {
    const bool round_up = digits[kept] >= '5';
    digits.resize(kept);
    if (round_up && IncrementDigits(digits)) {
      digits.insert(0, 1, '1');
      ++integer_digits;
    }
  } else {
    digits.resize(kept, '0');
  }

  std::size_t first = 0;
  while (first + 1 < static_cast<std::size_t>(integer_digits) && digits[first] == '0') ++first;
  // The sign belongs to the value, not to its rounded digits: a body 0.01
  // degrees below the horizon reads "-0.0".
  std::string out = value < 0 ? "-" : "";
  out += digits.substr(first, static_cast<std::size_t>(integer_digits) - first);
  out += '.';
  out += digits.back();
  return out;
}

std::string BoxNumber(double value) {
  if (value == 0) return "0";
  return ShortestText(value);
}

}  // namespace text
