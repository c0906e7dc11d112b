#!/usr/bin/env node
// Writes the reference places that the accuracy test compares the planetarium's
// Sun, Moon and planet series with: apparent geocentric right ascension and
// declination of date (true equator and equinox of date, light time and annual
// aberration applied) from Astronomy Engine, an independent ephemeris built on
// VSOP87 and a long lunar theory.
//
// Each instant is read as Universal Time, exactly as the planetarium reads the
// clock: Astronomy Engine adds its own Delta T internally, so the reference is
// the true sky at that UT instant, while the program's series ignore Delta T.
//
// Usage: node make-reference.js [output.csv]
//   (default ../../tests/astro/data/ephemeris_reference.csv)

'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const kJ2000 = 2451545.0;           // Julian day of 2000-01-01 12:00 [days]
const kFirstJdTenThousandths = 24150205000;  // JD 2415020.5 = 1900-01-01 00:00 UT [1e-4 days]
const kStepDays = 20;               // spacing of the instants [days]
const kInstantCount = 3653;         // 1900-01-01 .. 2100-01-01
const kTimeOfDayMultiplier = 6180;  // k * 0.618 (mod 1) spreads the hour over the day

// The program's body order: 0 Sun, 1 Moon, 2 Venus, 3 Mars, 4 Jupiter, 5 Saturn.
const kBodies = [
  ['Sun', Astronomy.Body.Sun],
  ['Moon', Astronomy.Body.Moon],
  ['Venus', Astronomy.Body.Venus],
  ['Mars', Astronomy.Body.Mars],
  ['Jupiter', Astronomy.Body.Jupiter],
  ['Saturn', Astronomy.Body.Saturn],
];

// Given the instant number k; returns the Julian day (UT) as a decimal text with
// four places, so that the file holds exactly the value both sides compute with.
function instantText(k) {
  const dayFraction = (k * kTimeOfDayMultiplier) % 10000;  // [1e-4 days]
  const units = kFirstJdTenThousandths + k * kStepDays * 10000 + dayFraction;
  const whole = Math.floor(units / 10000);
  const fraction = String(units % 10000).padStart(4, '0');
  return `${whole}.${fraction}`;
}

// Given a Julian day (UT) and a body; returns the apparent geocentric place of
// date { ra [hours, 0..24), dec [degrees] }. This is Astronomy.Equator(body,
// time, observer, ofdate = true, aberration = true) with the observer at the
// centre of the Earth instead of on its surface (no parallax).
function apparentPlace(jdUt, body) {
  const time = Astronomy.MakeTime(jdUt - kJ2000);  // days from J2000, read as UT
  const astrometric = Astronomy.GeoVector(body, time, true);
  const ofDate = Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), astrometric);
  return Astronomy.EquatorFromVector(ofDate);
}

// Returns the installed Astronomy Engine version, for the file header.
function engineVersion() {
  const manifest = path.join(__dirname, 'node_modules', 'astronomy-engine', 'package.json');
  return JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
}

function main() {
  const outPath = process.argv[2] ||
      path.join(__dirname, '..', '..', 'tests', 'astro', 'data', 'ephemeris_reference.csv');
  const lines = [
    '# Reference places for the Sun, Moon and planet series of the planetarium.',
    `# Source: Astronomy Engine ${engineVersion()} (npm package astronomy-engine),` +
        ' made by tools/accuracy/make-reference.js.',
    '# Frame: apparent geocentric right ascension and declination, true equator and' +
        ' equinox of date (precession, nutation, light time, annual aberration; no parallax).',
    '# Time scale: jd_ut is a Julian day in Universal Time (UT1); Astronomy Engine applies' +
        ' its own Delta T.',
    `# Instants: every ${kStepDays} days from 1900-01-01 00:00 UT to the end of 2099, the time of day` +
        ` advancing by ${kTimeOfDayMultiplier / 10000} day per instant (mod 1).`,
    '# Columns: jd_ut [days], body, ra_hours [hours, 0..24), dec_degrees [degrees].',
    'jd_ut,body,ra_hours,dec_degrees',
  ];
  for (let k = 0; k < kInstantCount; ++k) {
    const jdText = instantText(k);
    const jdUt = Number(jdText);
    for (const [name, body] of kBodies) {
      const place = apparentPlace(jdUt, body);
      lines.push(`${jdText},${name},${place.ra.toFixed(7)},${place.dec.toFixed(6)}`);
    }
  }
  fs.mkdirSync(path.dirname(outPath), { recursive: true });
  fs.writeFileSync(outPath, lines.join('\n') + '\n');
  console.log(`wrote ${lines.length} lines to ${outPath}`);
}

main();
