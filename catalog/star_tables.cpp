#include "catalog/star_tables.h"

#include <cassert>
#include <cstddef>

namespace catalog {

double& StarTables::StarTable(int column, int row) {
  assert(column >= 0 && column < 4 && row >= 0 && row < kStarRows);
  return columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

double StarTables::StarTable(int column, int row) const {
  assert(column >= 0 && column < 4 && row >= 0 && row < kStarRows);
  return columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

}  // namespace catalog
