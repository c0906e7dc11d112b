#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "chart/surface.h"

namespace chart {

// A drawing surface that draws nothing and remembers the operations it
// receives, so that they can be listed as text or replayed onto another
// surface: the window paints its chart from it whenever it is exposed, the
// image files are drawn from it, and tests and the command line read it.
//
// Text form, one line per operation (numbers in shortest round-trip form of the
// single-precision values received, colours as three bytes):
//   cls R G B                                  (the BackColor cleared to)
//   line X1 Y1 X2 Y2 R G B
//   pset X Y R G B
//   circle X Y RADIUS R G B FR FG FB           (outline colour, then FillColor)
//   circle X Y RADIUS R G B                    (FillStyle not 0: transparent, no fill)
//   print X Y TEXT                             (CurrentX CurrentY, UTF-8 text)
//   line X1 Y1 X2 Y2 R G B WIDTH               (a line DrawWidth wide, when not 1)
//   polygon X1 Y1 X2 Y2 ... FR FG FB           (its points, then FillColor)
class RecordingSurface : public Surface {
 public:
  enum class Kind { kCls, kLine, kPSet, kCircle, kPrint, kPolygon };

  // What the surface keeps.
  enum class Keep {
    kEverything,    // every operation until Clear(): a log of everything drawn
    kSinceLastCls,  // the picture: each Cls forgets the operations before it
  };

  // One recorded operation. `values` holds x1 y1 x2 y2 (line), x y (pset, print)
  // or x y radius (circle) [twips]; unused slots are 0.
  struct Operation {
    Kind kind = Kind::kCls;
    std::array<float, 4> values{};
    Colour colour{};                // BackColor (cls) or the drawing colour
    bool filled = false;            // circle only: drawn with FillStyle 0
    Colour fill{};                  // circle: FillColor when filled; polygon: FillColor
    std::string text;               // print only
    float width = 1;                // line only: DrawWidth [window pixels]
    std::vector<PointF> points;     // polygon only
    Layer layer = Layer::kHorizon;  // the CurrentLayer it was drawn in (not in the text form)
  };

  explicit RecordingSurface(Keep keep = Keep::kEverything) : keep_(keep) {}

  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void PSet(float x, float y, Colour colour) override;
  void Circle(float x, float y, float radius, Colour colour) override;
  void Print(std::string_view utf8_text) override;
  void Polygon(std::span<const PointF> points) override;

  // The kept operations, oldest first.
  const std::vector<Operation>& Operations() const { return operations_; }
  // The kept operations in the text form above, lines joined by '\n' (no trailing newline).
  std::string Text() const;
  // Given: a target surface with its BackColor set. Notes: clears the target
  // to its own BackColor, then draws on it the kept operations after the last
  // Cls, each with the fill and text position it was recorded with.
  void Replay(Surface& target) const;

  // How many operations were received since the surface was made or cleared,
  // kept or not.
  std::size_t ReceivedCount() const { return received_count_; }
  // How many coordinates, radii or text positions received were NaN or infinite.
  std::size_t nonFiniteCount() const { return non_finite_count_; }
  // Forgets the operations and both counts; the surface state is kept.
  void Clear();

 private:
  void Record(Operation operation, std::size_t value_count);

  Keep keep_;
  std::vector<Operation> operations_;
  std::size_t received_count_ = 0;
  std::size_t non_finite_count_ = 0;
};

// One operation in the text form of RecordingSurface.
std::string FormatOperation(const RecordingSurface::Operation& operation);

}  // namespace chart
