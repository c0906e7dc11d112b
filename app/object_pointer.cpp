#include "app/object_pointer.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "app/form.h"

namespace app {
namespace {

// Returned: the object of that identity among those on the chart, or nullptr.
const PointedObject* Find(const std::vector<PointedObject>& objects, const std::string& id) {
  const auto found = std::find_if(objects.begin(), objects.end(),
                                  [&id](const PointedObject& o) { return o.info.id == id; });
  return found == objects.end() ? nullptr : &*found;
}

}  // namespace

std::optional<PointedObject> ObjectPointer::At(const Form1& form, double x, double y) {
  id_.reset();
  x_ = x;
  const std::optional<ObjectInfo> info = ObjectAt(form, x, y);
  if (!info) return std::nullopt;
  id_ = info->id;
  return Follow(form);
}

std::optional<PointedObject> ObjectPointer::Step(const Form1& form, ObjectStep step) {
  const std::vector<PointedObject> objects = ObjectsOnChart(form);  // left to right
  if (objects.empty()) return std::nullopt;
  const std::size_t count = objects.size();
  const PointedObject* pointed = id_ ? Find(objects, *id_) : nullptr;
  const bool rightwards = step == ObjectStep::kNext;
  std::size_t index = 0;
  if (step == ObjectStep::kFirst) {
    index = 0;
  } else if (step == ObjectStep::kLast) {
    index = count - 1;
  } else if (pointed != nullptr) {
    const auto at = static_cast<std::size_t>(pointed - objects.data());
    index = (at + (rightwards ? 1 : count - 1)) % count;
  } else if (rightwards) {
    // The first object right of the click, else round to the first.
    const auto right = std::find_if(objects.begin(), objects.end(),
                                    [this](const PointedObject& o) { return o.x > x_; });
    index = right == objects.end() ? 0 : static_cast<std::size_t>(right - objects.begin());
  } else {
    // The last object left of the click, else round to the last.
    const auto left = std::find_if(objects.rbegin(), objects.rend(),
                                   [this](const PointedObject& o) { return o.x < x_; });
    index = count - 1 -
            (left == objects.rend() ? 0 : static_cast<std::size_t>(left - objects.rbegin()));
  }
  id_ = objects[index].info.id;
  x_ = objects[index].x;
  return objects[index];
}

std::optional<PointedObject> ObjectPointer::Follow(const Form1& form) {
  if (!id_) return std::nullopt;
  const std::vector<PointedObject> objects = ObjectsOnChart(form);
  const PointedObject* pointed = Find(objects, *id_);
  if (pointed == nullptr) {
    id_.reset();
    return std::nullopt;
  }
  x_ = pointed->x;
  return *pointed;
}

}  // namespace app
