#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/controls.h"
#include "app/services.h"
#include "astro/observation.h"
#include "catalog/star_tables.h"
#include "chart/sky_chart.h"

namespace app {

inline constexpr int kReadoutLabels = 27;  // label rows 0..26; row 26 is never filled
inline constexpr int kTableSlots = 101;    // site and readout tables, slots 0..100

// The one window of the planetarium: its controls, its form-level values and
// its event handlers, free of any window toolkit.
class Form1 {
 public:
  explicit Form1(Services services);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // --- Controls ---------------------------------------------------------
  std::string Caption;       // window caption
  chart::Colour BackColor;   // window background, the sky of the chart
  ListBox lstCITY;           // observing site
  std::array<TextBox, 5> txtYMD;  // year, month, day, hour, minute (Japan Standard Time)
  Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10;
  TextBox txtIDO;            // latitude [degrees, north positive]
  TextBox txtKEIDO;          // longitude [degrees, east positive]
  ListBox lstINTV1;          // animation time step [minutes]
  ListBox lstINTV2;          // animation display interval [seconds], " 0" stops
  std::array<OptionButton, 4> optDIR;  // north, east, south, west
  std::array<CheckBox, 4> chkOP;       // equator, ecliptic, grid, names
  CommandButton Command1;    // "終了": save the start file and exit
  CommandButton Command2;    // "数値": numeric readout
  CommandButton Command3;    // "プラネタリウム": chart and animation
  Timer Timer1;              // animation clock
  std::array<Label, kReadoutLabels> lblST, lblH, lblV;  // readout: name, altitude, azimuth

  // --- Event handlers ---------------------------------------------------
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Timer1_Timer();

  // --- Procedures -------------------------------------------------------
  void CalcSky();
  void ShowValues();
  void SetColours();
  void RefreshView();

  // --- Form-level values ------------------------------------------------
  astro::Observation observation;
  catalog::StarTables stars;
  chart::SkyChart chart;

 private:
  Services services_;
};

}  // namespace app
