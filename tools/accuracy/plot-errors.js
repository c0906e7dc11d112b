#!/usr/bin/env node
// Draws the error of the planetarium's Sun, Moon and planet series against the
// reference ephemeris as a PNG: one panel per body, error in arcminutes against
// the year, the period 1990-2050 shaded.
//
// Input: the per-instant errors that the accuracy test writes when run with
// PLANETARIUM_ACCURACY_CSV=<file> (columns jd_ut, body, error_arcmin).
// Usage: node plot-errors.js errors.csv [output.png]
//   (default output ../../docs/accuracy-error.png)

'use strict';

const fs = require('fs');
const path = require('path');
const { PNG } = require('pngjs');
const { fonts, renderPixels } = require('js-pixel-fonts');

const kJ2000 = 2451545.0;          // Julian day of 2000-01-01 12:00 [days]
const kDaysPerYear = 365.25;       // Julian year [days]
const kFirstYear = 1900;
const kLastYear = 2100;
const kShadedYears = [1990, 2051];  // the period of the first accuracy table

const kWidth = 1400;   // [pixels]
const kHeight = 1120;  // [pixels]
const kColumns = 2;
const kRows = 3;
const kPlotTop = 120;  // top of the first panel row [pixels]

const kWhite = [255, 255, 255];
const kBlack = [0, 0, 0];
const kGrid = [220, 220, 220];
const kShade = [255, 244, 200];
const kBodies = [
  ['Sun', [214, 120, 0]],
  ['Moon', [90, 90, 90]],
  ['Venus', [30, 130, 60]],
  ['Mars', [200, 30, 30]],
  ['Jupiter', [120, 60, 170]],
  ['Saturn', [20, 90, 200]],
];

// Given the errors file; returns a map body name -> [{ year, error }].
function readErrors(file) {
  const byBody = new Map(kBodies.map(([name]) => [name, []]));
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    const [jd, body, error] = line.split(',');
    if (!byBody.has(body)) continue;
    const year = 2000 + (Number(jd) - kJ2000) / kDaysPerYear;
    byBody.get(body).push({ year, error: Number(error) });
  }
  return byBody;
}

// A white RGBA canvas with the few drawing operations the plot needs.
class Canvas {
  constructor(width, height) {
    this.png = new PNG({ width, height });
    this.fillRect(0, 0, width, height, kWhite);
  }

  setPixel(x, y, rgb) {
    const { width, height, data } = this.png;
    x = Math.round(x);
    y = Math.round(y);
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const i = (y * width + x) * 4;
    data[i] = rgb[0];
    data[i + 1] = rgb[1];
    data[i + 2] = rgb[2];
    data[i + 3] = 255;
  }

  fillRect(x, y, w, h, rgb) {
    for (let j = Math.round(y); j < Math.round(y + h); ++j) {
      for (let i = Math.round(x); i < Math.round(x + w); ++i) this.setPixel(i, j, rgb);
    }
  }

  hLine(x0, x1, y, rgb) { this.fillRect(x0, y, x1 - x0 + 1, 1, rgb); }
  vLine(x, y0, y1, rgb) { this.fillRect(x, y0, 1, y1 - y0 + 1, rgb); }

  // Writes text with its top edge at y; align is 'left', 'centre' or 'right' of x.
  text(str, x, y, scale, rgb, align = 'left') {
    const pixels = renderPixels(str, fonts.sevenPlus);
    const width = pixels[0].length * scale;
    const left = align === 'left' ? x : align === 'right' ? x - width : x - width / 2;
    pixels.forEach((row, j) => row.forEach((on, i) => {
      if (on) this.fillRect(left + i * scale, y + j * scale, scale, scale, rgb);
    }));
  }

  // Writes text turned a quarter turn anticlockwise, centred on (x, y).
  textUp(str, x, y, scale, rgb) {
    const pixels = renderPixels(str, fonts.sevenPlus);
    const length = pixels[0].length * scale;
    const height = pixels.length * scale;
    pixels.forEach((row, j) => row.forEach((on, i) => {
      if (on) this.fillRect(x - height / 2 + j * scale, y + length / 2 - (i + 1) * scale,
                            scale, scale, rgb);
    }));
  }

  write(file) { fs.writeFileSync(file, PNG.sync.write(this.png)); }
}

// Given the largest value to show; returns a tick step of 1, 2 or 5 times a power of ten
// giving at most six intervals, and the axis top as a whole number of steps.
function niceAxis(maxValue) {
  const raw = Math.max(maxValue, 1e-3) / 6;
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw);
  return { step, top: Math.ceil(maxValue / step) * step };
}

function tickLabel(value, step) {
  const decimals = Math.max(0, -Math.floor(Math.log10(step) + 1e-9));
  return value.toFixed(decimals);
}

// Draws one body's panel in the box (x, y, w, h) of the plot area proper.
function drawPanel(canvas, name, rgb, points, x, y, w, h) {
  const maxError = Math.max(...points.map((p) => p.error));
  const { step, top } = niceAxis(maxError);
  const px = (year) => x + ((year - kFirstYear) / (kLastYear - kFirstYear)) * (w - 1);
  const py = (error) => y + h - 1 - (error / top) * (h - 1);

  canvas.fillRect(px(kShadedYears[0]), y, px(kShadedYears[1]) - px(kShadedYears[0]), h, kShade);
  for (let year = kFirstYear; year <= kLastYear; year += 25) {
    canvas.vLine(px(year), y, y + h - 1, kGrid);
    if (year % 50 === 0) canvas.text(String(year), px(year), y + h + 8, 2, kBlack, 'centre');
    canvas.vLine(px(year), y + h, y + h + (year % 50 === 0 ? 5 : 3), kBlack);
  }
  for (let value = 0; value <= top + step / 2; value += step) {
    canvas.hLine(x, x + w - 1, py(value), kGrid);
    canvas.hLine(x - 5, x - 1, py(value), kBlack);
    canvas.text(tickLabel(value, step), x - 9, py(value) - 7, 2, kBlack, 'right');
  }
  for (const p of points) canvas.fillRect(px(p.year) - 1, py(p.error) - 1, 3, 3, rgb);

  canvas.hLine(x, x + w - 1, y + h, kBlack);
  canvas.hLine(x, x + w - 1, y - 1, kBlack);
  canvas.vLine(x - 1, y - 1, y + h, kBlack);
  canvas.vLine(x + w, y - 1, y + h, kBlack);
  canvas.text(name, x + 10, y + 8, 3, rgb);
  canvas.textUp('error [arcmin]', x - 78, y + h / 2, 2, kBlack);
  canvas.text('year (UT)', x + w / 2, y + h + 30, 2, kBlack, 'centre');
}

function main() {
  const input = process.argv[2];
  if (!input) {
    console.error('usage: node plot-errors.js errors.csv [output.png]');
    process.exit(2);
  }
  const output = process.argv[3] || path.join(__dirname, '..', '..', 'docs', 'accuracy-error.png');
  const errors = readErrors(input);

  const canvas = new Canvas(kWidth, kHeight);
  canvas.text('Angular error of the Sun, Moon and planet series against Astronomy Engine',
              kWidth / 2, 20, 3, kBlack, 'centre');
  canvas.text('apparent geocentric place of date, one point every 20 days (UT)',
              kWidth / 2, 56, 2, kBlack, 'centre');
  canvas.fillRect(kWidth / 2 - 230, 84, 28, 18, kShade);
  canvas.text('shaded: 1990-2050, the period of the first accuracy table', kWidth / 2 - 194, 86, 2,
              kBlack);

  const cellW = kWidth / kColumns;
  const cellH = (kHeight - kPlotTop) / kRows;
  kBodies.forEach(([name, rgb], i) => {
    const cx = (i % kColumns) * cellW;
    const cy = kPlotTop + Math.floor(i / kColumns) * cellH;
    drawPanel(canvas, name, rgb, errors.get(name), cx + 110, cy + 10, cellW - 150, cellH - 80);
  });
  canvas.write(output);
  console.log(`wrote ${output}`);
}

main();
