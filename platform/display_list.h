#pragma once

#include <string>
#include <vector>

#include "chart/surface.h"

namespace platform {

// A surface that keeps the drawing since the last Cls as a list of operations,
// so that the window can paint its chart again whenever it is exposed, at the
// device's own resolution, and the same drawing can be written to image files.
class DisplayList final : public chart::Surface {
 public:
  struct Op {
    enum class Kind { kLine, kPSet, kCircle, kPrint } kind = Kind::kLine;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // points [twips]; Print uses (x1, y1)
    float radius = 0;                      // [twips]
    chart::Colour colour{};
    int fillStyle = 1;
    chart::Colour fillColour{};
    std::string text;  // UTF-8
  };

  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, chart::Colour colour) override;
  void PSet(float x, float y, chart::Colour colour) override;
  void Circle(float x, float y, float radius, chart::Colour colour) override;
  void Print(std::string_view utf8_text) override;

  // Given: a target surface with its BackColor set. Returned: nothing. Notes:
  // clears the target, then draws every kept operation with the fill and text
  // position each one had when it was recorded.
  void Replay(chart::Surface& target) const;

  const std::vector<Op>& Ops() const { return ops_; }

 private:
  std::vector<Op> ops_;
};

}  // namespace platform
