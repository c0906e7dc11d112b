// The Hipparcos extract of tools/realsky and a star's place carried along its
// proper motion, shared by the reference writers: Astronomy Engine's
// DefineStar takes a place without motion.

'use strict';

const fs = require('fs');
const path = require('path');

const kRadPerDeg = Math.PI / 180;
const kRadPerMas = kRadPerDeg / 3.6e6;

// Returns {HR: {ra [hours], dec [deg], pmra, pmdec [mas/yr]}}, J2000 places.
function readCatalogue(file = path.join(__dirname, '..', 'realsky', 'hipparcos_bsc.txt')) {
  const stars = {};
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    if (line.startsWith('#') || !line.trim()) continue;
    const f = line.trim().split(/\s+/);
    stars[Number(f[0])] = {ra: Number(f[3]) / 15, dec: Number(f[4]), pmra: Number(f[5]), pmdec: Number(f[6])};
  }
  return stars;
}

// Given a star and Julian years from J2000; returns its place then {ra [hours],
// dec [deg]}, J2000 frame: a straight line through space at constant distance
// (the unit vector plus the proper motion's displacement, renormalised).
function movedPlace(star, years) {
  const a = star.ra * 15 * kRadPerDeg, d = star.dec * kRadPerDeg;
  const p = [Math.cos(d) * Math.cos(a), Math.cos(d) * Math.sin(a), Math.sin(d)];
  const east = [-Math.sin(a), Math.cos(a), 0];
  const north = [-Math.sin(d) * Math.cos(a), -Math.sin(d) * Math.sin(a), Math.cos(d)];
  const e = star.pmra * kRadPerMas * years, n = star.pmdec * kRadPerMas * years;
  const q = p.map((x, i) => x + e * east[i] + n * north[i]);
  let ra = Math.atan2(q[1], q[0]) / kRadPerDeg / 15;
  if (ra < 0) ra += 24;
  return {ra, dec: Math.atan2(q[2], Math.hypot(q[0], q[1])) / kRadPerDeg};
}

module.exports = {readCatalogue, movedPlace};
