#include "platform/cli_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <cstddef>
#include <cstdio>
#include <string>

#include "app/sites.h"
#include "app/text_number.h"
#include "catalog/star_tables.h"
#include "chart/recording_surface.h"
#include "platform/application_process.h"
#include "platform/build_info.h"
#include "platform/image_export.h"
#include "platform/main_window.h"
#include "platform/text_output.h"

namespace platform {
namespace {

// The timer of the command line: ticks are run by the command, one by one.
class RecordingTimer final : public app::IntervalTimer {
 public:
  void SetInterval(int milliseconds) override { interval_ms = milliseconds; }
  int interval_ms = 0;
};

// Form1 with the command line's services: the chart is recorded as the
// picture the window would show, for image files and for --ops.
struct HeadlessForm {
  explicit HeadlessForm(CliEnvironment& environment)
      : form(app::Services{drawing, environment.clock, environment.startFile, process, timer}) {}
  chart::RecordingSurface drawing{chart::RecordingSurface::Keep::kSinceLastCls};
  RecordingProcess process;
  RecordingTimer timer;
  app::Form1 form;
};

void PrintTable(const app::Form1& form, OutputFormat format, std::ostream& out) {
  constexpr int kRows = astro::kBodyCount + catalog::kBrightStarCount;  // rows 1..26
  const bool filled = !form.lblH[0].Caption.empty();  // empty when the boxes could not be computed
  if (format == OutputFormat::kText) {
    for (std::size_t i = 0; filled && i < kRows; ++i) {
      out << form.lblST[i].Caption << '\t' << form.lblH[i].Caption << '\t' << form.lblV[i].Caption
          << '\n';
    }
    return;
  }
  out << "{\"site\": " << JsonString(form.lstCITY.Text()) << ", \"boxes\": [";
  for (std::size_t b = 0; b < form.txtYMD.size(); ++b) {
    out << (b ? ", " : "") << JsonString(form.txtYMD[b].Text);
  }
  out << "], \"latitude\": " << JsonString(form.txtIDO.Text)
      << ", \"longitude\": " << JsonString(form.txtKEIDO.Text) << ", \"rows\": [";
  for (std::size_t r = 1; filled && r <= kRows; ++r) {
    out << (r > 1 ? ",\n  " : "\n  ") << "{\"name\": " << JsonString(form.ReadoutName[r])
        << ", \"alt\": " << JsonNumber(form.ReadoutAlt[r])
        << ", \"az\": " << JsonNumber(form.ReadoutAz[r]) << "}";
  }
  out << "]}\n";
}

void PrintStars(OutputFormat format, std::ostream& out) {
  catalog::StarTables stars;
  stars.SetStars1();
  stars.SetStars2();
  stars.SetStars3();
  stars.SetStars4();
  if (format == OutputFormat::kJson) out << "{\"stars\": [";
  for (int row = 1; row <= catalog::kChartStarCount; ++row) {
    const std::string ra = JsonNumber(stars.StarTable(1, row));
    const std::string dec = JsonNumber(stars.StarTable(2, row));
    const std::string mag = JsonNumber(stars.StarTable(3, row));
    const std::string& name = stars.StarName[static_cast<std::size_t>(row)];
    if (format == OutputFormat::kText) {
      out << row << '\t' << ra << '\t' << dec << '\t' << mag << '\t' << name << '\n';
    } else {
      out << (row > 1 ? ",\n  " : "\n  ") << "{\"row\": " << row << ", \"ra\": " << ra
          << ", \"dec\": " << dec << ", \"mag\": " << mag << ", \"name\": " << JsonString(name)
          << "}";
    }
  }
  if (format == OutputFormat::kJson) out << "]}\n";
}

std::string FramePath(const std::string& folder, int tick) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%04d.png", tick);
  return QDir(QString::fromStdString(folder)).filePath(QString::fromLatin1(name)).toStdString();
}

int RunTable(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
             std::ostream& err) {
  HeadlessForm headless(environment);
  app::Form1& form = headless.form;
  form.Form_Load();
  if (!ApplyControls(form, options, err)) return kCliUsageError;
  if (options.ticks > 0) {
    form.Command3_Click();
    for (int t = 0; t < options.ticks; ++t) form.Timer1_Timer();
  }
  form.Command2_Click();
  PrintTable(form, options.format, out);
  return kCliOk;
}

int RunChart(const CliOptions& options, CliEnvironment& environment, std::ostream& out,
             std::ostream& err) {
  HeadlessForm headless(environment);
  app::Form1& form = headless.form;
  form.Form_Load();
  if (!ApplyControls(form, options, err)) return kCliUsageError;
  if (!options.out.empty() && !IsChartImagePath(options.out)) {
    err << "planetarium-cli: --out wants a .png, .svg or .pdf file, got '" << options.out << "'\n";
    return kCliUsageError;
  }
  if (!options.frames.empty() && !QDir().mkpath(QString::fromStdString(options.frames))) {
    err << "planetarium-cli: cannot create the folder '" << options.frames << "'\n";
    return kCliWriteFailed;
  }
  // --ops lists what the last handler drew: every drawing starts with a Cls,
  // so that is the picture, or nothing when the handler drew nothing.
  chart::RecordingSurface& drawing = headless.drawing;
  const auto draws = [&drawing](auto handler) {
    const std::size_t before = drawing.ReceivedCount();
    handler();
    return drawing.ReceivedCount() != before;
  };
  bool drew = draws([&form] { form.Command3_Click(); });
  for (int t = 1; t <= options.ticks; ++t) {
    drew = draws([&form] { form.Timer1_Timer(); });
    if (options.frames.empty()) continue;
    const std::string frame = FramePath(options.frames, t);
    if (!WriteChartImage(drawing, form.BackColor, frame)) {
      err << "planetarium-cli: cannot write '" << frame << "'\n";
      return kCliWriteFailed;
    }
  }
  if (options.ops) out << (drew ? drawing.Text() : std::string()) << '\n';
  if (!options.out.empty() && !WriteChartImage(drawing, form.BackColor, options.out)) {
    err << "planetarium-cli: cannot write '" << options.out << "'\n";
    return kCliWriteFailed;
  }
  return kCliOk;
}

int RunWindow(const CliOptions& options, CliEnvironment& environment, std::ostream& err) {
  RecordingProcess process;
  MainWindow window(environment.clock, environment.startFile, process);
  if (!ApplyControls(window.Form(), options, err)) return kCliUsageError;
  window.SyncFromModel();
  if (!options.readout || options.ticks > 0) window.ClickPlanetarium();
  for (int t = 0; t < options.ticks; ++t) window.Tick();
  if (options.readout) window.ClickReadout();
  window.Timer().Halt();
  window.show();
  QCoreApplication::processEvents();
  if (!WriteWindowImage(window, options.out)) {
    err << "planetarium-cli: cannot write '" << options.out << "'\n";
    return kCliWriteFailed;
  }
  return kCliOk;
}

}  // namespace

bool CliNeedsGui(const CliOptions& options) {
  return options.command == CliCommand::kWindow ||
         (options.command == CliCommand::kChart &&
          (!options.out.empty() || !options.frames.empty()));
}

bool ApplyControls(app::Form1& form, const CliOptions& options, std::ostream& err) {
  if (options.site) {
    const auto position = FindSite(form.lstCITY.items, *options.site);
    if (!position) {
      err << "planetarium-cli: unknown site '" << *options.site
          << "' (a list name or a position 0.." << app::kSiteCount - 1 << ")\n";
      return false;
    }
    form.lstCITY.ListIndex = *position;
    if (app::UsesTableCoordinates(*position)) {
      const auto entry = static_cast<std::size_t>(*position + 1);
      form.txtIDO.Text = app::ShortestText(form.CityLat[entry]);
      form.txtKEIDO.Text = app::ShortestText(form.CityLon[entry]);
    }
  }
  if (options.latitude) form.txtIDO.Text = *options.latitude;
  if (options.longitude) form.txtKEIDO.Text = *options.longitude;
  for (std::size_t b = 0; b < form.txtYMD.size(); ++b) {
    if (options.at) form.txtYMD[b].Text = (*options.at)[b];
    if (options.dateBoxes[b]) form.txtYMD[b].Text = *options.dateBoxes[b];
  }
  if (options.direction) {
    for (std::size_t d = 0; d < form.optDIR.size(); ++d) {
      form.optDIR[d].Value = static_cast<int>(d) == *options.direction;
    }
  }
  for (std::size_t k = 0; k < form.chkOP.size(); ++k) {
    if (options.chartOptions[k]) form.chkOP[k].Value = 1;
  }
  if (options.step) {
    const auto position = FindStep(form.lstINTV1.items, *options.step);
    if (!position) {
      err << "planetarium-cli: no time step of '" << *options.step << "' minutes in the list\n";
      return false;
    }
    form.lstINTV1.ListIndex = *position;
  }
  return true;
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
    case CliCommand::kStars:
      PrintStars(options.format, out);
      return kCliOk;
  }
  return kCliUsageError;
}

}  // namespace platform
