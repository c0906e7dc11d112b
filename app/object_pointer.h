#pragma once

#include <limits>
#include <optional>
#include <string>

#include "app/object_info.h"

namespace app {

class Form1;

// The keys that step through the objects on the chart.
enum class ObjectStep { kNext, kPrevious, kFirst, kLast };

// How long the panel naming an object stays before it goes away by itself [milliseconds].
inline constexpr int kObjectPanelMilliseconds = 8000;

// The object the user points at on the chart, by a click or by the keys: a
// click names the object at a point, the keys step from it to its neighbours
// left and right (wrapping round at either end), and a new drawing of the
// chart (the animation, another size) finds it again by its identity.
class ObjectPointer {
 public:
  // Given:    the form after a chart was drawn and a point of the drawing area [twips].
  // Returned: the object there (app::ObjectAt) at its place on the chart;
  //           nothing on empty sky, and the keys then step on from the point.
  std::optional<PointedObject> At(const Form1& form, double x, double y);

  // Returned: the object of ObjectsOnChart a step from the pointed one:
  //           next to the right or left, wrapping round; the first or the
  //           last. With none pointed, the first right (or left) of where the
  //           last click was, else the first (or last). Nothing while the
  //           chart shows none.
  std::optional<PointedObject> Step(const Form1& form, ObjectStep step);

  // Returned: the pointed object as the chart now drawn shows it (its
  //           altitude, azimuth and place renewed); nothing once it is no
  //           longer on the chart, and it is then pointed at no more.
  std::optional<PointedObject> Follow(const Form1& form);

 private:
  std::optional<std::string> id_;  // the pointed object's identity (ObjectInfo::id)
  // Where stepping goes on from: the pointed object, or the click on empty sky [twips].
  double x_ = -std::numeric_limits<double>::infinity();
};

}  // namespace app
