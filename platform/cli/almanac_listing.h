#pragma once

#include <ostream>

#include "app/almanac_table.h"
#include "platform/cli/options.h"

namespace platform {

// The almanac of a day as `planetarium-cli almanac` lists it.
// text: the table as pupils read it (title, the bodies' rows, the Moon's and
//       Venus's lines), its columns lined up for a terminal;
// json: {"date", "site", "bodies": [{"id", "name", "rise", "rise_azimuth",
//       "transit", "transit_altitude", "set", "set_azimuth"}], "moon": {"age",
//       "illuminated", "phase"}, "venus": {"illuminated", "diameter"}}, times
//       as "HH:MM" or null, angles [degrees], the age [days], the lit parts
//       as fractions 0..1, the diameter [arcseconds];
// csv:  one record a body under the header date,site,id,name,rise,
//       rise_azimuth,transit,transit_altitude,set,set_azimuth,age,
//       illuminated,phase,diameter: the JSON's values, the Moon's in its
//       record and Venus's in its own, empty elsewhere and for no event.
void WriteAlmanac(const app::AlmanacTable& table, OutputFormat format, std::ostream& out);

}  // namespace platform
