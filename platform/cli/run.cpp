#include "platform/cli/run.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "app/almanac_table.h"
#include "app/intervals.h"
#include "app/screen_units.h"
#include "app/sites.h"
#include "app/zoom_words.h"
#include "astro/series_years.h"
#include "chart/recording_surface.h"
#include "platform/cli/almanac_listing.h"
#include "platform/cli/instant.h"
#include "platform/cli/listings.h"
#include "platform/cli/text_output.h"
#include "platform/qt/build_info.h"
#include "platform/qt/chart_picture.h"
#include "platform/qt/image_export.h"
#include "platform/window/main_window.h"
#include "text/utf8.h"

namespace platform {
namespace {

// The command line's process: the exit button is never pressed, and an End
// would change nothing.
class RecordingProcess final : public app::Process {
 public:
  void End() override {}
};

// The timer of the command line: ticks are run by the command, one by one.
class RecordingTimer final : public app::IntervalTimer {
 public:
  void SetInterval(int milliseconds) override { interval_ms = milliseconds; }
  int interval_ms = 0;
};

// The command line never presses the exit button; were it pressed, nothing
// would be saved.
class QuitWithoutSaving final : public app::SaveFailureDialog {
 public:
  app::AfterFailedSave Ask(std::string_view, std::string_view) override {
    return app::AfterFailedSave::kQuitWithoutSaving;
  }
};

// The almanac button's result, kept for the listing.
class KeptAlmanac final : public app::AlmanacDisplay {
 public:
  void Show(const app::AlmanacTable& shown) override { table = shown; }
  void ShowNoTable(std::string_view) override { table.reset(); }
  std::optional<app::AlmanacTable> table;
};

// Form1 with the command line's services: the chart is recorded as the
// picture the window would show, for image files and for --ops.
struct HeadlessForm {
  explicit HeadlessForm(CliEnvironment& environment)
      : form(app::Services{drawing, environment.clock, environment.startFile, process, timer,
                           save_failure, almanac}) {}
  chart::RecordingSurface drawing{chart::RecordingSurface::Keep::kSinceLastCls};
  RecordingProcess process;
  RecordingTimer timer;
  QuitWithoutSaving save_failure;
  KeptAlmanac almanac;
  app::Form1 form;
};

int Report(const CliFailure& failure, std::ostream& err) {
  err << "planetarium-cli: " << failure.message << '\n';
  return failure.status;
}

CliFailure WriteFailure(const std::string& what, const std::string& reason) {
  return CliFailure{kCliWriteFailed, "cannot " + what + ": " + text::ValidUtf8(reason)};
}

const char* Explain(app::SkyBoxFault::Reason reason) {
  switch (reason) {
    case app::SkyBoxFault::Reason::kOutside16Bits:
      return "not a whole number from -32768 to 32767";
    case app::SkyBoxFault::Reason::kTooLarge:
      return "a number too large to compute with";
    case app::SkyBoxFault::Reason::kBeyondCalendar:
      return "the calendar has no January or February of that year";
  }
  return "";
}

// Status 3 naming the first box at fault, the options that fill it and its text.
std::optional<CliFailure> CheckComputable(const app::Form1& form) {
  const auto fault = form.FindSkyBoxFault();
  if (!fault) return std::nullopt;
  struct BoxName {
    const char* name;
    const char* options;
    const std::string* text;
  };
  const BoxName names[] = {{"year", "--at, --year", &form.txtYMD[0].Text},
                           {"month", "--at, --month", &form.txtYMD[1].Text},
                           {"day", "--at, --day", &form.txtYMD[2].Text},
                           {"hour", "--at, --hour", &form.txtYMD[3].Text},
                           {"minute", "--at, --minute", &form.txtYMD[4].Text},
                           {"latitude", "--lat", &form.txtIDO.Text},
                           {"longitude", "--lon", &form.txtKEIDO.Text}};
  const BoxName& box = names[static_cast<std::size_t>(fault->box)];
  return CliFailure{kCliNothingToCompute, std::string("nothing to compute: the ") + box.name +
                                              " box (" + box.options + ") holds " +
                                              Quoted(*box.text) + ": " + Explain(fault->reason)};
}

// A year beyond those the series serve is computed all the same, with a warning.
void WarnOfAYearBeyondTheSeries(const app::Form1& form, std::ostream& err) {
  if (!form.SeriesServeTheYear()) {
    err << "planetarium-cli: warning: the year " << Quoted(form.txtYMD[0].Text) << " lies outside "
        << astro::kFirstSeriesYear << " to " << astro::kLastSeriesYear
        << ", where the series keep the Moon and the planets within 10' of the "
           "sky; their places may be far off\n";
  }
}

// The form after start-up with the options' controls, ready to compute.
std::optional<CliFailure> PrepareToCompute(app::Form1& form, const CliOptions& options,
                                           const CliEnvironment& environment, std::ostream& err) {
  form.Form_Load();
  if (auto failure = ApplyControls(form, options, environment.clock)) return failure;
  if (auto failure = CheckComputable(form)) return failure;
  WarnOfAYearBeyondTheSeries(form, err);
  return std::nullopt;
}

// The readout for the boxes at the planetarium button and after each tick, as
// "数値" shows it. No view is selected: the readout does not depend on it, and
// a long series then costs the pipeline and the readout alone.
void WriteSeries(HeadlessForm& headless, const CliOptions& options, std::ostream& out) {
  app::Form1& form = headless.form;
  for (app::OptionButton& direction : form.optDIR) direction.Value = false;
  SeriesWriter writer(options.format, out);
  form.Command3_Click();
  writer.Begin(form);
  // A failed standard output ends the series: nobody reads the rest.
  for (int step = 0; step <= options.ticks && out; ++step) {
    if (step > 0) form.Timer1_Timer();
    form.ShowValues();
    writer.Step(form, step);
  }
  writer.End();
}

int RunTable(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
             std::ostream& err) {
  HeadlessForm headless(environment);
  app::Form1& form = headless.form;
  if (auto failure = PrepareToCompute(form, options, environment, err))
    return Report(*failure, err);
  if (options.series) {
    WriteSeries(headless, options, out);
    return kCliOk;
  }
  if (options.ticks > 0) {
    form.Command3_Click();
    for (int t = 0; t < options.ticks; ++t) form.Timer1_Timer();
  }
  form.Command2_Click();
  WriteReadout(form, options.format, out);
  return kCliOk;
}

std::string FramePath(const std::string& folder, int tick, int last_tick) {
  return QDir(QString::fromStdString(folder))
      .filePath(QString::fromStdString(FrameFileName(tick, last_tick)))
      .toStdString();
}

std::optional<CliFailure> WriteChart(const HeadlessForm& headless, const CliOptions& options,
                                     const std::string& path) {
  const auto failure = WriteChartPicture(path, headless.drawing, headless.form.BackColor,
                                         options.palette, options.scale);
  if (failure) return WriteFailure("write " + Quoted(path), failure->text);
  return std::nullopt;
}

// Frames of an earlier run that this one would not overwrite would make a
// mixed series: the folder must not hold any (exit status 2, naming them).
std::optional<CliFailure> RefuseStaleFrames(const std::string& folder, int last_tick) {
  const QDir dir(QString::fromStdString(folder));
  const QRegularExpression frame_name(QStringLiteral("^frame-[0-9]+\\.png$"));
  std::vector<std::string> stale;
  for (const QString& name : dir.entryList({QStringLiteral("frame-*.png")}, QDir::Files)) {
    if (!frame_name.match(name).hasMatch()) continue;
    const std::string file = name.toStdString();
    const int tick = QStringView(name).mid(6, name.size() - 10).toInt();
    if (tick < 1 || tick > last_tick || file != FrameFileName(tick, last_tick)) {
      stale.push_back(file);
    }
  }
  if (stale.empty()) return std::nullopt;
  constexpr std::size_t kNamed = 3;
  std::string names;
  for (std::size_t i = 0; i < std::min(stale.size(), kNamed); ++i) {
    names += (i == 0 ? "" : ", ") + stale[i];
  }
  if (stale.size() > kNamed) names += ", …";
  return CliFailure{kCliUsageError, "--frames " + Quoted(folder) + " holds " +
                                        std::to_string(stale.size()) +
                                        " frames that this run would not replace (" + names +
                                        "): remove them or choose another folder"};
}

std::optional<CliFailure> MakeFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(folder), error);
  if (error) return WriteFailure("make the folder " + Quoted(folder), error.message());
  return std::nullopt;
}

// True when the handler drew: every drawing starts with a Cls, so the
// recorder then holds its picture; otherwise an older picture or nothing.
template <typename Handler>
bool Draws(const chart::RecordingSurface& drawing, Handler handler) {
  const std::size_t before = drawing.ReceivedCount();
  handler();
  return drawing.ReceivedCount() != before;
}

// The picture after tick `t` into the frames folder, if there is one, with
// "frame t/N" on a terminal.
std::optional<CliFailure> WriteFrame(const HeadlessForm& headless, const CliOptions& options,
                                     const CliEnvironment& environment, int t, std::ostream& err) {
  if (options.frames.empty()) return std::nullopt;
  if (auto failure = WriteChart(headless, options, FramePath(options.frames, t, options.ticks))) {
    return failure;
  }
  if (environment.errIsTerminal) {
    err << "\rframe " << t << '/' << options.ticks << (t == options.ticks ? "\n" : "")
        << std::flush;
  }
  return std::nullopt;
}

int RunChart(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
             std::ostream& err) {
  HeadlessForm headless(environment);
  app::Form1& form = headless.form;
  if (auto failure = PrepareToCompute(form, options, environment, err))
    return Report(*failure, err);
  if (!options.frames.empty()) {
    if (auto failure = RefuseStaleFrames(options.frames, options.ticks)) {
      return Report(*failure, err);
    }
    if (auto failure = MakeFolder(options.frames)) return Report(*failure, err);
  }
  bool drew = Draws(headless.drawing, [&form] { form.Command3_Click(); });
  for (int t = 1; t <= options.ticks; ++t) {
    drew = Draws(headless.drawing, [&form] { form.Timer1_Timer(); });
    if (auto failure = WriteFrame(headless, options, environment, t, err)) {
      return Report(*failure, err);
    }
  }
  // --ops lists the picture of the last handler, or nothing when it drew nothing.
  if (options.ops) {
    out << (drew ? ChartOperations(headless.drawing, form.BackColor, options.palette)
                 : std::string())
        << '\n';
  }
  if (!options.out.empty()) {
    if (auto failure = WriteChart(headless, options, options.out)) return Report(*failure, err);
  }
  return kCliOk;
}

// What the chart after the planetarium button and the ticks shows at a point.
int RunInfo(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
            std::ostream& err) {
  HeadlessForm headless(environment);
  app::Form1& form = headless.form;
  if (auto failure = PrepareToCompute(form, options, environment, err))
    return Report(*failure, err);
  form.Command3_Click();
  for (int t = 0; t < options.ticks; ++t) form.Timer1_Timer();
  WriteObjectInfo(app::ObjectAt(form, *options.pointX * app::kTwipsPerPixel,
                                *options.pointY * app::kTwipsPerPixel),
                  options.format, out);
  return kCliOk;
}

// The page the window prints, after the planetarium button and the ticks, as PDF.
int RunPrint(const CliOptions& options, CliEnvironment& environment, std::ostream& err) {
  HeadlessForm headless(environment);
  app::Form1& form = headless.form;
  if (auto failure = PrepareToCompute(form, options, environment, err))
    return Report(*failure, err);
  form.Command3_Click();
  for (int t = 0; t < options.ticks; ++t) form.Timer1_Timer();
  if (!form.ChartOnWindow) {
    return Report(CliFailure{kCliNothingToCompute, "nothing to print: no chart was drawn"}, err);
  }
  const auto failure = WritePrintedPage(options.out, headless.drawing, form.BackColor,
                                        app::ChartCaption(*form.ChartOnWindow));
  if (failure) return Report(WriteFailure("write " + Quoted(options.out), failure->text), err);
  return kCliOk;
}

// The almanac button for the boxes: the site of --site or --lat and --lon,
// the date of --date or of the clock.
int RunAlmanac(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
               std::ostream& err) {
  HeadlessForm headless(environment);
  if (auto failure = PrepareToCompute(headless.form, options, environment, err)) {
    return Report(*failure, err);
  }
  headless.form.cmdKOYOMI_Click();
  if (!headless.almanac.table) {
    return Report(CliFailure{kCliNothingToCompute,
                             "nothing to compute: no almanac for the date and site given"},
                  err);
  }
  WriteAlmanac(*headless.almanac.table, options.format, out);
  return kCliOk;
}

int RunWindow(const CliOptions& options, CliEnvironment& environment, std::ostream& err) {
  RecordingProcess process;
  MainWindow window(environment.clock, environment.startFile, process);
  if (auto failure = ApplyControls(window.Form(), options, environment.clock)) {
    return Report(*failure, err);
  }
  WarnOfAYearBeyondTheSeries(window.Form(), err);
  if (!options.readout || options.ticks > 0) window.ClickPlanetarium();
  for (int t = 0; t < options.ticks; ++t) window.Tick();
  if (options.readout) window.ClickReadout();
  window.Timer().Halt();
  window.ShowInPalette(options.palette);
  window.show();
  QCoreApplication::processEvents();
  const auto failure = WritePicture(options.out, window.size(), options.scale,
                                    [&](QPainter& painter) { window.render(&painter); });
  if (failure) return Report(WriteFailure("write " + Quoted(options.out), failure->text), err);
  return kCliOk;
}

}  // namespace

std::string FrameFileName(int tick, int last_tick) {
  const std::size_t width = std::max<std::size_t>(4, std::to_string(last_tick).size());
  std::string number = std::to_string(tick);
  number.insert(0, width - std::min(width, number.size()), '0');
  return "frame-" + number + ".png";
}

bool CliNeedsGui(const CliOptions& options) {
  return options.command == CliCommand::kWindow || options.command == CliCommand::kPrint ||
         (options.command == CliCommand::kChart &&
          (!options.out.empty() || !options.frames.empty()));
}

std::optional<CliFailure> ApplyControls(app::Form1& form, const CliOptions& options,
                                        const app::Clock& clock) {
  app::SkyRequest request = options.request;
  if (options.date && request.instant) {
    if (auto failure = CheckDate(*options.date, *request.instant)) return failure;
  }
  if (options.at) {
    const auto boxes = ResolveAt(*options.at, options.timeZone, clock);
    if (const auto* failure = std::get_if<CliFailure>(&boxes)) return *failure;
    request.instant = std::get<app::DateBoxTexts>(boxes);
  }
  for (const app::RequestFault fault : app::ApplyRequest(form, request)) {
    switch (fault) {
      case app::RequestFault::kUnknownSite:
        return CliFailure{kCliUsageError, "--site: unknown site " + Quoted(*request.site) +
                                              " (a list name, its Latin name or a position 0.." +
                                              std::to_string(app::kSiteCount - 1) +
                                              "; planetarium-cli sites lists them)"};
      case app::RequestFault::kUnknownStep:
        return CliFailure{kCliUsageError, "--step: no time step of " + Quoted(*request.step) +
                                              " minutes in the list (" + app::TimeStepsText() +
                                              ")"};
      case app::RequestFault::kCentreNotInView:
        return CliFailure{kCliUsageError, "--center: " + app::CentreText(*request.centre) +
                                              " is not in the view of --dir"};
    }
  }
  return std::nullopt;
}

int RunCli(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
           std::ostream& err) {
  switch (options.command) {
    case CliCommand::kHelp:
      out << CliUsage();
      return kCliOk;
    case CliCommand::kVersion:
      out << "planetarium-cli " << kVersion << '\n';
      return kCliOk;
    case CliCommand::kTable:
      return RunTable(options, environment, out, err);
    case CliCommand::kChart:
      return RunChart(options, environment, out, err);
    case CliCommand::kWindow:
      return RunWindow(options, environment, err);
    case CliCommand::kPrint:
      return RunPrint(options, environment, err);
    case CliCommand::kStars:
      WriteStars(options.format, out);
      return kCliOk;
    case CliCommand::kSites:
      WriteSites(options.format, out);
      return kCliOk;
    case CliCommand::kInfo:
      return RunInfo(options, environment, out, err);
    case CliCommand::kAlmanac:
      return RunAlmanac(options, environment, out, err);
  }
  return kCliUsageError;
}

}  // namespace platform
