#include "chart/svg_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "chart/view_projection.h"

namespace chart {
namespace {

using Operation = RecordingSurface::Operation;
using Kind = RecordingSurface::Kind;

constexpr double kTwipsPerPixel = 15;    // a logical pixel at 96 an inch
constexpr double kSmallestRadius = 0.5;  // [pixels]: a disc never vanishes, as on the screen

long long Hundredths(double pixels) {
  return std::llround(pixels * 100);
}

// A length in hundredths of a pixel as pixels, without trailing zeros: "12.5", "-3", "0.07".
std::string Number(long long hundredths) {
  const long long magnitude = hundredths < 0 ? -hundredths : hundredths;
  std::string text = (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100);
  const long long fraction = magnitude % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

std::string Number(double pixels) {
  return Number(Hundredths(pixels));
}

std::string Px(float twips) {
  return Number(twips / kTwipsPerPixel);
}

std::string Hex(Colour colour) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (const std::uint8_t byte : {colour.r, colour.g, colour.b}) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Writes one layer's operations: runs of dots or of lines in one colour as
// one path each, discs as circles, words as texts.
class LayerWriter {
 public:
  LayerWriter(std::string& out, Palette palette, const SvgFont& font)
      : out_(out), palette_(palette), font_(font) {}

  void Write(const std::vector<const Operation*>& operations) {
    for (std::size_t i = 0; i < operations.size();) {
      const Operation& first = *operations[i];
      std::size_t end = i + 1;
      const bool runs = first.kind == Kind::kPSet || first.kind == Kind::kLine;
      while (runs && end < operations.size() && operations[end]->kind == first.kind &&
             operations[end]->colour == first.colour) {
        ++end;
      }
      switch (first.kind) {
        case Kind::kPSet:
          Dots(operations, i, end);
          break;
        case Kind::kLine:
          Lines(operations, i, end);
          break;
        case Kind::kCircle:
          Disc(first);
          break;
        case Kind::kPrint:
          Word(first);
          break;
        case Kind::kCls:
          break;
      }
      i = end;
    }
  }

 private:
  // Each dot the whole pixel the screen sets for it: the one whose top left
  // corner is nearest its point.
  void Dots(const std::vector<const Operation*>& operations, std::size_t from, std::size_t to) {
    out_ += "<path fill=\"" + Hex(MapColour(palette_, ColourUse::kDot, operations[from]->colour)) +
            "\" d=\"";
    // Each move is relative to the last dot [pixels].
    long long last_x = 0, last_y = 0;
    for (std::size_t i = from; i < to; ++i) {
      const long long x = std::llround(operations[i]->values[0] / kTwipsPerPixel);
      const long long y = std::llround(operations[i]->values[1] / kTwipsPerPixel);
      out_ += (i == from ? "M" + std::to_string(x) + " " + std::to_string(y)
                         : "m" + std::to_string(x - last_x) + " " + std::to_string(y - last_y)) +
              "h1v1h-1z";
      last_x = x;
      last_y = y;
    }
    out_ += "\"/>\n";
  }

  void Lines(const std::vector<const Operation*>& operations, std::size_t from, std::size_t to) {
    out_ += "<path fill=\"none\" stroke-width=\"1\" stroke=\"" +
            Hex(MapColour(palette_, ColourUse::kLine, operations[from]->colour)) + "\" d=\"";
    for (std::size_t i = from; i < to; ++i) {
      const auto& v = operations[i]->values;
      out_ += "M" + Px(v[0]) + " " + Px(v[1]) + "L" + Px(v[2]) + " " + Px(v[3]);
    }
    out_ += "\"/>\n";
  }

  void Disc(const Operation& op) {
    const double radius = std::max(op.values[2] / kTwipsPerPixel, kSmallestRadius);
    out_ += "<circle cx=\"" + Px(op.values[0]) + "\" cy=\"" + Px(op.values[1]) + "\" r=\"" +
            Number(radius) + "\" stroke=\"" +
            Hex(MapColour(palette_, ColourUse::kDisc, op.colour)) + "\" fill=\"" +
            (op.filled ? Hex(MapColour(palette_, ColourUse::kDisc, op.fill)) : "none") + "\"/>\n";
  }

  // The text's top left at the operation's place, as Print puts it.
  void Word(const Operation& op) {
    out_ += "<text x=\"" + Px(op.values[0]) + "\" y=\"" +
            Number(op.values[1] / kTwipsPerPixel + font_.ascent) + "\">" + Escaped(op.text) +
            "</text>\n";
  }

  std::string& out_;
  Palette palette_;
  const SvgFont& font_;
};

}  // namespace

std::string SvgPicture(const RecordingSurface& drawing, Colour sky, Palette palette,
                       const SvgFont& font) {
  const std::string width = Number(kChartWidth / kTwipsPerPixel);
  const std::string height = Number(kChartHeight / kTwipsPerPixel);
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n" +
      "<title>プラネタリウム</title>\n<rect id=\"sky\" width=\"" + width + "\" height=\"" + height +
      "\" fill=\"" + Hex(MapColour(palette, ColourUse::kSky, sky)) + "\"/>\n";

  // The operations after the last Cls, by layer, each in its drawing order.
  const auto& operations = drawing.Operations();
  const auto last_cls = std::find_if(operations.rbegin(), operations.rend(),
                                     [](const Operation& op) { return op.kind == Kind::kCls; });
  std::array<std::vector<const Operation*>, kLayerCount> layers;
  for (auto op = last_cls.base(); op != operations.end(); ++op) {
    layers[static_cast<std::size_t>(op->layer)].push_back(&*op);
  }

  LayerWriter writer(out, palette, font);
  for (std::size_t layer = 0; layer < kLayerCount; ++layer) {
    if (layers[layer].empty()) continue;
    const auto holds = [&](Kind kind) {
      return std::any_of(layers[layer].begin(), layers[layer].end(),
                         [kind](const Operation* op) { return op->kind == kind; });
    };
    out += "<g id=\"" + std::string(kLayerNames[layer]) + "\"";
    // The words take the window's face; dots and lines stay sharp single
    // pixels, as on the screen.
    if (holds(Kind::kPrint)) {
      out += " font-family=\"" + Escaped(font.families) + "\" font-size=\"" + Number(font.pixels) +
             "\" fill=\"" + Hex(WordColour(palette)) + "\"";
    }
    if (holds(Kind::kPSet) || holds(Kind::kLine)) out += " shape-rendering=\"crispEdges\"";
    out += ">\n";
    writer.Write(layers[layer]);
    out += "</g>\n";
  }
  return out + "</svg>\n";
}

}  // namespace chart
