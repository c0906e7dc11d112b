#include "app/controls.h"

#include <cstddef>

namespace app {

std::string ListBox::Text() const {
  if (ListIndex < 0 || static_cast<std::size_t>(ListIndex) >= items.size()) return {};
  return items[static_cast<std::size_t>(ListIndex)];
}

}  // namespace app
