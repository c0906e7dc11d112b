#include "web/address_message.h"

#include "text/legible.h"

namespace web {

std::string QuoteFromAddress(std::string_view text) {
  const text::LegibleText legible = text::Legible(text);
  if (legible.omitted == 0) return "「" + legible.text + "」";
  return "「" + legible.text + "…」（ほか " + std::to_string(legible.omitted) + " 文字）";
}

std::string IgnoredParameter(std::string_view name, const std::optional<std::string>& value,
                             std::string_view reason) {
  const std::string shown = value ? std::string(name) + "=" + *value : std::string(name);
  return "アドレスの" + QuoteFromAddress(shown) + "を無視しました: " + std::string(reason);
}

}  // namespace web
