#include "app/chart_description.h"

#include <cmath>

#include "app/control_lookup.h"
#include "app/sites.h"
#include "chart/directions.h"
#include "text/number_text.h"

namespace app {
namespace {

std::string Direction(const ChartSubject& subject) {
  return std::string(chart::kDirectionRows[static_cast<std::size_t>(subject.direction)].caption);
}

// The site's name as the list shows it, without the blanks it may end in.
std::string SiteName(int position) {
  return std::string(TrimTrailingBlanks(kSites[static_cast<std::size_t>(position)].name));
}

std::string Instant(const ChartSubject& subject) {
  const auto& b = subject.dateBoxes;
  return b[0] + "年" + b[1] + "月" + b[2] + "日 " + b[3] + "時" + b[4] + "分";
}

// A box text in a file name: its digits, two of them at least for the
// month, day, hour and minute; anything but digits and a minus sign left out.
std::string NameDigits(const std::string& box, std::size_t width) {
  std::string digits;
  for (const char c : box) {
    if ((c >= '0' && c <= '9') || (c == '-' && digits.empty())) digits += c;
  }
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace

std::string CoordinatesText(double latitude, double longitude) {
  return std::string(latitude < 0 ? "南緯 " : "北緯 ") + text::BoxNumber(std::fabs(latitude)) +
         "°、" + (longitude < 0 ? "西経 " : "東経 ") + text::BoxNumber(std::fabs(longitude)) + "°";
}

std::string DescribeChart(const ChartSubject& subject,
                          const std::vector<chart::DrawnObject>& drawn) {
  const std::string site = subject.site ? SiteName(*subject.site)
                                        : "緯度 " + text::BoxNumber(subject.latitude) + " 経度 " +
                                              text::BoxNumber(subject.longitude);
  std::string words = Direction(subject) + "の空、" + site + "、" + Instant(subject) + ": ";
  bool any = false;
  for (const chart::DrawnObject& object : drawn) {
    if (object.name.empty() || !object.visible) continue;
    if (any) words += "、";
    words += std::string(object.name) + " 高度 " + text::FormatOneDecimal(object.altitude) +
             " 方位 " + text::FormatOneDecimal(object.azimuth);
    any = true;
  }
  return any ? words : words + "名前のある天体は見えません";
}

std::string ChartCaption(const ChartSubject& subject) {
  const std::string coordinates = CoordinatesText(subject.latitude, subject.longitude);
  const std::string where =
      subject.site ? SiteName(*subject.site) + "（" + coordinates + "）" : coordinates;
  return where + " " + Instant(subject) + "（日本標準時） " + Direction(subject) + "の空";
}

std::string ChartFileName(const ChartSubject& subject) {
  const auto& b = subject.dateBoxes;
  const std::string site =
      subject.site ? SiteName(*subject.site)
                   : text::BoxNumber(subject.latitude) + "_" + text::BoxNumber(subject.longitude);
  return site + "_" + NameDigits(b[0], 4) + "-" + NameDigits(b[1], 2) + "-" + NameDigits(b[2], 2) +
         "_" + NameDigits(b[3], 2) + NameDigits(b[4], 2) + "_" + Direction(subject);
}

}  // namespace app
