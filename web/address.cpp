#include "web/address.h"

#include <algorithm>
#include <cstddef>

#include "app/control_lookup.h"
#include "app/sites.h"
#include "app/zoned_instant.h"
#include "app/zoom_words.h"
#include "chart/directions.h"
#include "web/address_message.h"

namespace web {
namespace {

constexpr std::array<std::string_view, 5> kDateBoxes = {"year", "month", "day", "hour", "minute"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%E6%9D%B1+x" -> "東 x"; a '%' without two hex digits stays as it is.
std::string Decode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
               HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Every byte but letters, digits and "-._~:," as %XX, a blank as '+'.
std::string Encode(std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
        std::string_view("-._~:,").find(c) != std::string_view::npos) {
      out += c;
    } else if (c == ' ') {
      out += '+';
    } else {
      out += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
    }
  }
  return out;
}

// A box text with at least `width` digits: "5" -> "05".
std::string Padded(const std::string& digits, std::size_t width) {
  return std::string(width - std::min(width, digits.size()), '0') + digits;
}

// "2006-01-15T20:00" when the boxes hold a minute of the calendar as whole
// numbers written without leading zeros, the way `at` is read back into them.
std::optional<std::string> Instant(const std::array<std::string, 5>& boxes) {
  const auto minute = app::ReadInstant(boxes);
  if (!std::holds_alternative<astro::CalendarMinute>(minute) ||
      app::BoxTexts(std::get<astro::CalendarMinute>(minute)) != boxes) {
    return std::nullopt;
  }
  return Padded(boxes[0], 4) + "-" + Padded(boxes[1], 2) + "-" + Padded(boxes[2], 2) + "T" +
         Padded(boxes[3], 2) + ":" + Padded(boxes[4], 2);
}

struct Parameter {
  std::string name;
  std::optional<std::string> value;  // nullopt: a bare name without '='
};

std::string Ignored(const Parameter& parameter, std::string_view reason) {
  return IgnoredParameter(parameter.name, parameter.value, reason);
}

// The box that keeps the sky from being computed, named by its caption, the
// parameters that fill it and its text, and why.
std::string Uncomputable(const app::Form1& form, const app::SkyBoxFault& fault) {
  struct Box {
    const char* caption;
    const char* parameters;
    const std::string* text;
  };
  const Box boxes[] = {
      {"年", "at, year", &form.txtYMD[0].Text},   {"月", "at, month", &form.txtYMD[1].Text},
      {"日", "at, day", &form.txtYMD[2].Text},    {"時", "at, hour", &form.txtYMD[3].Text},
      {"分", "at, minute", &form.txtYMD[4].Text}, {"緯度", "lat", &form.txtIDO.Text},
      {"経度", "lon", &form.txtKEIDO.Text}};
  const Box& box = boxes[static_cast<std::size_t>(fault.box)];
  const char* why = "";
  switch (fault.reason) {
    case app::SkyBoxFault::Reason::kOutside16Bits:
      why = "-32768 から 32767 までの整数ではありません";
      break;
    case app::SkyBoxFault::Reason::kTooLarge:
      why = "大きすぎて計算できません";
      break;
    case app::SkyBoxFault::Reason::kBeyondCalendar:
      why = "この暦にはその年の1月と2月がありません";
      break;
  }
  return std::string("アドレスの空は計算できません: ") + box.caption + "の欄（" + box.parameters +
         "）の" + QuoteFromAddress(*box.text) + "は、" + why;
}

template <std::size_t N>
std::optional<std::size_t> IndexOf(const std::array<std::string_view, N>& names,
                                   std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return i;
  }
  return std::nullopt;
}

// Files each parameter into the address, or a message saying why it was left out.
class AddressReader {
 public:
  explicit AddressReader(PageAddress& address) : address_(address) {}

  void Read(const Parameter& parameter) {
    const std::string& name = parameter.name;
    app::SkyRequest& request = address_.request;
    address_.asksForSky = true;
    if (name == "ops") {
      if (Flag(parameter)) address_.ops = true;
    } else if (const auto option = chart::OptionOfWord(name)) {
      if (Flag(parameter)) request.options.Set(*option);
    } else if (const auto box = IndexOf(kDateBoxes, name)) {
      if (Valued(parameter)) request.dateBoxes[*box] = parameter.value;
    } else if (name == "site") {
      if (Valued(parameter)) request.site = parameter.value;
    } else if (name == "lat") {
      if (Valued(parameter)) request.latitude = parameter.value;
    } else if (name == "lon") {
      if (Valued(parameter)) request.longitude = parameter.value;
    } else if (name == "step") {
      if (Valued(parameter)) request.step = parameter.value;
    } else if (name == "at") {
      if (!Valued(parameter)) return;
      const auto boxes = app::DateBoxesFromInstant(*parameter.value);
      if (boxes || *parameter.value == "now") {
        address_.at = parameter.value;
        request.instant = boxes;
      } else {
        Reject(parameter, "日時は 2005-10-22T21:00 の形で書くか now です");
      }
    } else if (name == "zoom") {
      if (!Valued(parameter)) return;
      if (const auto zoom = app::ZoomOfText(*parameter.value)) {
        request.zoom = zoom;
      } else {
        Reject(parameter, "拡大は 1 から 8 までの数です");
      }
    } else if (name == "center") {
      if (!Valued(parameter)) return;
      if (const auto centre = app::CentreOfText(*parameter.value)) {
        request.centre = centre;
      } else {
        Reject(parameter, "中心は 方位,高度 の形の度の数です（0～360, -90～90）");
      }
    } else if (name == "tz") {
      if (Valued(parameter)) address_.zone = parameter.value;
    } else if (name == "dir") {
      if (!Valued(parameter)) return;
      if (const auto direction = chart::DirectionOfWord(*parameter.value)) {
        request.direction = direction;
      } else {
        Reject(parameter, "方向は north, east, south, west のどれかです");
      }
    } else {
      Reject(parameter, "知らない指定です");
    }
  }

 private:
  bool Flag(const Parameter& parameter) {
    if (!parameter.value || parameter.value->empty()) return true;
    Reject(parameter, parameter.name + " は値をとりません");
    return false;
  }
  bool Valued(const Parameter& parameter) {
    if (parameter.value) return true;
    Reject(parameter, parameter.name + " には値が要ります");
    return false;
  }
  void Reject(const Parameter& parameter, std::string_view reason) {
    address_.messages.push_back(Ignored(parameter, reason));
  }

  PageAddress& address_;
};

}  // namespace

PageAddress ReadAddress(std::string_view query) {
  PageAddress address;
  AddressReader reader(address);
  while (!query.empty()) {
    const std::size_t end = std::min(query.find('&'), query.size());
    const std::string_view piece = query.substr(0, end);
    query.remove_prefix(std::min(end + 1, query.size()));
    if (piece.empty()) continue;
    const std::size_t equals = piece.find('=');
    Parameter parameter{Decode(piece.substr(0, equals)), std::nullopt};
    if (equals != std::string_view::npos) parameter.value = Decode(piece.substr(equals + 1));
    reader.Read(parameter);
  }
  return address;
}

std::string WriteAddress(const app::SkyRequest& request, bool ops) {
  std::string query;
  const auto add = [&query](std::string_view name, const std::optional<std::string>& value) {
    query += (query.empty() ? "" : "&") + std::string(name);
    if (value) query += "=" + Encode(*value);
  };
  if (request.site) add("site", request.site);
  if (request.latitude) add("lat", request.latitude);
  if (request.longitude) add("lon", request.longitude);
  std::array<std::optional<std::string>, 5> boxes = request.dateBoxes;
  if (request.instant) {
    if (const auto at = Instant(*request.instant)) {
      add("at", at);
    } else {
      for (std::size_t b = 0; b < boxes.size(); ++b) {
        if (!boxes[b]) boxes[b] = (*request.instant)[b];
      }
    }
  }
  for (std::size_t b = 0; b < boxes.size(); ++b) {
    if (boxes[b]) add(kDateBoxes[b], boxes[b]);
  }
  if (request.direction) {
    add("dir", std::string(chart::kDirectionRows[static_cast<std::size_t>(*request.direction)].id));
  }
  for (const chart::OptionRow& option : chart::kOptionRows) {
    if (request.options.Has(option.id)) add(option.word, std::nullopt);
  }
  if (request.step) add("step", request.step);
  if (request.zoom) add("zoom", app::ZoomText(*request.zoom));
  if (request.centre) add("center", app::CentreText(*request.centre));
  if (ops) add("ops", std::nullopt);
  return query;
}

std::vector<std::string> ApplyAddress(const PageAddress& address, app::Form1& form) {
  const app::SkyRequest& request = address.request;
  std::vector<std::string> messages;
  for (const app::RequestFault fault : app::ApplyRequest(form, request)) {
    switch (fault) {
      case app::RequestFault::kUnknownSite:
        messages.push_back(Ignored({"site", request.site},
                                   "一覧にない地点です（一覧の名前、そのローマ字の名前か 0～" +
                                       std::to_string(app::kSiteCount - 1) + " の番号）"));
        break;
      case app::RequestFault::kUnknownStep:
        messages.push_back(Ignored({"step", request.step}, "間隔（分）の一覧にない値です"));
        break;
      case app::RequestFault::kCentreNotInView:
        messages.push_back(Ignored({"center", app::CentreText(*request.centre)},
                                   "その向きの空には描かれない位置です"));
        break;
    }
  }
  if (address.asksForSky) {
    if (const auto fault = form.FindSkyBoxFault()) messages.push_back(Uncomputable(form, *fault));
  }
  return messages;
}

}  // namespace web
