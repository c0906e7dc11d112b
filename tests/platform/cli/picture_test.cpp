// Pictures from the command line: PNG at N times the pixels, the window as PNG,
// SVG and PDF, the print palette, and the frames of an animation.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalog/constellations.h"
#include "platform/qt/fonts.h"
#include "platform/qt/image_export.h"
#include "platform/window/main_window.h"
#include "tests/platform/cli/invoke.h"
#include "tests/platform/fakes.h"
#include "tests/platform/qt/file_size_limit.h"

namespace platform {
namespace {

using platform_test::CliRun;
using platform_test::Invoke;

const std::string kNightSky =
    "|--site|東京|--at|2005-10-22 21:00|--equator|--ecliptic|--grid|--names";

class CliPictures : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  QImage Written(const std::string& args, const char* name) {
    const CliRun run = Invoke(args + "|--out|" + Path(name));
    EXPECT_EQ(run.status, kCliOk) << run.err;
    return QImage(QString::fromStdString(Path(name)));
  }
  std::string Head(const char* name, qint64 bytes) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.read(bytes).toStdString() : "";
  }
  QTemporaryDir dir;
};

// s x s blocks of the picture that are not one colour: none in an enlarged bitmap.
int MixedBlocks(const QImage& image, int s) {
  int mixed = 0;
  for (int y = 0; y + s <= image.height(); y += s) {
    for (int x = 0; x + s <= image.width(); x += s) {
      bool one_colour = true;
      for (int i = 0; i < s * s; ++i)
        one_colour &= image.pixel(x + i % s, y + i / s) == image.pixel(x, y);
      mixed += !one_colour;
    }
  }
  return mixed;
}

TEST_F(CliPictures, ScaleDrawsTheSamePictureAtMorePixelsNotAnEnlargedBitmap) {
  const QImage one = Written("chart" + kNightSky, "one.png");
  ASSERT_EQ(one.size(), QSize(1040, 640));
  for (const int scale : {2, 3}) {
    SCOPED_TRACE(scale);
    const std::string name = "scaled" + std::to_string(scale) + ".png";
    const QImage image =
        Written("chart" + kNightSky + "|--scale|" + std::to_string(scale), name.c_str());
    EXPECT_EQ(image.size(), QSize(1040 * scale, 640 * scale));
    EXPECT_EQ(image.dotsPerMeterX(), qRound(96 * scale / 0.0254));        // prints at the same size
    EXPECT_EQ(image.pixel(500 * scale, 20 * scale), one.pixel(500, 20));  // the sky
    EXPECT_GT(MixedBlocks(image, scale), 1000);  // discs, words and dots drawn at full resolution
  }
  EXPECT_EQ(Written("window" + kNightSky + "|--scale|2", "window.png").size(), QSize(2080, 1280));
}

// The chart as SVG: the layers as groups a drawing program can hide, in
// drawing order, small enough to mail, and the same picture as the PNG where
// both are drawn at the window's size (only the words' edges differ).
TEST_F(CliPictures, ChartSvgKeepsItsLayersApartAndLooksAsThePng) {
  const QImage png = Written("chart" + kNightSky, "sky.png");
  ASSERT_EQ(Invoke("chart" + kNightSky + "|--out|" + Path("sky.svg")).status, kCliOk);
  const QString svg_path = dir.filePath("sky.svg");
  EXPECT_LT(QFileInfo(svg_path).size(), 300'000);
  const std::string svg = Head("sky.svg", 1'000'000);
  std::size_t at = 0;
  for (const char* layer :
       {"horizon", "grid", "ecliptic", "equator", "bodies", "stars", "names", "directions"}) {
    at = svg.find(std::string("<g id=\"") + layer + "\"", at);
    EXPECT_NE(at, std::string::npos) << layer;
  }
  QImage rendered(png.size(), QImage::Format_RGB32);
  QPainter painter(&rendered);
  QSvgRenderer(svg_path).render(&painter);
  painter.end();
  int different = 0;
  for (int y = 0; y < png.height(); ++y) {
    for (int x = 0; x < png.width(); ++x) {
      const QColor a = png.pixelColor(x, y), b = rendered.pixelColor(x, y);
      different += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                       std::abs(a.blue() - b.blue()) >
                   96;
    }
  }
  EXPECT_LT(different, png.width() * png.height() / 1000) << "pixels unlike the PNG's";
}

// The names of the figures, measured in the chart's own face, sit on no
// other words in skies crowded with them (centred on their figures, some would).
TEST_F(CliPictures, FigureNamesSitOnNoOtherWords) {
  const QFontMetricsF metrics(WindowDefaultFont());
  std::set<std::string> figure_names;
  for (const auto& c : catalog::Constellations()) figure_names.emplace(c.japanese);
  for (const auto& a : catalog::Asterisms()) figure_names.emplace(a.japanese);
  for (const char* sky : {"|--at|2026-03-15 21:00|--dir|west", "|--at|2026-03-15 21:00|--dir|south",
                          "|--at|2026-05-15 21:00|--dir|north"}) {
    SCOPED_TRACE(sky);
    const std::string ops = Invoke(std::string("chart|--ops|--site|東京|--names") + sky +
                                   "|--constellations|--constellation-names|--asterisms")
                                .out;
    std::vector<std::pair<QRectF, bool>> words;  // and whether it names a figure
    std::istringstream lines(ops);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("print ", 0) != 0) continue;
      std::istringstream fields(line.substr(6));
      double x = 0, y = 0;
      std::string text;
      fields >> x >> y;
      std::getline(fields >> std::ws, text);
      if (y >= 9100) continue;  // the direction words under the horizon
      const QRectF box = metrics.boundingRect(QString::fromStdString(text));
      words.emplace_back(QRectF(x / 15, y / 15, box.width(), metrics.ascent()),
                         figure_names.count(text) > 0);
    }
    EXPECT_GT(words.size(), 20u);
    for (std::size_t i = 0; i < words.size(); ++i) {
      for (std::size_t j = i + 1; j < words.size(); ++j) {
        if (words[i].second || words[j].second) {
          EXPECT_FALSE(words[i].first.intersects(words[j].first)) << i << " " << j;
        }
      }
    }
  }
}

// The window's picture is what the window shows, and an .svg or .pdf name gets one.
TEST_F(CliPictures, WindowPicturesAsPngSvgAndPdf) {
  EXPECT_EQ(Written("window" + kNightSky, "window.png").size(), QSize(1040, 640));
  EXPECT_EQ(Invoke("window" + kNightSky + "|--out|" + Path("window.svg")).status, kCliOk);
  EXPECT_EQ(Invoke("window" + kNightSky + "|--readout|--out|" + Path("window.PDF")).status, kCliOk);
  EXPECT_NE(Head("window.svg", 400).find("<svg"), std::string::npos);
  EXPECT_EQ(Head("window.PDF", 5), "%PDF-");

  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  harness::RecordedProcess process;
  MainWindow window(clock, start_file, process);
  window.ClickPlanetarium();
  window.Timer().Halt();
  window.show();
  const auto failure = WritePicture(Path("shown.png"), window.size(), 1,
                                    [&](QPainter& painter) { window.render(&painter); });
  ASSERT_FALSE(failure) << failure->text;
  EXPECT_EQ(QImage(QString::fromStdString(Path("shown.png"))).convertToFormat(QImage::Format_RGB32),
            window.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// The print palette: the same operations with only their colours mapped, white sky first.
TEST_F(CliPictures, PrintPaletteMapsOnlyTheColours) {
  const auto operations = [](const std::string& args) {
    std::vector<std::vector<std::string>> ops;
    std::istringstream lines(Invoke(args).out);
    for (std::string line; std::getline(lines, line);) {
      std::istringstream words(line);
      ops.emplace_back(std::istream_iterator<std::string>(words),
                       std::istream_iterator<std::string>());
    }
    return ops;
  };
  const auto screen = operations("chart|--ops" + kNightSky);
  const auto print = operations("chart|--ops|--palette|print" + kNightSky);
  ASSERT_EQ(print.size(), screen.size());
  ASSERT_GT(print.size(), 5000u);
  EXPECT_EQ(print[0], (std::vector<std::string>{"cls", "255", "255", "255"}));
  std::set<std::string> greys;
  for (std::size_t i = 0; i < print.size(); ++i) {
    const auto& [p, s] = std::tie(print[i], screen[i]);
    ASSERT_EQ(p.size(), s.size()) << i;
    const std::size_t coordinates = p[0] == "line" ? 5 : p[0] == "circle" ? 4 : 3;
    if (p[0] == "print" || p[0] == "cls") continue;
    EXPECT_TRUE(
        std::equal(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(coordinates), s.begin()))
        << i;
    for (std::size_t c = coordinates; c + 2 < p.size(); c += 3) {
      EXPECT_TRUE(p[c] == p[c + 1] && p[c + 1] == p[c + 2]) << "a grey at " << i;
      greys.insert(p[0] + " " + p[c]);
    }
  }
  // Black discs, a grey horizon, and the grid, equator and ecliptic in three greys.
  EXPECT_EQ(greys,
            (std::set<std::string>{"circle 0", "line 80", "pset 160", "pset 74", "pset 120"}));
  const QImage picture = Written("chart|--palette|print" + kNightSky, "print.png");
  EXPECT_EQ(picture.pixel(500, 20), qRgb(255, 255, 255));
  EXPECT_EQ(Written("window|--palette|print" + kNightSky, "print-window.png").pixel(500, 300),
            qRgb(255, 255, 255));
}

TEST_F(CliPictures, FramesSortByNameAndReportProgressOnlyToATerminal) {
  const std::tuple<int, int, const char*> names[] = {{1, 3, "frame-0001.png"},
                                                     {12, 9999, "frame-0012.png"},
                                                     {7, 10000, "frame-00007.png"},
                                                     {123456, 123456, "frame-123456.png"}};
  for (const auto& [tick, last, name] : names) EXPECT_EQ(FrameFileName(tick, last), name);
  const std::string frames = "chart|--ticks|3|--step|60|--frames|" + Path("frames");
  const CliRun quiet = Invoke(frames);
  EXPECT_EQ(std::tie(quiet.status, quiet.err), std::make_tuple(kCliOk, std::string()));
  EXPECT_EQ(QDir(dir.filePath("frames")).entryList(QDir::Files),
            (QStringList{"frame-0001.png", "frame-0002.png", "frame-0003.png"}));
  const CliRun watched = Invoke(frames + "|--scale|2", true);
  EXPECT_EQ(watched.err, "\rframe 1/3\rframe 2/3\rframe 3/3\n");
  EXPECT_EQ(QImage(dir.filePath("frames/frame-0003.png")).size(), QSize(2080, 1280));

  // A shorter run into the same folder would leave a mixed series: refused,
  // naming the frames it would not replace; the same run again is fine.
  const CliRun shorter = Invoke("chart|--ticks|2|--frames|" + Path("frames"));
  EXPECT_EQ(shorter.status, kCliUsageError);
  EXPECT_NE(shorter.err.find("holds 1 frames that this run would not replace (frame-0003.png)"),
            std::string::npos)
      << shorter.err;
  EXPECT_EQ(Invoke(frames).status, kCliOk);
  const CliRun longer = Invoke("chart|--ticks|10000|--frames|" + Path("frames"));
  EXPECT_EQ(longer.status, kCliUsageError);  // frame-0001.png is not frame-00001.png
  EXPECT_NE(longer.err.find("frame-0001.png, frame-0002.png, frame-0003.png"), std::string::npos);
}

// A picture that cannot be written whole (here the process may not write
// more than 64 bytes, as on a full disk) fails with the system's reason and
// leaves the picture of an earlier run as it was, and no other file.
TEST_F(CliPictures, APictureIsWrittenWholeOrNotAtAll) {
  const std::string sky = Path("sky.png");
  ASSERT_EQ(Invoke("chart|--out|" + sky).status, kCliOk);
  QFile file(QString::fromStdString(sky));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray good = file.readAll();
  file.close();
  for (const char* picture : {"sky.png", "new.png", "new.svg", "new.pdf"}) {
    SCOPED_TRACE(picture);
    const platform_test::FileSizeLimit full_disk(64);
    const CliRun run = Invoke("chart|--grid|--names|--out|" + Path(picture));
    EXPECT_EQ(run.status, kCliWriteFailed);
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), good);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sky.png"});
}

}  // namespace
}  // namespace platform
