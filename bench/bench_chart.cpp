// Time of the work behind one chart: the observation pipeline alone, then each
// of the four views at night with every option, computed and drawn onto the
// recording surface, onto a window-sized image through the platform's
// QPainter surface, the way the window does it (the recorded picture
// replayed onto the painter at paint time), and a whole timer tick of the
// window itself: handler, widgets brought up to date, window repainted.
//
// Run: build/perf/bench/bench_chart (offscreen Qt platform unless one is set).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/night_form.h"
#include "chart/recording_surface.h"
#include "platform/qt/fonts.h"
#include "platform/qt/painter_surface.h"
#include "platform/window/form_scale.h"
#include "platform/window/main_window.h"
#include "platform/window/scaled_style.h"
#include "tests/harness/form_harness.h"

namespace {

using RecordingHarness = harness::FormHarness<chart::RecordingSurface>;

// The model drawing straight onto a window-sized image.
struct ImageHarness {
  QImage image{platform::kClientWidthPx, platform::kClientHeightPx,
               QImage::Format_ARGB32_Premultiplied};
  QPainter painter{&image};
  platform::PainterSurface surface{painter};
  harness::FakeServices services;
  app::Form1 form{services.On(surface)};
};

void BM_CalcSky(benchmark::State& state) {
  auto h = std::make_unique<RecordingHarness>();
  bench::SetUpNight(h->form, 2);
  for (auto _ : state) benchmark::DoNotOptimize(h->form.CalcSky());
}
BENCHMARK(BM_CalcSky);

// Draw only: the positions of one computation, the view drawn again and again.
void BM_DrawRecording(benchmark::State& state) {
  auto h = std::make_unique<RecordingHarness>();
  bench::SetUpNight(h->form, static_cast<int>(state.range(0)));
  h->form.Command3_Click();
  for (auto _ : state) {
    h->surface.Clear();
    switch (state.range(0)) {
      case 0:
        h->form.skyChart.DrawNorth();
        break;
      case 1:
        h->form.skyChart.DrawEast();
        break;
      case 2:
        h->form.skyChart.DrawSouth();
        break;
      default:
        h->form.skyChart.DrawWest();
        break;
    }
  }
  state.counters["operations"] = static_cast<double>(h->surface.Operations().size());
}
BENCHMARK(BM_DrawRecording)->DenseRange(0, 3)->ArgName("direction");

// The altitude/azimuth grid alone: the same dots for every site, time and view.
void BM_DrawGrid(benchmark::State& state) {
  auto h = std::make_unique<RecordingHarness>();
  bench::SetUpNight(h->form, 2);
  h->form.Command3_Click();
  for (auto _ : state) {
    h->surface.Clear();
    h->form.skyChart.DrawGrid();
  }
  state.counters["dots"] = static_cast<double>(h->surface.Operations().size());
}
BENCHMARK(BM_DrawGrid);

// The planetarium button: site, pipeline, colours and the view, recorded.
void BM_ButtonRecording(benchmark::State& state) {
  auto h = std::make_unique<RecordingHarness>();
  bench::SetUpNight(h->form, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    h->surface.Clear();
    h->form.Command3_Click();
  }
}
BENCHMARK(BM_ButtonRecording)->DenseRange(0, 3)->ArgName("direction");

// The planetarium button painted onto a window-sized image.
void BM_ButtonImage(benchmark::State& state) {
  auto h = std::make_unique<ImageHarness>();
  bench::SetUpNight(h->form, static_cast<int>(state.range(0)));
  for (auto _ : state) h->form.Command3_Click();
}
BENCHMARK(BM_ButtonImage)->DenseRange(0, 3)->ArgName("direction")->Unit(benchmark::kMillisecond);

// What one frame of the window costs: the button into the recorded picture,
// then the picture replayed onto the window-sized image as paintEvent does.
void BM_WindowFrame(benchmark::State& state) {
  harness::FakeServices services;
  chart::RecordingSurface drawing(chart::RecordingSurface::Keep::kSinceLastCls);
  auto form = std::make_unique<app::Form1>(services.On(drawing));
  bench::SetUpNight(*form, static_cast<int>(state.range(0)));
  QImage image(platform::kClientWidthPx, platform::kClientHeightPx,
               QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    form->Command3_Click();
    QPainter painter(&image);
    platform::PainterSurface surface(painter);
    surface.BackColor = form->BackColor;
    drawing.Replay(surface);
  }
}
BENCHMARK(BM_WindowFrame)->DenseRange(0, 3)->ArgName("direction")->Unit(benchmark::kMillisecond);

// One animation frame of the real window at a size: the tick handler, the
// widgets synchronised with the model (placed and sized at the form's scale),
// and the repaint of the window (offscreen). The boxes go back to 21:00 before
// every tick, so that every frame is a night one.
void WindowTicks(benchmark::State& state, int direction, QSize size) {
  harness::FixedClock clock;
  harness::MemoryStartFile start_file;
  harness::RecordedProcess process;
  platform::MainWindow window(clock, start_file, process);
  bench::SetUpNight(window.Form(), direction);
  window.ClickPlanetarium();
  window.resize(size);
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    window.Form().txtYMD[3].Text = "21";
    window.Form().txtYMD[4].Text = "0";
    window.Tick();
    window.repaint();
  }
}

void BM_MainWindowTick(benchmark::State& state) {
  WindowTicks(state, static_cast<int>(state.range(0)), platform::kFormSizePx);
}
BENCHMARK(BM_MainWindowTick)->DenseRange(0, 3)->ArgName("direction")->Unit(benchmark::kMillisecond);

// The projector's view: the window full screen on a 3840 × 2160 screen, the
// form drawn at 3.375 times its size.
void BM_MainWindowTickFullScreen4K(benchmark::State& state) {
  WindowTicks(state, static_cast<int>(state.range(0)), QSize(3840, 2160));
}
BENCHMARK(BM_MainWindowTickFullScreen4K)
    ->DenseRange(0, 3)
    ->ArgName("direction")
    ->Unit(benchmark::kMillisecond);

// A zoom or pan step on the projector: the chart magnified four times toward
// the south, dragged by a tenth of the screen one way and back, drawn anew
// from the computed sky and repainted full screen at 3840 × 2160.
void BM_MainWindowZoomStepFullScreen4K(benchmark::State& state) {
  harness::FixedClock clock;
  harness::MemoryStartFile start_file;
  harness::RecordedProcess process;
  platform::MainWindow window(clock, start_file, process);
  bench::SetUpNight(window.Form(), 2);
  window.ClickPlanetarium();
  window.Timer().Halt();
  window.resize(QSize(3840, 2160));
  window.show();
  QApplication::processEvents();
  app::Form1& form = window.Form();
  form.chartZoom.ZoomAbout(4, {chart::kChartWidth / 2, chart::kChartHeight / 2});
  double drag = chart::kChartWidth / 10;  // [twips]
  for (auto _ : state) {
    form.chartZoom.PanBy(drag, 0);
    drag = -drag;
    form.RedrawChart();
    window.repaint();
  }
}
BENCHMARK(BM_MainWindowZoomStepFullScreen4K)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  platform::InstallScaledStyle();
  platform::InstallFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
