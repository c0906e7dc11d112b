#!/usr/bin/env node
// Writes the reference the tests of the real-sky option compare with: the
// altitude and azimuth of the Sun, the Moon, the planets and a few bright
// stars as seen from a site, from Astronomy Engine: topocentric apparent
// places of date (light time, aberration, parallax), then Horizon with
// "normal" refraction. Instants are given as the window's boxes, Japan
// Standard Time; Astronomy Engine adds its own Delta T.
//
// A star's catalogue place (tools/realsky/hipparcos_bsc.txt) is carried to the
// instant along its proper motion first, since DefineStar takes no motion.
//
// Usage: node make-seen-sky-reference.js [output.csv]
//   (default ../../tests/app/data/seen_sky_reference.csv)

'use strict';

const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');
const {readCatalogue, movedPlace} = require('./moved-stars');

const kStarDistanceLy = 1e6;

const kSites = [['Tokyo', 35.65, 139.75], ['Naha', 26.217, 127.667], ['Sapporo', 43.067, 141.35],
  ['Sydney', -33.87, 151.2], ['London', 51.15, -0.18]];
const kBodies = [['sun', Astronomy.Body.Sun], ['moon', Astronomy.Body.Moon],
  ['venus', Astronomy.Body.Venus], ['mars', Astronomy.Body.Mars],
  ['jupiter', Astronomy.Body.Jupiter], ['saturn', Astronomy.Body.Saturn]];
// HR numbers: large proper motions, the pole, the far south, on the ecliptic.
const kStars = [2491, 5340, 5459, 424, 2326, 7001, 3982, 6134];

function seen(body, time, observer) {
  const equator = Astronomy.Equator(body, time, observer, true, true);
  return Astronomy.Horizon(time, observer, equator.ra, equator.dec, 'normal');
}

function engineVersion() {
  const manifest = path.join(__dirname, 'node_modules', 'astronomy-engine', 'package.json');
  return JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
}

function main() {
  const out = process.argv[2] ||
      path.join(__dirname, '..', '..', 'tests', 'app', 'data', 'seen_sky_reference.csv');
  const catalogue = readCatalogue();
  const lines = [
    '# The sky as seen from a site, for the tests of the real-sky option of the planetarium.',
    `# Source: Astronomy Engine ${engineVersion()} (npm package astronomy-engine), made by` +
        ' tools/accuracy/make-seen-sky-reference.js.',
    '# Bodies: Equator(body, time, observer, ofdate, aberration), topocentric; stars: the' +
        ' catalogue place of tools/realsky/hipparcos_bsc.txt moved by its proper motion, then' +
        ' the same; both through Horizon(..., "normal") (refraction).',
    '# Instants: Japan Standard Time boxes, every 1019 days from 1900-01-01 20:00 to 2100, at' +
        ' hours spread over the day; sites in turn.',
    '# Columns: site, latitude, longitude [deg], year, month, day, hour, minute (JST), object' +
        ' (body id or HR number), altitude, azimuth [deg].',
    'site,lat,lon,year,month,day,hour,minute,object,alt,az',
  ];
  const start = Date.UTC(1900, 0, 1, 11, 0);  // 20:00 JST
  for (let k = 0; k * 1019 < 73000; ++k) {
    const [site, lat, lon] = kSites[k % kSites.length];
    const observer = new Astronomy.Observer(lat, lon, 0);
    const jst = new Date(start + k * 1019 * 86400e3 + ((k * 7) % 24) * 3600e3 + 9 * 3600e3);
    const boxes = [jst.getUTCFullYear(), jst.getUTCMonth() + 1, jst.getUTCDate(), jst.getUTCHours(),
      jst.getUTCMinutes()];
    const time = Astronomy.MakeTime(new Date(jst.getTime() - 9 * 3600e3));
    const row = (object, h) => lines.push([site, lat, lon, ...boxes, object, h.altitude.toFixed(6),
      h.azimuth.toFixed(6)].join(','));
    for (const [id, body] of kBodies) row(id, seen(body, time, observer));
    for (const hr of kStars) {
      const place = movedPlace(catalogue[hr], time.tt / 365.25);
      Astronomy.DefineStar(Astronomy.Body.Star1, place.ra, place.dec, kStarDistanceLy);
      row(hr, seen(Astronomy.Body.Star1, time, observer));
    }
  }
  fs.mkdirSync(path.dirname(out), {recursive: true});
  fs.writeFileSync(out, lines.join('\n') + '\n');
  console.log(`wrote ${lines.length} lines to ${out}`);
}

main();
