#pragma once

#include "astro/observation.h"
#include "catalog/star_tables.h"
#include "chart/recording_surface.h"
#include "chart/sky_chart.h"

namespace chart::testing {

// A chart drawing onto a recording surface, with an observation set by hand.
struct ChartRig {
  astro::Observation observation;
  catalog::StarTables stars;
  RecordingSurface surface;
  SkyChart chart{observation, stars, surface};

  // Projects one object for the view centred on `centre_azimuth`.
  bool Project(double centre_azimuth, double altitude, double azimuth) {
    observation.horizontal.ObjAlt = altitude;
    observation.horizontal.ObjAz = azimuth;
    return chart.Plot(centre_azimuth);
  }
};

}  // namespace chart::testing
