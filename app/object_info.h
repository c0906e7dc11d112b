#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/sky_chart.h"

namespace app {

class Form1;

// What a person is told of a body or a star drawn on the chart: "what is that?".
struct ObjectInfo {
  std::string id;           // identity: "sun", "sirius", "hr1790" for a star without a name
  std::string kind;         // "sun", "moon", "planet" or "star"
  std::string name;         // in full: "シリウス"; a star without one by its designation
  std::string designation;  // "おおいぬ座α", "おうし座119番星"; empty where there is none
  std::string constellation;        // "おおいぬ座"; empty for the bodies
  std::optional<double> magnitude;  // visual magnitude, for the stars
  double altitude = 0;              // [degrees]
  double azimuth = 0;               // [degrees, north 0, east 90]
  std::string phase;                // the Moon's and Venus's lit share, "輝面比 52%"; else empty

  // Returned: all of it in one line, for a tooltip and a screen reader:
  // "シリウス（おおいぬ座α） おおいぬ座 -1.46等 高度 23.1 方位 150.2".
  std::string Text() const;
};

// How far from the edge of a disc a point still names it [twips]: ten window pixels.
inline constexpr double kPointingReach = 150;

// Given:    the form after a chart was drawn and a point of the drawing area [twips].
// Returned: the body or star drawn nearest the point, within kPointingReach
//           of its disc; nothing where none is, or while no chart is shown.
std::optional<ObjectInfo> ObjectAt(const Form1& form, double x, double y);

// Returned: the bodies and stars the chart shows, as the keyboard steps
// through them: those on the drawing area, left to right; each with its place
// on the chart [twips], for the front end to point at.
struct PointedObject {
  ObjectInfo info;
  double x = 0, y = 0;  // [twips]
};
std::vector<PointedObject> ObjectsOnChart(const Form1& form);

}  // namespace app
