#!/usr/bin/env node
// Writes the reference values that the tests of the sky as seen compare with,
// all from Astronomy Engine:
//   star_place_reference.csv  apparent geocentric places of date of a few stars
//   refraction_reference.csv  atmospheric refraction ("normal") by altitude
//   delta_t_reference.csv     Delta T (Espenak and Meeus) by year
//
// Astronomy Engine takes a star's place without proper motion (DefineStar), so
// the catalogue place is first carried to the instant here: a straight line
// through space at constant distance (unit vector plus the proper motion's
// displacement, renormalised). That moved place is written too, so that the
// proper motion and the reduction to the apparent place are checked apart.
//
// Usage: node make-realsky-reference.js [output folder]
//   (default ../../tests/astro/data)

'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');
const {readCatalogue, movedPlace} = require('./moved-stars');

const kJ2000 = 2451545.0;           // Julian day of 2000-01-01 12:00 TT [days]
const kFirstJdTt = 2415020.5;       // 1900-01-01 00:00 TT [days]
const kStarStepDays = 1826.2125;    // five Julian years [days]
const kStarInstantCount = 41;       // 1900 .. 2100
const kStarDistanceLy = 1e6;        // far enough that the Earth's offset from the Sun does not show
const kDaysPerTropicalYear = 365.24217;  // Astronomy Engine's year for Delta T

// HR numbers of the stars: large proper motions, the pole, the far south, the ecliptic.
const kStars = [
  [2491, 'Sirius'], [5340, 'Arcturus'], [5459, 'alpha Cen A'], [424, 'Polaris'],
  [2326, 'Canopus'], [7001, 'Vega'], [3982, 'Regulus'], [472, 'Achernar'],
];

// Given a place and an instant (TT); returns the apparent geocentric place of date.
function apparentPlace(place, time) {
  Astronomy.DefineStar(Astronomy.Body.Star1, place.ra, place.dec, kStarDistanceLy);
  const astrometric = Astronomy.GeoVector(Astronomy.Body.Star1, time, true);
  return Astronomy.EquatorFromVector(Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), astrometric));
}

function engineVersion() {
  const manifest = path.join(__dirname, 'node_modules', 'astronomy-engine', 'package.json');
  return JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
}

function starLines(catalogue) {
  const lines = [
    '# Apparent geocentric places of date of stars, for the star place tests of the planetarium.',
    `# Source: Astronomy Engine ${engineVersion()} (npm package astronomy-engine), made by` +
        ' tools/accuracy/make-realsky-reference.js.',
    '# Input: catalogue place (ICRS, epoch J2000.0) and proper motion from tools/realsky/hipparcos_bsc.txt.',
    '# moved: the catalogue place carried to the instant along a straight line at constant' +
        ' distance, J2000 frame.',
    '# apparent: Astronomy Engine\'s GeoVector with aberration for the moved place, rotated to' +
        ' the true equator and equinox of date (IAU 2006 precession, IAU 2000B nutation).',
    `# Instants: every ${kStarStepDays} days of TT from 1900-01-01 00:00, the time of year` +
        ' advancing by 0.618 year (mod 1) per instant.',
    '# Columns: hr, jd_tt [days], ra_hours, dec_deg, pmra_mas, pmdec_mas (catalogue),' +
        ' moved_ra_hours, moved_dec_deg, apparent_ra_hours, apparent_dec_deg.',
    'hr,jd_tt,ra_hours,dec_deg,pmra_mas,pmdec_mas,moved_ra_hours,moved_dec_deg,apparent_ra_hours,apparent_dec_deg',
  ];
  for (let k = 0; k < kStarInstantCount; ++k) {
    const jdTt = kFirstJdTt + k * kStarStepDays + ((k * 0.618) % 1) * 365.25;
    const time = Astronomy.AstroTime.FromTerrestrialTime(jdTt - kJ2000);
    for (const [hr] of kStars) {
      const star = catalogue[hr];
      const moved = movedPlace(star, (jdTt - kJ2000) / 365.25);
      const seen = apparentPlace(moved, time);
      lines.push([hr, jdTt.toFixed(4), star.ra.toFixed(10), star.dec.toFixed(7), star.pmra.toFixed(2),
        star.pmdec.toFixed(2), moved.ra.toFixed(10), moved.dec.toFixed(9), seen.ra.toFixed(10),
        seen.dec.toFixed(9)].join(','));
    }
  }
  return lines;
}

function refractionLines() {
  const lines = [
    '# Atmospheric refraction for the refraction tests of the planetarium.',
    `# Source: Astronomy Engine ${engineVersion()}, Refraction('normal', altitude)` +
        ' (Saemundsson\'s formula), made by tools/accuracy/make-realsky-reference.js.',
    '# Columns: true altitude [degrees], refraction to add to it [degrees].',
    'altitude_deg,refraction_deg',
  ];
  for (let k = -8; k <= 360; ++k) {
    const altitude = k / 4;
    lines.push(`${altitude},${Astronomy.Refraction('normal', altitude).toFixed(9)}`);
  }
  return lines;
}

function deltaTLines() {
  const lines = [
    '# Delta T = TT - UT for the Delta T tests of the planetarium.',
    `# Source: Astronomy Engine ${engineVersion()}, DeltaT_EspenakMeeus (Espenak and Meeus 2006),` +
        ' made by tools/accuracy/make-realsky-reference.js, evaluated where its own year' +
        ' variable equals the year given.',
    '# Columns: year (with fraction), delta_t [seconds].',
    'year,delta_t_seconds',
  ];
  for (let year = -2000; year <= 4000; year += 12.5) {
    const ut = (year - 2000) * kDaysPerTropicalYear + 14;  // Astronomy Engine: y = 2000 + (ut - 14) / year
    lines.push(`${year},${Astronomy.DeltaT_EspenakMeeus(ut).toFixed(6)}`);
  }
  return lines;
}

function main() {
  const folder = process.argv[2] || path.join(__dirname, '..', '..', 'tests', 'astro', 'data');
  const catalogue = readCatalogue();
  const files = [
    ['star_place_reference.csv', starLines(catalogue)],
    ['refraction_reference.csv', refractionLines()],
    ['delta_t_reference.csv', deltaTLines()],
  ];
  fs.mkdirSync(folder, {recursive: true});
  for (const [name, lines] of files) {
    fs.writeFileSync(path.join(folder, name), lines.join('\n') + '\n');
    console.log(`wrote ${lines.length} lines to ${path.join(folder, name)}`);
  }
}

main();
