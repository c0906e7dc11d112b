#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

// Given:    a name a user typed that is not among `names` ("Paris", "tokio"),
//           and the names that are.
// Returned: up to three of `names` within a quarter of its length in edits
//           (at least one edit), compared without regard to case, whole or
//           after their last '/' ("Paris" -> Europe/Paris, "tokio" ->
//           Asia/Tokyo); closest first, in the order of `names` when equally
//           close; none for an empty name or one longer than 64 bytes.
std::vector<std::string> ClosestNames(std::string_view wanted,
                                      const std::vector<std::string>& names);

}  // namespace app
