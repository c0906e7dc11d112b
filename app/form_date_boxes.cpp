#include <array>
#include <cstddef>
#include <string>

#include "app/form.h"
#include "text/number_text.h"

namespace app {

Form1::DateBoxes Form1::ReadDateBoxes() const {
  return DateBoxes{text::RoundToInt16(text::LeadingNumber(txtYMD[0].Text)),
                   text::RoundToInt16(text::LeadingNumber(txtYMD[1].Text)),
                   text::LeadingNumber(txtYMD[2].Text), text::LeadingNumber(txtYMD[3].Text),
                   text::LeadingNumber(txtYMD[4].Text)};
}

void Form1::WriteDateBoxes(int year, int month, int day, int hour, int minute) {
  const std::array<int, 5> values = {year, month, day, hour, minute};
  for (std::size_t i = 0; i < txtYMD.size(); ++i) txtYMD[i].Text = std::to_string(values[i]);
}

}  // namespace app
