#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/sky_chart.h"

namespace app {

// What a chart on the window shows: which way, from where and when. The form
// keeps it with every drawing, for the chart's words, its printed caption and
// the name it is saved under.
struct ChartSubject {
  int direction = 0;                   // the view, 0 north .. 3 west (chart::kDirectionRows)
  std::optional<int> site;             // its position in the site list; none for typed coordinates
  double latitude = 0, longitude = 0;  // [degrees, north and east positive] as computed
  std::array<std::string, 5> dateBoxes;  // the date and time box texts, Japan Standard Time
};

// Returned: the chart in words, for a screen reader: "東の空、東京、2006年1月15日
// 20時0分: 月 高度 23.1 方位 81.2、土星 高度 31.4 方位 120.9", each body and
// named star the view drew within the drawing area under its name, with
// altitude and azimuth as the readout shows them, in drawing order; a typed
// site as "緯度 35 経度 135"; when nothing named is on the chart, the sentence
// says so.
std::string DescribeChart(const ChartSubject& subject,
                          const std::vector<chart::DrawnObject>& drawn);

// Given: a site's latitude and longitude [degrees, north and east positive].
// Returned: "北緯 35.65°、東経 139.75°" (the numbers as the boxes show them);
// south and west by their own words.
std::string CoordinatesText(double latitude, double longitude);

// Returned: the line under a printed chart: "東京（北緯 35.65°、東経 139.75°）
// 2006年1月15日 20時0分（日本標準時）東の空"; a typed site by its coordinates alone.
std::string ChartCaption(const ChartSubject& subject);

// Returned: a name to save the chart under, without its ending:
// "東京_2006-01-15_2000_東"; the typed entry's coordinates stand for its name.
// Holds no character a file name may not.
std::string ChartFileName(const ChartSubject& subject);

}  // namespace app
