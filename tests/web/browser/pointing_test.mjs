// "What is that?" on the page: a click at a desk, or a tap on a phone, where
// Sirius is drawn names it in the live region beside it; Escape, or a tap on
// empty sky, takes the panel away; Right steps to an object by key.
//
// Usage: node pointing_test.mjs --page build/web --node build/node [--shots FOLDER]

import {writeFileSync} from 'node:fs';
import path from 'node:path';

import {check, operationsAndAddress, options, run, session} from './helpers.mjs';

const given = options();
const SKY = 'site=12&at=2006-01-15T20:00&dir=south&names&ops';

// A tab at a size, as a desk's screen or a phone, with its chart drawn.
async function device(browser, url, viewport) {
  const tab = await browser.newPage();
  await tab.setViewport(viewport);
  await tab.goto(url);
  await tab.waitForFunction(() => document.documentElement.dataset.firstChartMs);
  return tab;
}

// Where the page drew a star's disc, from its operations (the disc just
// before its name) [twips], on the screen [CSS pixels of the viewport].
async function discOf(tab, label) {
  const lines = (await operationsAndAddress(tab)).operations.split('\n');
  const at = lines.findIndex((line) => line.startsWith('print ') && line.endsWith(' ' + label));
  const disc = lines.slice(0, at).reverse().find((line) => line.startsWith('circle '));
  check(at > 0 && disc, `no disc of ${label}`);
  const [x, y] = disc.split(' ').slice(1, 3).map(Number);
  return tab.$eval('#chart', (canvas, x, y) => {
    canvas.scrollIntoView({block: 'nearest'});
    const box = canvas.getBoundingClientRect();
    return {x: box.left + x / 15 * box.width / 1040, y: box.top + y / 15 * box.height / 640,
      chart: box.toJSON()};
  }, x, y);
}

// The panel: its text, its box, and whether it is the live region.
const panel = (tab) => tab.$eval('#object', (element) => ({
  text: element.textContent, box: element.getBoundingClientRect().toJSON(),
  live: element.getAttribute('role') === 'status' && element.getAttribute('aria-live')}));

// Named beside the point and clear of it, within the chart.
function checkNamed(shown, point, where) {
  const {box, chart} = {box: shown.box, chart: point.chart};
  check(shown.text.startsWith('シリウス（おおいぬ座α） おおいぬ座 -1.46等 高度 '),
      `${where}: the panel says ${shown.text}`);
  check(shown.live === 'polite', `${where}: the panel is not read out: ${shown.live}`);
  const covers = point.x >= box.left && point.x <= box.right && point.y >= box.top &&
      point.y <= box.bottom;
  check(!covers && Math.abs(box.left + box.width / 2 - point.x) < 300 &&
        Math.min(Math.abs(box.top - point.y), Math.abs(box.bottom - point.y)) < 40,
      `${where}: the panel ${JSON.stringify(box)} is not beside ${point.x}, ${point.y}`);
  check(box.left >= chart.left && box.right <= chart.right && box.top >= chart.top,
      `${where}: the panel ${JSON.stringify(box)} leaves the chart ${JSON.stringify(chart)}`);
}

const shoot = async (tab, name) => {
  if (given.shots) writeFileSync(path.join(given.shots, name), await tab.screenshot());
};

run({
  'a click names Sirius beside it, Escape puts it away, Right steps on': () =>
    session(given, async (server, browser) => {
      const tab = await device(browser, server.url(SKY), {width: 1280, height: 900});
      const sirius = await discOf(tab, 'ｼﾘｳｽ');
      await tab.mouse.click(sirius.x + 3, sirius.y - 2);
      await tab.waitForFunction(() => document.getElementById('object').textContent !== '');
      checkNamed(await panel(tab), sirius, 'desk');
      await shoot(tab, 'pointing-desk.png');
      await tab.keyboard.press('Escape');
      check((await panel(tab)).text === '', 'Escape left the panel');
      await tab.keyboard.press('ArrowRight');  // the canvas took the focus with the click
      const stepped = (await panel(tab)).text;
      check(/ 高度 -?\d+\.\d 方位 \d+\.\d$/.test(stepped) && !stepped.startsWith('シリウス'),
          `Right showed ${stepped}`);
    }),

  'a tap on a phone names Sirius, a tap on empty sky puts it away': () =>
    session(given, async (server, browser) => {
      const tab = await device(browser, server.url(SKY),
          {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true});
      const sirius = await discOf(tab, 'ｼﾘｳｽ');
      await tab.touchscreen.tap(sirius.x, sirius.y);
      await tab.waitForFunction(() => document.getElementById('object').textContent !== '');
      checkNamed(await panel(tab), sirius, 'phone');
      await shoot(tab, 'pointing-phone.png');
      await tab.touchscreen.tap(sirius.chart.left + sirius.chart.width / 2, sirius.chart.top + 2);
      check((await panel(tab)).text === '', 'a tap on empty sky left the panel');
    }),
});
