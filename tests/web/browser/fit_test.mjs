// The page at any size: the window (controls and chart) scaled alike to the
// largest size that fits, centred, nothing to scroll; the chart's canvas at
// the device's pixels of the window's size and drawn at every new size; the
// address after the button draws the same operations in a new tab.
//
// Usage: node fit_test.mjs --page build/web --node build/node [--shots FOLDER]

import {writeFileSync} from 'node:fs';
import path from 'node:path';

import {check, launch, open, operationsAndAddress, options, run, Server, SIZES, WINDOW} from
  './helpers.mjs';

const given = options();
const NIGHT = 'site=12&at=2006-01-15T20:00&dir=east&names&grid';
const DAY = 'site=12&at=2006-01-15T10:00&dir=south&names&ecliptic';
const SKY = [32, 96, 192];

// Where the window and its canvas stand, what can be scrolled, and how much
// of the canvas is drawn over the sky.
function measure(tab) {
  return tab.evaluate((sky) => {
    const root = document.documentElement;
    window.scrollTo(10000, 10000);
    const canvas = document.getElementById('chart');
    const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let drawn = 0;
    for (let i = 0; i < pixels.length; i += 4) {
      drawn += pixels[i] !== sky[0] || pixels[i + 1] !== sky[1] || pixels[i + 2] !== sky[2];
    }
    const rect = (element) => {
      const box = element.getBoundingClientRect();
      return {left: box.left, top: box.top, width: box.width, height: box.height};
    };
    return {
      viewport: {width: root.clientWidth, height: root.clientHeight},
      scrollable: [root.scrollWidth - root.clientWidth, root.scrollHeight - root.clientHeight,
        document.body.scrollWidth - document.body.clientWidth,
        document.body.scrollHeight - document.body.clientHeight, window.scrollX, window.scrollY],
      frame: rect(document.getElementById('window')),
      canvas: {...rect(canvas), pixelsWide: canvas.width, pixelsHigh: canvas.height},
      drawn: drawn / (pixels.length / 4),
      ratio: window.devicePixelRatio,
    };
  }, SKY);
}

// Checks the window's fit in a viewport; near: within a pixel of the screen.
function checkFit(found, size) {
  const where = `${size.width} x ${size.height}`;
  const near = (a, b) => Math.abs(a - b) <= 1;
  const scale = Math.min(size.width / WINDOW.width, size.height / WINDOW.height);
  const {frame, canvas} = found;
  check(found.scrollable.every((extent) => extent <= 0),
      `${where}: the page scrolls (${found.scrollable})`);
  check(near(frame.width, WINDOW.width * scale) && near(frame.height, WINDOW.height * scale),
      `${where}: the window is ${frame.width} x ${frame.height}, not scaled by ${scale}`);
  check(near(frame.left, (size.width - frame.width) / 2) &&
        near(frame.top, (size.height - frame.height) / 2),
      `${where}: the window is not centred: ${JSON.stringify(frame)}`);
  for (const side of ['left', 'top', 'width', 'height']) {
    check(near(canvas[side], frame[side]), `${where}: the canvas's ${side} is not the window's`);
  }
  check(near(canvas.pixelsWide, frame.width * found.ratio) &&
        near(canvas.pixelsHigh, frame.height * found.ratio),
      `${where}: the canvas has ${canvas.pixelsWide} x ${canvas.pixelsHigh} pixels for ` +
      `${frame.width} x ${frame.height} at ${found.ratio} device pixels a pixel`);
  check(found.drawn > 0.005, `${where}: the canvas is hardly drawn (${found.drawn})`);
}

async function withPage(body) {
  const server = await new Server(given.page).start();
  const browser = await launch(given);
  try {
    await body(server, browser);
  } finally {
    await browser.close();
    await server.stop();
  }
}

run({
  'the window fits every size, at one and three device pixels a pixel': () =>
    withPage(async (server, browser) => {
      for (const size of [...SIZES, {width: 390, height: 844, deviceScaleFactor: 3}]) {
        const tab = await browser.newPage();
        await tab.setViewport({deviceScaleFactor: 1, ...size});
        await tab.goto(server.url(NIGHT));
        await tab.waitForFunction(() => document.documentElement.dataset.firstChartMs);
        checkFit(await measure(tab), size);
        if (given.shots && size.deviceScaleFactor === undefined) {
          const name = `page-${size.width}x${size.height}.png`;
          writeFileSync(path.join(given.shots, name), await tab.screenshot());
          if (size.width === 1920) {
            await tab.goto(server.url(DAY));
            await tab.waitForFunction(() => document.documentElement.dataset.firstChartMs);
            writeFileSync(path.join(given.shots, 'page-1920x1080-day.png'), await tab.screenshot());
          }
        }
        await tab.close();
      }
    }),

  'the window is fitted and drawn again as the viewport changes or turns': () =>
    withPage(async (server, browser) => {
      const tab = await open(browser, server.url(NIGHT));
      for (const size of [{width: 844, height: 390}, {width: 390, height: 844}, WINDOW,
        {width: 3840, height: 2160}]) {
        await tab.setViewport({...size, deviceScaleFactor: 1});
        await tab.waitForFunction((width) => document.getElementById('chart').width ===
            Math.floor(1040 * Math.min(width / 1040, window.innerHeight / 640)), {}, size.width);
        checkFit(await measure(tab), size);
      }
    }),

  // West instead of east, then the button: the address no longer says east,
  // and another tab opened on it draws the very same operations.
  'the address after the button draws the same in a new tab': () =>
    withPage(async (server, browser) => {
      for (const size of SIZES) {
        const tab = await open(browser, server.url(NIGHT + '&ops'), size);
        await tab.click('::-p-aria([name="西"][role="radio"])');
        const before = await operationsAndAddress(tab);
        await tab.click('::-p-aria([name="プラネタリウム"][role="button"])');
        await tab.waitForFunction((operations) =>
          document.getElementById('ops').textContent !== operations, {}, before.operations);
        const pressed = await operationsAndAddress(tab);
        check(pressed.address.includes('dir=west') && !pressed.address.includes('dir=east'),
            `the address after choosing 西 is ${pressed.address}`);
        const again = await open(browser, pressed.address, size);
        const opened = await operationsAndAddress(again);
        check(opened.operations === pressed.operations,
            `${size.width} x ${size.height}: ${pressed.address} draws other operations in a new tab`);
        await tab.close();
        await again.close();
      }
    }),
});
