// The page at any size from the narrow layout's up (phone_test.mjs tests
// narrower ones): the window (controls and chart) scaled alike to the largest
// size that fits, centred, nothing to scroll; the chart's canvas at the
// device's pixels of the window's size, drawn again at every new size; the
// address after the button draws the same operations in a new tab.
//
// Usage: node fit_test.mjs --page build/web --node build/node [--shots FOLDER]

import {writeFileSync} from 'node:fs';
import path from 'node:path';

import {check, NARROW_WIDTH, open, operationsAndAddress, options, run, session, SIZES, WINDOW}
  from './helpers.mjs';

const given = options();
const WIDE = SIZES.filter((size) => size.width >= NARROW_WIDTH);
const NIGHT = 'site=12&at=2006-01-15T20:00&dir=east&names&grid';
const DAY = 'site=12&at=2006-01-15T10:00&dir=south&names&ecliptic';

// Checks where the window and its canvas stand, that nothing scrolls and that
// the canvas is drawn, in a viewport of `size`; near: within a screen pixel.
async function checkFit(tab, size) {
  const found = await tab.evaluate(() => {
    const root = document.documentElement;
    window.scrollTo(10000, 10000);
    const canvas = document.getElementById('chart');
    const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let drawn = 0;  // pixels that are not the night sky's (32, 96, 192)
    for (let i = 0; i < pixels.length; i += 4) drawn += pixels[i] !== 32 || pixels[i + 2] !== 192;
    return {
      scrolled: [root.scrollWidth - root.clientWidth, root.scrollHeight - root.clientHeight,
        window.scrollX, window.scrollY],
      frame: document.getElementById('window').getBoundingClientRect().toJSON(),
      canvas: {...canvas.getBoundingClientRect().toJSON(), wide: canvas.width, high: canvas.height},
      drawn: drawn / (pixels.length / 4),
      ratio: window.devicePixelRatio,
    };
  });
  const where = `${size.width} x ${size.height} at ${found.ratio}`;
  const near = (a, b) => Math.abs(a - b) <= 1;
  const scale = Math.min(size.width / WINDOW.width, size.height / WINDOW.height);
  const {frame, canvas} = found;
  check(found.scrolled.every((extent) => extent <= 0), `${where}: it scrolls ${found.scrolled}`);
  check(near(frame.width, WINDOW.width * scale) && near(frame.height, WINDOW.height * scale) &&
        near(frame.left, (size.width - frame.width) / 2) &&
        near(frame.top, (size.height - frame.height) / 2),
      `${where}: the window is not scaled by ${scale} and centred: ${JSON.stringify(frame)}`);
  check(['left', 'top', 'width', 'height'].every((side) => near(canvas[side], frame[side])) &&
        near(canvas.wide, frame.width * found.ratio) && near(canvas.high, frame.height * found.ratio),
      `${where}: the canvas ${JSON.stringify(canvas)} is not the window's at the device's pixels`);
  check(found.drawn > 0.005, `${where}: the canvas is hardly drawn (${found.drawn})`);
}

run({
  'the window fits every size, at one and three device pixels a pixel': () =>
    session(given, async (server, browser) => {
      for (const size of [...WIDE, {width: 844, height: 390, deviceScaleFactor: 3}]) {
        const tab = await browser.newPage();
        await tab.setViewport({deviceScaleFactor: 1, ...size});
        for (const [sky, name] of [[NIGHT, ''], [DAY, '-day']]) {
          await tab.goto(server.url(sky));
          await tab.waitForFunction(() => document.documentElement.dataset.firstChartMs);
          if (sky === NIGHT) await checkFit(tab, size);
          if (given.shots && !size.deviceScaleFactor && (sky === NIGHT || size.width === 1920)) {
            const file = `page-${size.width}x${size.height}${name}.png`;
            writeFileSync(path.join(given.shots, file), await tab.screenshot());
          }
        }
        await tab.close();
      }
    }),

  'the window is fitted and drawn again as the viewport changes or turns': () =>
    session(given, async (server, browser) => {
      const tab = await open(browser, server.url(NIGHT));
      for (const size of [{width: 844, height: 390}, {width: 600, height: 960}, WINDOW,
        {width: 3840, height: 2160}]) {
        await tab.setViewport({...size, deviceScaleFactor: 1});
        await tab.waitForFunction((width) => document.getElementById('chart').width ===
            Math.floor(1040 * Math.min(width / 1040, window.innerHeight / 640)), {}, size.width);
        await checkFit(tab, size);
      }
    }),

  // West instead of east, then the button: the address says west, and another
  // tab opened on it draws the very same operations.
  'the address after the button draws the same in a new tab': () =>
    session(given, async (server, browser) => {
      for (const size of SIZES) {
        const tab = await open(browser, server.url(NIGHT + '&ops'), size);
        const before = await operationsAndAddress(tab);
        await tab.click('::-p-aria([name="西"][role="radio"])');
        await tab.click('::-p-aria([name="プラネタリウム"][role="button"])');
        await tab.waitForFunction((operations) =>
          document.getElementById('ops').textContent !== operations, {}, before.operations);
        const pressed = await operationsAndAddress(tab);
        check(/dir=west/.test(pressed.address) && !/dir=east/.test(pressed.address),
            `the address after choosing 西: ${pressed.address}`);
        const again = await operationsAndAddress(await open(browser, pressed.address, size));
        check(again.operations === pressed.operations,
            `${size.width} x ${size.height}: ${pressed.address} draws otherwise in a new tab`);
      }
    }),
});
