#pragma once

#include <string>
#include <string_view>

namespace platform {

// Given: any double. Returned: its shortest decimal text that reads back as
// the same double (std::to_chars); JSON has no NaN or infinity, so those
// become null.
std::string JsonNumber(double value);

// Given: UTF-8 text. Returned: a JSON string literal with quotes, backslashes
// and control characters escaped; other bytes pass unchanged.
std::string JsonString(std::string_view utf8);

}  // namespace platform
