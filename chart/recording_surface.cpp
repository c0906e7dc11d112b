#include "chart/recording_surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "text/decimal.h"

namespace chart {

namespace {

void AppendNumber(std::string& out, float value) {
  out += ' ';
  out += text::ShortestText(value);
}

void AppendColour(std::string& out, Colour colour) {
  for (const std::uint8_t byte : {colour.r, colour.g, colour.b}) {
    out += ' ';
    out += std::to_string(byte);
  }
}

}  // namespace

std::string FormatOperation(const RecordingSurface::Operation& operation) {
  using Kind = RecordingSurface::Kind;
  const auto& v = operation.values;
  std::string out;
  switch (operation.kind) {
    case Kind::kCls:
      out = "cls";
      AppendColour(out, operation.colour);
      break;
    case Kind::kLine:
      out = "line";
      for (const float value : v) AppendNumber(out, value);
      AppendColour(out, operation.colour);
      if (operation.width != 1) AppendNumber(out, operation.width);
      break;
    case Kind::kPSet:
      out = "pset";
      AppendNumber(out, v[0]);
      AppendNumber(out, v[1]);
      AppendColour(out, operation.colour);
      break;
    case Kind::kCircle:
      out = "circle";
      AppendNumber(out, v[0]);
      AppendNumber(out, v[1]);
      AppendNumber(out, v[2]);
      AppendColour(out, operation.colour);
      if (operation.filled) AppendColour(out, operation.fill);
      break;
    case Kind::kPrint:
      out = "print";
      AppendNumber(out, v[0]);
      AppendNumber(out, v[1]);
      out += ' ';
      out += operation.text;
      break;
    case Kind::kPolygon:
      out = "polygon";
      for (const PointF& point : operation.points) {
        AppendNumber(out, point.x);
        AppendNumber(out, point.y);
      }
      AppendColour(out, operation.fill);
      break;
  }
  return out;
}

void RecordingSurface::Cls() {
  if (keep_ == Keep::kSinceLastCls) operations_.clear();
  Operation operation;
  operation.kind = Kind::kCls;
  operation.colour = BackColor;
  Record(std::move(operation), 0);
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  Operation operation;
  operation.kind = Kind::kLine;
  operation.values = {x1, y1, x2, y2};
  operation.colour = colour;
  operation.width = DrawWidth;
  Record(std::move(operation), 4);
}

void RecordingSurface::PSet(float x, float y, Colour colour) {
  Operation operation;
  operation.kind = Kind::kPSet;
  operation.values = {x, y, 0, 0};
  operation.colour = colour;
  Record(std::move(operation), 2);
}

void RecordingSurface::Circle(float x, float y, float radius, Colour colour) {
  Operation operation;
  operation.kind = Kind::kCircle;
  operation.values = {x, y, radius, 0};
  operation.colour = colour;
  operation.filled = FillStyle == 0;
  if (operation.filled) operation.fill = FillColor;
  Record(std::move(operation), 3);
}

void RecordingSurface::Print(std::string_view utf8_text) {
  Operation operation;
  operation.kind = Kind::kPrint;
  operation.values = {CurrentX, CurrentY, 0, 0};
  operation.text = utf8_text;
  Record(std::move(operation), 2);
}

void RecordingSurface::Polygon(std::span<const PointF> points) {
  Operation operation;
  operation.kind = Kind::kPolygon;
  operation.fill = FillColor;
  operation.points.assign(points.begin(), points.end());
  for (const PointF& point : points) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) ++non_finite_count_;
  }
  Record(std::move(operation), 0);
}

std::string RecordingSurface::Text() const {
  std::string text;
  for (const Operation& operation : operations_) {
    if (!text.empty()) text += '\n';
    text += FormatOperation(operation);
  }
  return text;
}

void RecordingSurface::Replay(Surface& target) const {
  target.Cls();
  const auto last_cls = std::find_if(operations_.rbegin(), operations_.rend(),
                                     [](const auto& op) { return op.kind == Kind::kCls; });
  for (auto op = last_cls.base(); op != operations_.end(); ++op) {
    const auto& v = op->values;
    target.CurrentLayer = op->layer;
    switch (op->kind) {
      case Kind::kCls:
        break;
      case Kind::kLine:
        target.DrawWidth = op->width;
        target.Line(v[0], v[1], v[2], v[3], op->colour);
        break;
      case Kind::kPSet:
        target.PSet(v[0], v[1], op->colour);
        break;
      case Kind::kCircle:
        target.FillStyle = op->filled ? 0 : 1;
        if (op->filled) target.FillColor = op->fill;
        target.Circle(v[0], v[1], v[2], op->colour);
        break;
      case Kind::kPrint:
        target.CurrentX = v[0];
        target.CurrentY = v[1];
        target.Print(op->text);
        break;
      case Kind::kPolygon:
        target.FillColor = op->fill;
        target.Polygon(op->points);
        break;
    }
  }
}

void RecordingSurface::Clear() {
  operations_.clear();
  received_count_ = 0;
  non_finite_count_ = 0;
}

void RecordingSurface::Record(Operation operation, std::size_t value_count) {
  ++received_count_;
  operation.layer = CurrentLayer;
  for (std::size_t i = 0; i < value_count; ++i) {
    if (!std::isfinite(operation.values[i])) ++non_finite_count_;
  }
  operations_.push_back(std::move(operation));
}

}  // namespace chart
