// The chart in words: the view, the site and the instant, then every body and
// named star the view drew, checked against the labels the chart printed.

#include "app/chart_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/form.h"
#include "chart/chart_zoom.h"
#include "fakes.h"
#include "text/number_text.h"

namespace app {
namespace {

struct Described {
  std::string name, altitude, azimuth;
};

// "東の空、東京、…: 月 高度 23.1 方位 81.2、土星 高度 …" as its head and objects.
std::vector<Described> Objects(const std::string& description, std::string& head) {
  const std::size_t colon = description.find(": ");
  head = description.substr(0, colon);
  std::vector<Described> objects;
  std::string rest = description.substr(colon + 2);
  while (!rest.empty()) {
    const std::size_t comma = rest.find("、");
    const std::string item = rest.substr(0, comma);
    rest = comma == std::string::npos ? "" : rest.substr(comma + std::string("、").size());
    const std::size_t altitude = item.rfind(" 高度 "), azimuth = item.rfind(" 方位 ");
    if (altitude == std::string::npos || azimuth == std::string::npos) {
      objects.push_back({item, "", ""});
      continue;
    }
    objects.push_back({item.substr(0, altitude),
                       item.substr(altitude + std::string(" 高度 ").size(),
                                   azimuth - altitude - std::string(" 高度 ").size()),
                       item.substr(azimuth + std::string(" 方位 ").size())});
  }
  return objects;
}

// Every label the chart printed beside a disc that is at least in part on
// the window's 15600 x 9600 twips (not the direction words under the
// horizon), in drawing order.
std::vector<std::string> PrintedLabels(const chart::RecordingSurface& surface) {
  std::vector<std::string> labels;
  const chart::RecordingSurface::Operation* disc = nullptr;
  for (const auto& op : surface.Operations()) {
    if (op.kind == chart::RecordingSurface::Kind::kCircle) disc = &op;
    if (op.kind != chart::RecordingSurface::Kind::kPrint || op.values[1] == 9100) continue;
    const auto [x, y, radius, unused] = disc->values;
    if (x + radius >= 0 && x - radius <= 15600 && y + radius >= 0 && y - radius <= 9600) {
      labels.push_back(op.text);
    }
  }
  return labels;
}

TEST(ChartDescription, NamesEveryBodyAndStarTheChartLabelsAndNothingElse) {
  struct Sky {
    const char* site;
    testing::Texts boxes;
    int direction;
  };
  const Sky skies[] = {{"東京", {"2005", "10", "22", "21", "0"}, 2},
                       {"東京", {"2006", "1", "15", "20", "0"}, 1},
                       {"シドニー", {"2024", "6", "21", "4", "30"}, 0},
                       {"ロンドン", {"2000", "1", "1", "12", "0"}, 3},  // by day
                       {"那覇", {"2024", "8", "12", "2", "0"}, 1},
                       // Spica, Arcturus, Antares and Polaris are drawn beyond the edges.
                       {"大阪", {"2026", "8", "1", "21", "0"}, 1}};
  for (const Sky& sky : skies) {
    SCOPED_TRACE(std::string(sky.site) + " " + sky.boxes[3]);
    testing::FakeWindow window;
    Form1& form = window.form;
    form.Form_Load();
    testing::Select(form.lstCITY, sky.site);
    window.SetBoxes(sky.boxes);
    for (int d = 0; d < 4; ++d) form.optDIR[static_cast<std::size_t>(d)].Value = d == sky.direction;
    form.chkOP[3].Value = 1;
    form.Command3_Click();

    std::string head;
    const std::vector<Described> objects = Objects(form.ChartDescription, head);
    const std::string direction = form.optDIR[static_cast<std::size_t>(sky.direction)].Caption;
    EXPECT_EQ(head, direction + "の空、" + sky.site + "、" + sky.boxes[0] + "年" + sky.boxes[1] +
                        "月" + sky.boxes[2] + "日 " + sky.boxes[3] + "時" + sky.boxes[4] + "分");
    std::vector<std::string> names;
    names.reserve(objects.size());
    for (const Described& object : objects) names.push_back(object.name);
    EXPECT_EQ(names, PrintedLabels(window.surface));
    if (std::string(sky.site) == "大阪") {
      for (const char* beyond : {"ｽﾋﾟｶ", "ｱｰｸﾄｩﾙｽ", "ｱﾝﾀﾚｽ", "北極星"}) {
        EXPECT_EQ(std::ranges::count(names, beyond), 0) << beyond;
      }
    }
    // The bodies with the altitude and azimuth the readout shows for them.
    for (const Described& object : objects) {
      for (std::size_t body = 1; body <= astro::kBodyCount; ++body) {
        const std::string readout_name = form.ReadoutName[body];
        if (readout_name.find(object.name) == std::string::npos) continue;
        EXPECT_EQ(object.altitude, text::FormatOneDecimal(form.ReadoutAlt[body]));
        EXPECT_EQ(object.azimuth, text::FormatOneDecimal(form.ReadoutAz[body]));
      }
    }

    // Without the names on the chart the words are the same; the readout
    // replaces the chart and its words.
    const std::string with_names = form.ChartDescription;
    form.chkOP[3].Value = 0;
    form.Command3_Click();
    EXPECT_EQ(form.ChartDescription, with_names);
    form.Command2_Click();
    EXPECT_EQ(form.ChartDescription, "");
  }
}

// With their names on the chart, the constellations in view are read out too.
TEST(ChartDescription, NamesTheConstellationsOnTheChart) {
  testing::FakeWindow window;
  Form1& form = window.form;
  form.Form_Load();
  window.SetBoxes({"2026", "1", "15", "21", "0"});  // Tokyo, south
  form.Command3_Click();
  EXPECT_EQ(form.ChartDescription.find("オリオン座"), std::string::npos);
  form.chkOP[static_cast<std::size_t>(chart::Option::kConstellationNames)].Value = 1;
  form.Command3_Click();
  for (const char* name : {"オリオン座 高度", "おおいぬ座 高度", "ふたご座 高度"}) {
    EXPECT_NE(form.ChartDescription.find(name), std::string::npos) << name;
  }
  // Magnified three times between Orion's shoulders and feet, the place its
  // name is kept for lies off the chart: the name stands among its stars.
  form.chartZoom = *chart::ChartZoom::Toward(3, astro::HorizontalPlace{45, 175}, 180);
  form.RedrawChart();
  EXPECT_NE(form.ChartDescription.find("オリオン座 高度"), std::string::npos);
}

TEST(ChartDescription, SaysWhenNothingNamedIsUpAndNamesTypedCoordinates) {
  const ChartSubject pole{0, std::nullopt, -89, 0, {"2000", "1", "1", "0", "0"}};
  EXPECT_EQ(DescribeChart(pole, {}),
            "北の空、緯度 -89 経度 0、2000年1月1日 0時0分: 名前のある天体は見えません");
  testing::FakeWindow window;
  window.form.Form_Load();
  window.form.lstCITY.ListIndex = 48;
  window.form.txtIDO.Text = "35";
  window.form.txtKEIDO.Text = "135x";
  window.form.Command3_Click();
  EXPECT_EQ(window.form.ChartDescription.rfind("南の空、緯度 35 経度 135、", 0), 0u);
}

// The printed caption and the file name say where, when and which way, with
// the hemispheres in words and only characters a file name may hold.
TEST(ChartDescription, CaptionAndFileNameOfTheChart) {
  const ChartSubject tokyo{1, 12, 35.65, 139.75, {"2006", "1", "15", "20", "0"}};
  EXPECT_EQ(ChartCaption(tokyo),
            "東京（北緯 35.65°、東経 139.75°） 2006年1月15日 20時0分（日本標準時） 東の空");
  EXPECT_EQ(ChartFileName(tokyo), "東京_2006-01-15_2000_東");
  const ChartSubject typed{3, std::nullopt, -33.9, -18.4, {"2024", "6", "21", "23", "30"}};
  EXPECT_EQ(ChartCaption(typed),
            "南緯 33.9°、西経 18.4° 2024年6月21日 23時30分（日本標準時） 西の空");
  EXPECT_EQ(ChartFileName(typed), "-33.9_-18.4_2024-06-21_2330_西");
  const ChartSubject odd{2, 67, 51.15, -0.18, {"2e3", "1/2", "3", "4", "5"}};
  EXPECT_EQ(ChartFileName(odd), "ロンドン_0023-12-03_0405_南");
}

}  // namespace
}  // namespace app
