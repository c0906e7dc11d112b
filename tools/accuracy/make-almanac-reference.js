#!/usr/bin/env node
// Writes the reference almanac that the almanac test compares the planetarium's
// risings, transits, settings and phases with, from Astronomy Engine.
//
// Conventions, those of the Japanese national almanac, which the program follows:
// - The Sun and the Moon rise and set when their upper limb touches the horizon,
//   the planets when their centre does, with a refraction of 35'08" at the horizon;
//   the places are topocentric (the site at sea level). Astronomy Engine's own
//   SearchRiseSet takes 34' of refraction and a fixed radius of the Sun of
//   695700 km, so it is not used: SearchAltitude finds when the geometric
//   topocentric altitude of the centre reaches -(35'08" + semidiameter), the
//   semidiameter taken from the topocentric distance at the event (two passes
//   settle it) with the radii the program uses (Sun 696000 km, Moon k = 0.2725076
//   Earth radii of 6378.14 km).
// - Transit: SearchHourAngle with hour angle 0 (topocentric), the altitude both
//   with Astronomy Engine's 'normal' refraction (Saemundsson) and without.
// - Moon phases: geocentric apparent ecliptic longitudes (MoonPhase,
//   SearchMoonPhase, SearchMoonQuarter); the age at 12:00 JST is the time since
//   the preceding new moon; the illuminated fractions from Illumination.
// - Venus's apparent diameter is 16.68" at 1 au over Astronomy Engine's
//   geocentric distance (Meeus, table 55.A).
// Every day is a date of Japan Standard Time (UT + 9 h) at every site. Instants
// are Universal Time; Astronomy Engine applies its own Delta T.
//
// Usage: node make-almanac-reference.js [output folder]
//   (default ../../tests/astro/data): writes almanac_reference.csv and
//   moon_phase_reference.csv.

'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const kHorizonRefractionDeg = (35 + 8 / 60) / 60;  // 35'08" [degrees]
const kEarthRadiusKm = 6378.14;
const kSunRadiusKm = 696000;
const kMoonRadiusKm = 0.2725076 * kEarthRadiusKm;
const kVenusDiameterAt1AuArcsec = 16.68;
const kMinutesPerDay = 1440;
const kJstOffsetMs = 9 * 3600 * 1000;
const kMsPerDay = 86400 * 1000;

// Sites: name, latitude and longitude [degrees, north and east positive].
const kSites = [
  ['Tokyo', 35.65, 139.75],
  ['Naha', 26.21, 127.68],
  ['Sapporo', 43.06, 141.35],
  ['Sydney', -33.87, 151.21],
  ['Moscow', 55.75, 37.57],
  ['Tromso', 69.65, 18.96],
];

// Dates: for site s, day k of kDatesPerSite, kStepDays apart from 1900-01-01 and
// shifted by kSiteShiftDays per site, so that seasons and phases are all covered.
const kFirstDayMs = Date.UTC(1900, 0, 1);
const kDatesPerSite = 30;
const kStepDays = 2435;
const kSiteShiftDays = 397;
// Polar day and polar night at Tromso, for events that do not happen.
const kExtraDates = [['Tromso', '2026-06-21'], ['Tromso', '2026-12-21']];
const kPhaseYear = 2026;  // every principal phase of this year adds its JST date

// The program's body order: 0 Sun, 1 Moon, 2 Venus, 3 Mars, 4 Jupiter, 5 Saturn.
const kBodies = [
  ['Sun', Astronomy.Body.Sun, kSunRadiusKm],
  ['Moon', Astronomy.Body.Moon, kMoonRadiusKm],
  ['Venus', Astronomy.Body.Venus, 0],
  ['Mars', Astronomy.Body.Mars, 0],
  ['Jupiter', Astronomy.Body.Jupiter, 0],
  ['Saturn', Astronomy.Body.Saturn, 0],
];

// The names of the Moon's phase on a day: the principal phases at the even
// places (new moon, first quarter, full moon, last quarter), between them the
// stretches from one to the next.
const kPhaseNames = ['新月', '新月から上弦へ', '上弦', '上弦から満月へ', '満月', '満月から下弦へ',
  '下弦', '下弦から新月へ'];

// Given a date text YYYY-MM-DD; returns the instant of 00:00 JST that day.
function jstMidnight(dateText) {
  const [y, m, d] = dateText.split('-').map(Number);
  return Astronomy.MakeTime(new Date(Date.UTC(y, m - 1, d) - kJstOffsetMs));
}

// Given an instant; returns the JST date text that holds it.
function jstDateText(time) {
  return new Date(time.date.getTime() + kJstOffsetMs).toISOString().slice(0, 10);
}

function minutesAfter(start, time) {
  return ((time.ut - start.ut) * kMinutesPerDay).toFixed(3);
}

// Topocentric place of date of a body, with light time and aberration.
function topocentric(body, time, observer) {
  return Astronomy.Equator(body, time, observer, true, true);
}

// Given a body, a site, +1 (rising) or -1 (setting) and the day's start; returns
// the first such event of the day as [minutes, azimuth] texts, or ['', ''].
function crossing(body, radiusKm, observer, direction, start) {
  const semidiameter = (time) => radiusKm === 0 ? 0 :
      Astronomy.RAD2DEG * Math.asin(radiusKm /
          (topocentric(body, time, observer).dist * Astronomy.KM_PER_AU));
  let target = -(kHorizonRefractionDeg + semidiameter(start));
  let time = null;
  for (let pass = 0; pass < 3; ++pass) {
    time = Astronomy.SearchAltitude(body, observer, direction, start, 1, target);
    if (!time) break;
    target = -(kHorizonRefractionDeg + semidiameter(time));
  }
  if (!time || time.ut >= start.ut + 1) return ['', ''];
  const place = topocentric(body, time, observer);
  const azimuth = Astronomy.Horizon(time, observer, place.ra, place.dec).azimuth;
  return [minutesAfter(start, time), azimuth.toFixed(3)];
}

// The first upper transit of the day as [minutes, apparent altitude, true
// altitude] texts, or three empty texts.
function transit(body, observer, start) {
  const event = Astronomy.SearchHourAngle(body, observer, 0, start, +1);
  if (event.time.ut >= start.ut + 1) return ['', '', ''];
  const place = topocentric(body, event.time, observer);
  const geometric = Astronomy.Horizon(event.time, observer, place.ra, place.dec).altitude;
  return [minutesAfter(start, event.time), event.hor.altitude.toFixed(3), geometric.toFixed(3)];
}

// The Moon's phase name for a JST day: a principal phase that falls in it, else
// the quadrant of the elongation at noon.
function phaseName(start) {
  const quarter = Astronomy.SearchMoonQuarter(start);
  if (quarter.time.ut < start.ut + 1) return kPhaseNames[2 * quarter.quarter];
  const noon = start.AddDays(0.5);
  return kPhaseNames[2 * Math.floor(Astronomy.MoonPhase(noon) / 90) + 1];
}

// Minutes from the day's start to the principal phase nearest its noon (negative
// before the day, past 1440 after it).
function nearestPhaseMinute(start) {
  const noon = start.AddDays(0.5);
  let quarter = Astronomy.SearchMoonQuarter(noon.AddDays(-4));
  let nearest = quarter.time;
  while (quarter.time.ut < noon.ut + 4) {
    if (Math.abs(quarter.time.ut - noon.ut) < Math.abs(nearest.ut - noon.ut)) nearest = quarter.time;
    quarter = Astronomy.NextMoonQuarter(quarter);
  }
  return minutesAfter(start, nearest);
}

// Geocentric apparent place of date, as tools/accuracy/make-reference.js takes it.
function geocentric(body, time) {
  return Astronomy.EquatorFromVector(Astronomy.RotateVector(
      Astronomy.Rotation_EQJ_EQD(time), Astronomy.GeoVector(body, time, true)));
}

// Position angle [degrees, 0..360, north through east] of the place `to` seen
// from the place `from`: the direction of `to` in the plane of the sky at `from`.
function positionAngle(from, to) {
  const a = from.ra * 15 * Astronomy.DEG2RAD, d = from.dec * Astronomy.DEG2RAD;
  const b = to.ra * 15 * Astronomy.DEG2RAD, e = to.dec * Astronomy.DEG2RAD;
  const target = [Math.cos(e) * Math.cos(b), Math.cos(e) * Math.sin(b), Math.sin(e)];
  const north = [-Math.sin(d) * Math.cos(a), -Math.sin(d) * Math.sin(a), Math.cos(d)];
  const east = [-Math.sin(a), Math.cos(a), 0];
  const dot = (u, v) => u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
  const angle = Astronomy.RAD2DEG * Math.atan2(dot(target, east), dot(target, north));
  return angle < 0 ? angle + 360 : angle;
}

// The day's Moon and Venus row after the date.
function phaseRow(dateText, tokyo) {
  const start = jstMidnight(dateText);
  const noon = start.AddDays(0.5);
  const newMoon = Astronomy.SearchMoonPhase(0, noon, -30);
  const moon = Astronomy.Illumination(Astronomy.Body.Moon, noon);
  const venus = Astronomy.Illumination(Astronomy.Body.Venus, noon);
  // The parallax at Tokyo at noon, on the sky: topocentric minus geocentric place.
  const moonPlace = geocentric(Astronomy.Body.Moon, noon);
  const seen = topocentric(Astronomy.Body.Moon, noon, tokyo);
  let dRaHours = seen.ra - moonPlace.ra;
  dRaHours -= 24 * Math.round(dRaHours / 24);
  const shiftRa = dRaHours * 15 * 3600 * Math.cos(Astronomy.DEG2RAD * moonPlace.dec);
  const shiftDec = (seen.dec - moonPlace.dec) * 3600;
  const brightLimb = positionAngle(moonPlace, geocentric(Astronomy.Body.Sun, noon));
  return [dateText, (noon.ut - newMoon.ut).toFixed(5), moon.phase_fraction.toFixed(5),
    brightLimb.toFixed(3),
    phaseName(start), nearestPhaseMinute(start), venus.phase_fraction.toFixed(5),
    (kVenusDiameterAt1AuArcsec / venus.geo_dist).toFixed(4),
    (moon.geo_dist * Astronomy.KM_PER_AU).toFixed(1), shiftRa.toFixed(2),
    shiftDec.toFixed(2)].join(',');
}

function siteDates() {
  const dates = [];
  kSites.forEach(([name], s) => {
    for (let k = 0; k < kDatesPerSite; ++k) {
      const ms = kFirstDayMs + (k * kStepDays + s * kSiteShiftDays) * kMsPerDay;
      dates.push([name, new Date(ms).toISOString().slice(0, 10)]);
    }
  });
  return dates.concat(kExtraDates);
}

// The JST dates of every principal phase of kPhaseYear.
function phaseDates() {
  const dates = [];
  let quarter = Astronomy.SearchMoonQuarter(jstMidnight(`${kPhaseYear}-01-01`));
  while (jstDateText(quarter.time) < `${kPhaseYear + 1}-01-01`) {
    dates.push(jstDateText(quarter.time));
    quarter = Astronomy.NextMoonQuarter(quarter);
  }
  return dates;
}

function engineVersion() {
  const manifest = path.join(__dirname, 'node_modules', 'astronomy-engine', 'package.json');
  return JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
}

function header(what) {
  return [
    `# ${what}`,
    `# Source: Astronomy Engine ${engineVersion()} (npm package astronomy-engine),` +
        ' made by tools/accuracy/make-almanac-reference.js; conventions in its header.',
    '# Days are dates of Japan Standard Time (UT + 9 h); minutes count from 00:00 JST.',
  ];
}

function main() {
  const folder = process.argv[2] || path.join(__dirname, '..', '..', 'tests', 'astro', 'data');
  const sites = new Map(kSites.map(([name, lat, lon]) => [name, new Astronomy.Observer(lat, lon, 0)]));

  const events = header('Reference risings, transits and settings for the almanac.').concat([
    '# Columns: site, latitude, longitude [degrees], date, body, rise_minute, rise_azimuth' +
        ' [degrees, north 0, east 90], transit_minute, transit_altitude (refracted),' +
        ' transit_true_altitude [degrees], set_minute, set_azimuth; empty: no such event.',
    'site,latitude,longitude,date,body,rise_minute,rise_azimuth,transit_minute,' +
        'transit_altitude,transit_true_altitude,set_minute,set_azimuth',
  ]);
  const dates = siteDates();
  for (const [name, date] of dates) {
    const observer = sites.get(name);
    const start = jstMidnight(date);
    for (const [bodyName, body, radiusKm] of kBodies) {
      events.push([name, observer.latitude, observer.longitude, date, bodyName,
        ...crossing(body, radiusKm, observer, +1, start), ...transit(body, observer, start),
        ...crossing(body, radiusKm, observer, -1, start)].join(','));
    }
  }

  const phases = header('Reference Moon and Venus phases for the almanac, at 12:00 JST.').concat([
    '# Columns: date, moon_age [days since the new moon], moon_fraction, bright_limb' +
        ' [degrees, position angle of the Sun seen from the Moon], phase (of the day,' +
        ' in Japanese, UTF-8), phase_minute (of the principal phase nearest to noon),' +
        ' venus_fraction,' +
        ' venus_diameter [arcseconds], moon_distance [km, geocentric], tokyo_shift_ra,' +
        ' tokyo_shift_dec [arcseconds on the sky: the Moon seen from Tokyo 35.65 N 139.75 E' +
        ' minus seen from the centre].',
    'date,moon_age,moon_fraction,bright_limb,phase,phase_minute,venus_fraction,venus_diameter,' +
        'moon_distance,' +
        'tokyo_shift_ra,tokyo_shift_dec',
  ]);
  const phaseDays = [...new Set(dates.map(([, date]) => date).concat(phaseDates()))].sort();
  for (const date of phaseDays) phases.push(phaseRow(date, sites.get('Tokyo')));

  fs.mkdirSync(folder, { recursive: true });
  fs.writeFileSync(path.join(folder, 'almanac_reference.csv'), events.join('\n') + '\n');
  fs.writeFileSync(path.join(folder, 'moon_phase_reference.csv'), phases.join('\n') + '\n');
  console.log(`wrote ${events.length} and ${phases.length} lines to ${folder}`);
}

main();
