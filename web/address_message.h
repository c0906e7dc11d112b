#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace web {

// Given:    a text of the address. Returned: it as a message quotes it:
//           「…」, control characters escaped, cut after 80 characters with a
//           count of the rest.
std::string QuoteFromAddress(std::string_view text);

// Given:    a parameter of the address (its value nullopt for a bare name)
//           and why it was left out.
// Returned: the message for the foot of the page:
//           "アドレスの「dir=up」を無視しました: 方向は…".
std::string IgnoredParameter(std::string_view name, const std::optional<std::string>& value,
                             std::string_view reason);

}  // namespace web
