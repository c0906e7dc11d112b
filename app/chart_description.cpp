#include "app/chart_description.h"

#include "text/number_text.h"

namespace app {

std::string DescribeChart(std::string_view direction, std::string_view site,
                          const std::array<std::string, 5>& date_boxes,
                          const std::vector<chart::DrawnObject>& drawn) {
  std::string words = std::string(direction) + "の空、" + std::string(site) + "、" + date_boxes[0] +
                      "年" + date_boxes[1] + "月" + date_boxes[2] + "日 " + date_boxes[3] + "時" +
                      date_boxes[4] + "分: ";
  if (drawn.empty()) return words + "名前のある天体は見えません";
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    if (i > 0) words += "、";
    words += std::string(drawn[i].name) + " 高度 " + text::FormatOneDecimal(drawn[i].altitude) +
             " 方位 " + text::FormatOneDecimal(drawn[i].azimuth);
  }
  return words;
}

}  // namespace app
