#pragma once

#include <optional>
#include <ostream>

#include "app/form.h"
#include "app/object_info.h"
#include "platform/cli/options.h"

namespace platform {

// The readout of a form whose "数値" button has been pressed (26 rows; none
// when it could not be computed). text: name, altitude and azimuth as the
// labels show them, tab-separated; json: site, boxes, coordinates and rows;
// csv: a header name,alt,az and one record per row.
void WriteReadout(const app::Form1& form, OutputFormat format, std::ostream& out);

// The readout at every step of an animation, written step by step so that a
// long series needs no more memory than one step.
// text: step, the five boxes, name, altitude, azimuth, tab-separated;
// json: {"site", "latitude", "longitude", "steps": [{"boxes", "rows"}, ...]};
// csv: a header step,year,month,day,hour,minute,name,alt,az.
class SeriesWriter {
 public:
  SeriesWriter(OutputFormat format, std::ostream& out) : format_(format), out_(out) {}
  // Given: the form after the planetarium button: its site and coordinates.
  void Begin(const app::Form1& form);
  // Given: the form with its readout shown for the boxes of step `step`.
  void Step(const app::Form1& form, int step);
  void End();

 private:
  OutputFormat format_;
  std::ostream& out_;
  std::string line_;  // the text of one step, written at once
};

// What is drawn at a point of the chart (app::ObjectAt), or nothing. text:
// its one line, or an empty line; json: {"object": {"id", "name", "kind",
// "constellation", "magnitude", "altitude", "azimuth"}} or {"object": null}.
void WriteObjectInfo(const std::optional<app::ObjectInfo>& info, OutputFormat format,
                     std::ostream& out);

// The chart catalogue: row, right ascension [hours], declination and
// magnitude, name (csv header row,ra,dec,mag,name).
void WriteStars(OutputFormat format, std::ostream& out);

// The site list in list order: position, name (trailing blanks kept),
// latitude and longitude [degrees, east positive] (csv header position,name,lat,lon).
void WriteSites(OutputFormat format, std::ostream& out);

}  // namespace platform
