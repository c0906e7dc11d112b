#include <array>
#include <cstddef>
#include <string>

#include "app/form.h"
#include "app/text_number.h"

namespace app {

Form1::DateBoxes Form1::ReadDateBoxes() const {
  return DateBoxes{RoundToInt16(LeadingNumber(txtYMD[0].Text)),
                   RoundToInt16(LeadingNumber(txtYMD[1].Text)), LeadingNumber(txtYMD[2].Text),
                   LeadingNumber(txtYMD[3].Text), LeadingNumber(txtYMD[4].Text)};
}

void Form1::WriteDateBoxes(int year, int month, int day, int hour, int minute) {
  const std::array<int, 5> values = {year, month, day, hour, minute};
  for (std::size_t i = 0; i < txtYMD.size(); ++i) txtYMD[i].Text = std::to_string(values[i]);
}

}  // namespace app
