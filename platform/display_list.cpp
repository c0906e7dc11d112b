#include "platform/display_list.h"

namespace platform {

void DisplayList::Cls() {
  ops_.clear();
}

void DisplayList::Line(float x1, float y1, float x2, float y2, chart::Colour colour) {
  Op op;
  op.kind = Op::Kind::kLine;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.colour = colour;
  ops_.push_back(std::move(op));
}

void DisplayList::PSet(float x, float y, chart::Colour colour) {
  Op op;
  op.kind = Op::Kind::kPSet;
  op.x1 = x;
  op.y1 = y;
  op.colour = colour;
  ops_.push_back(std::move(op));
}

void DisplayList::Circle(float x, float y, float radius, chart::Colour colour) {
  Op op;
  op.kind = Op::Kind::kCircle;
  op.x1 = x;
  op.y1 = y;
  op.radius = radius;
  op.colour = colour;
  op.fillStyle = FillStyle;
  op.fillColour = FillColor;
  ops_.push_back(std::move(op));
}

void DisplayList::Print(std::string_view utf8_text) {
  Op op;
  op.kind = Op::Kind::kPrint;
  op.x1 = CurrentX;
  op.y1 = CurrentY;
  op.text = std::string(utf8_text);
  ops_.push_back(std::move(op));
}

void DisplayList::Replay(chart::Surface& target) const {
  target.Cls();
  for (const Op& op : ops_) {
    switch (op.kind) {
      case Op::Kind::kLine:
        target.Line(op.x1, op.y1, op.x2, op.y2, op.colour);
        break;
      case Op::Kind::kPSet:
        target.PSet(op.x1, op.y1, op.colour);
        break;
      case Op::Kind::kCircle:
        target.FillStyle = op.fillStyle;
        target.FillColor = op.fillColour;
        target.Circle(op.x1, op.y1, op.radius, op.colour);
        break;
      case Op::Kind::kPrint:
        target.CurrentX = op.x1;
        target.CurrentY = op.y1;
        target.Print(op.text);
        break;
    }
  }
}

}  // namespace platform
