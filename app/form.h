#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/chart_description.h"
#include "app/controls.h"
#include "app/services.h"
#include "app/stars_of_date.h"
#include "app/start_file.h"
#include "astro/observation.h"
#include "catalog/star_tables.h"
#include "chart/chart_zoom.h"
#include "chart/sky_chart.h"

namespace app {

inline constexpr int kReadoutLabels = 27;  // label rows 0..26; row 26 is never filled
// Readout rows 1..26: the six bodies, then the named bright stars.
inline constexpr int kReadoutRows = astro::kBodyCount + catalog::kBrightStarCount;
inline constexpr int kTableSlots = 101;  // site and readout tables, slots 0..100
static_assert(kReadoutRows < kReadoutLabels && kReadoutRows < kTableSlots,
              "every readout row has its labels and its slots");

// The seven boxes the sky is computed from, in the order CalcSky reads them.
enum class SkyBox { kYear, kMonth, kDay, kHour, kMinute, kLatitude, kLongitude };

// Why the boxes hold no instant and place the sky can be computed for.
struct SkyBoxFault {
  SkyBox box;  // the first box at fault
  enum class Reason {
    kOutside16Bits,   // a year or month that does not round into -32768..32767
    kTooLarge,        // a number beyond the double range, or one whose result overflows
    kBeyondCalendar,  // year -32768 in January or February
  } reason;
};

// The one window of the planetarium: its controls, its form-level values and
// its event handlers, free of any window toolkit.
class Form1 {
 public:
  explicit Form1(Services services);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // --- Controls ---------------------------------------------------------
  std::string Caption;            // window caption
  chart::Colour BackColor;        // window background, the sky of the chart
  ListBox lstCITY;                // observing site
  std::array<TextBox, 5> txtYMD;  // year, month, day, hour, minute (Japan Standard Time)
  Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10;
  Label lblCHUI;     // a caution under the horizon: the year lies beyond what the series serve
  TextBox txtIDO;    // latitude [degrees, north positive]
  TextBox txtKEIDO;  // longitude [degrees, east positive]
  ListBox lstINTV1;  // animation time step [minutes]
  ListBox lstINTV2;  // animation display interval [seconds], " 0" stops
  std::array<OptionButton, chart::kDirectionRows.size()> optDIR;  // as chart::kDirectionRows
  std::array<CheckBox, chart::kOptionCount> chkOP;  // the chart's options, as chart::kOptionRows
  CommandButton Command1;                           // "終了": save the start file and exit
  CommandButton Command2;                           // "数値": numeric readout
  CommandButton Command3;                           // "プラネタリウム": chart and animation
  CommandButton cmdKOYOMI;                          // "暦": the day's almanac
  Timer Timer1;                                     // animation clock
  std::array<Label, kReadoutLabels> lblST, lblH, lblV;  // readout: name, altitude, azimuth

  // --- Event handlers ---------------------------------------------------
  // Once, before the window is shown: reads the start file, fills the site list
  // (75 items) and selects the stored site, puts the clock's date and time into
  // the boxes, paints the night colours. Computes and draws nothing.
  void Form_Load();
  // Exit: writes the start file, then ends the process. A failed write is
  // put to the user: retry, quit without saving, or back to the window.
  void Command1_Click();
  // Numeric readout now and, from now on, before every animation step.
  void Command2_Click();
  // Chart for the boxes in the selected direction; colours from the Sun's
  // altitude; starts the animation at the selected display interval.
  void Command3_Click();
  // Animation step: advances the boxes by the time step and redraws.
  void Timer1_Timer();
  // The almanac (risings, transits, settings, phases) of the boxes' date at
  // the selected site, handed to the almanac display; a named site puts its
  // table coordinates into the boxes first. Draws nothing, changes no readout.
  void cmdKOYOMI_Click();
  // The chart on the window drawn again from the last computed sky, in the
  // selected direction with the boxes' options, magnified as chartZoom now
  // says: after a zoom or pan step. Nothing while no chart is shown.
  void RedrawChart();

  // --- Procedures -------------------------------------------------------
  // Runs the observation pipeline for the boxes' date, time and site and fills
  // readout rows 1..6; with 実際の空 ticked, makes it the sky as it is seen
  // (astro::SeeFromSite, the stars at the date). Returns false, changing
  // nothing, when a year or month does not fit 16 bits, a number does not fit a
  // double or the calendar cannot represent the date.
  bool CalcSky();
  // False when the year box holds a year beyond those in which the series keep
  // the bodies within 10' of the sky (astro::SeriesServeYear); the sky is
  // computed all the same.
  bool SeriesServeTheYear() const;
  // True while the last computation was of the sky as it is seen.
  bool SkyAsSeen() const { return skyChart.AsSeen.has_value(); }
  // Given: nothing. Returned: the first box that keeps CalcSky from computing
  // and why, or nullopt when CalcSky would succeed. Changes nothing.
  std::optional<SkyBoxFault> FindSkyBoxFault() const;
  // Empties the readout rows, clears the chart and lists the six bodies and the
  // twenty named bright stars with altitude and azimuth ("0.0").
  void ShowValues();
  // Background of the window, the chart surface and the coloured controls from
  // ColourScheme (1 night 32,96,192; 2 day 0,144,255); the year box text black.
  void SetColours();
  // Timer interval, site, site label, pipeline, colours when the Sun has
  // crossed the horizon since the previous computation, the view.
  void RefreshView();
  // A named site puts its table coordinates into the latitude and longitude
  // boxes; the typed entry "入力" leaves them to the user.
  void ApplySiteSelection();

  // --- Form-level values ------------------------------------------------
  std::array<std::string, kTableSlots> CityName{};     // site names, entries 1..75
  std::array<double, kTableSlots> CityLat{};           // [degrees, north positive]; "大津" 35
  std::array<double, kTableSlots> CityLon{};           // [degrees, east positive]
  std::array<std::string, kTableSlots> ReadoutName{};  // readout rows 1..26
  std::array<double, kTableSlots> ReadoutAlt{};        // [degrees above the horizon]
  std::array<double, kTableSlots> ReadoutAz{};         // [degrees, north 0, east 90]
  NumberOrText StartLat = 0.0;    // latitude of the start file [degrees] or its text
  double StartLon = 0;            // longitude of the start file [degrees]
  double PrevSunAlt = 0;          // Sun altitude of the previous chart computation [degrees]
  std::int16_t ColourScheme = 0;  // 1 night, 2 day
  std::int16_t ReadoutMode = 0;   // 1: the readout is renewed on every tick
  // The readout rows show the sky of the last ShowValues; false while they are
  // empty (never shown, emptied by the planetarium button, or the boxes could
  // not be computed).
  bool ReadoutShown = false;
  // What the chart on the window shows, and the chart in words for a screen
  // reader (DescribeChart); renewed with every drawing, nothing while no
  // chart is shown.
  std::optional<ChartSubject> ChartOnWindow;
  std::string ChartDescription;

  astro::Observation observation;
  // The two star catalogues, loaded once when the form is made.
  const catalog::StarTables brightStars = catalog::BrightStarTable();  // readout rows 7..26
  const catalog::StarTables chartStars = catalog::ChartCatalogue();    // drawn by the views
  // The same stars at the date of the last computation, for the sky as it is seen.
  StarsOfDate starsOfDate{chartStars, brightStars};
  chart::SkyChart skyChart;
  // How much of the view the chart shows; the whole view until the user zooms.
  chart::ChartZoom chartZoom;

 private:
  // The five date and time boxes as the handlers read them: year and month
  // rounded to 16-bit integers (nothing when they do not fit), day, hour and
  // minute as the numbers the boxes start with.
  struct DateBoxes {
    std::optional<std::int16_t> year, month;
    double day, hour, minute;
  };
  DateBoxes ReadDateBoxes() const;
  // The seven boxes as the sky is computed from them: the date and time, the
  // latitude and the longitude [degrees].
  struct SkyBoxes {
    std::int16_t year, month;
    double day, hour, minute, latitude, longitude;
  };
  // Returned: the boxes' values, or the first box that cannot be computed
  // with (a year or month outside 16 bits, a number beyond the double range);
  // the one reader of CalcSky and FindSkyBoxFault.
  std::variant<SkyBoxes, SkyBoxFault> ReadSkyBoxes() const;
  // Writes a date and time into the five boxes as whole numbers.
  void WriteDateBoxes(int year, int month, int day, int hour, int minute);

  void LayOutControls();
  void FillSites();
  void ClearReadoutRows();
  void SetTimerFromDisplayInterval();
  void ChooseColoursForSun(double sun_altitude);
  void DrawSelectedView();
  void DescribeDrawnView();

  Services services_;
};

}  // namespace app
