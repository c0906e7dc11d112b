#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "chart/surface.h"

namespace chart {

// A drawing surface that draws nothing and remembers every operation, for tests
// and for the operation listing of the command-line tool.
//
// Text form, one line per operation (numbers in shortest round-trip form of the
// single-precision values received, colours as three bytes):
//   cls R G B                                  (the BackColor cleared to)
//   line X1 Y1 X2 Y2 R G B
//   pset X Y R G B
//   circle X Y RADIUS R G B FR FG FB           (outline colour, then FillColor)
//   circle X Y RADIUS R G B                    (FillStyle not 0: transparent, no fill)
//   print X Y TEXT                             (CurrentX CurrentY, UTF-8 text)
class RecordingSurface : public Surface {
 public:
  enum class Kind { kCls, kLine, kPSet, kCircle, kPrint };

  // One recorded operation. `values` holds x1 y1 x2 y2 (line), x y (pset, print)
  // or x y radius (circle) [twips]; unused slots are 0.
  struct Operation {
    Kind kind = Kind::kCls;
    std::array<float, 4> values{};
    Colour colour{};      // BackColor (cls) or the drawing colour
    bool filled = false;  // circle only: drawn with FillStyle 0
    Colour fill{};        // circle only: FillColor when filled
    std::string text;     // print only
  };

  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void PSet(float x, float y, Colour colour) override;
  void Circle(float x, float y, float radius, Colour colour) override;
  void Print(std::string_view utf8_text) override;

  const std::vector<Operation>& Operations() const { return operations_; }
  // Every operation in the text form above, lines joined by '\n' (no trailing newline).
  std::string Text() const;
  // How many coordinates, radii or text positions received were NaN or infinite.
  std::size_t nonFiniteCount() const { return non_finite_count_; }
  // Forgets the operations and the non-finite count; the surface state is kept.
  void Clear();

 private:
  void Record(Operation operation, std::size_t value_count);

  std::vector<Operation> operations_;
  std::size_t non_finite_count_ = 0;
};

// One operation in the text form of RecordingSurface.
std::string FormatOperation(const RecordingSurface::Operation& operation);

}  // namespace chart
