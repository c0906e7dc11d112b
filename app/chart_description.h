#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/sky_chart.h"

namespace app {

// Given:    the direction word of the view ("東"), where the sky was seen
//           from (a site's name, or the typed coordinates), the five date and
//           time box texts it was computed for, and the bodies and named stars
//           the view drew.
// Returned: the chart in words, for a screen reader: "東の空、東京、2006年1月15日
//           20時0分: 月 高度 23.1 方位 81.2、土星 高度 31.4 方位 120.9", each
//           object under its name with altitude and azimuth as the readout
//           shows them, in drawing order; when none was drawn, the sentence
//           says so.
std::string DescribeChart(std::string_view direction, std::string_view site,
                          const std::array<std::string, 5>& date_boxes,
                          const std::vector<chart::DrawnObject>& drawn);

}  // namespace app
