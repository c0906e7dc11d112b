#!/usr/bin/env node
// Writes reference places of the Sun, Moon and planets over a span of years, in
// the format of make-reference.js (apparent geocentric places of date from
// Astronomy Engine, instants read as Universal Time), for measuring in which
// years the planetarium's series stay close to the sky.
//
// Usage: node make-series-span.js OUTPUT.csv FIRST_YEAR LAST_YEAR STEP_DAYS
//   Instants every STEP_DAYS from Julian day 2451544.5 + (FIRST_YEAR - 2000) * 365.25
//   (about the start of FIRST_YEAR) to the end of LAST_YEAR, the time of day
//   advancing by 0.618 day per instant (mod 1).
//   Defaults: ../../tests/astro/data/series_years_reference.csv, the two years
//   at each end of the years the series serve, every day (see SPANS below).

'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const kJ2000 = 2451545.0;          // Julian day of 2000-01-01 12:00 [days]
const kYearStartJd = 2451544.5;    // 2000-01-01 00:00 [days]
const kDaysPerYear = 365.25;       // Julian year [days]
const kTimeOfDayStep = 0.618;      // [days, mod 1]

// The committed reference: the first served year and the one before it, the last and the one after.
const SPANS = [[1886, 1887], [2090, 2091]];
const kDefaultStepDays = 1;

const kBodies = [
  ['Sun', Astronomy.Body.Sun], ['Moon', Astronomy.Body.Moon], ['Venus', Astronomy.Body.Venus],
  ['Mars', Astronomy.Body.Mars], ['Jupiter', Astronomy.Body.Jupiter], ['Saturn', Astronomy.Body.Saturn],
];

// As in make-reference.js: the apparent geocentric place of date at a UT instant.
function apparentPlace(jdUt, body) {
  const time = Astronomy.MakeTime(jdUt - kJ2000);
  const astrometric = Astronomy.GeoVector(body, time, true);
  return Astronomy.EquatorFromVector(Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), astrometric));
}

function engineVersion() {
  const manifest = path.join(__dirname, 'node_modules', 'astronomy-engine', 'package.json');
  return JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
}

// Appends the rows of one span to the stream.
function writeSpan(out, firstYear, lastYear, stepDays) {
  const first = kYearStartJd + (firstYear - 2000) * kDaysPerYear;
  const end = kYearStartJd + (lastYear + 1 - 2000) * kDaysPerYear;
  let rows = [];
  for (let k = 0; first + k * stepDays < end; ++k) {
    const jd = (first + k * stepDays + ((k * kTimeOfDayStep) % 1)).toFixed(4);
    for (const [name, body] of kBodies) {
      const place = apparentPlace(Number(jd), body);
      rows.push(`${jd},${name},${place.ra.toFixed(7)},${place.dec.toFixed(6)}`);
    }
    if (rows.length > 60000) {
      fs.writeSync(out, rows.join('\n') + '\n');
      rows = [];
    }
  }
  if (rows.length) fs.writeSync(out, rows.join('\n') + '\n');
}

function main() {
  const args = process.argv.slice(2);
  const outPath = args[0] || path.join(__dirname, '..', '..', 'tests', 'astro', 'data', 'series_years_reference.csv');
  const spans = args.length >= 3 ? [[Number(args[1]), Number(args[2])]] : SPANS;
  const stepDays = args.length >= 4 ? Number(args[3]) : kDefaultStepDays;
  const out = fs.openSync(outPath, 'w');
  fs.writeSync(out, [
    '# Reference places of the Sun, Moon and planets for the years the planetarium\'s series serve.',
    `# Source: Astronomy Engine ${engineVersion()} (npm package astronomy-engine), made by` +
        ' tools/accuracy/make-series-span.js; frame and time scale as in ephemeris_reference.csv.',
    `# Instants: every ${stepDays} days through the years ${spans.map(s => s.join('-')).join(', ')}.`,
    '# Columns: jd_ut [days], body, ra_hours [hours, 0..24), dec_degrees [degrees].',
    'jd_ut,body,ra_hours,dec_degrees',
  ].join('\n') + '\n');
  for (const [firstYear, lastYear] of spans) writeSpan(out, firstYear, lastYear, stepDays);
  fs.closeSync(out);
  console.log(`wrote ${outPath}`);
}

main();
