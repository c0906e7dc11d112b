// "What is that?" on the page: a click at a desk, or a tap on a phone, where
// Sirius is drawn names it in the live region beside it, clear of it and
// within the chart; Escape, or a tap on empty sky, takes it away; Right steps on.
//
// Usage: node pointing_test.mjs --page build/web --node build/node

import {check, operationsAndAddress, options, run, session} from './helpers.mjs';

const given = options();
const SKY = 'site=12&at=2006-01-15T20:00&dir=south&names&ops';

// A tab at a size with the chart drawn; where Sirius's disc (the one before its
// name in the operations) is on the screen [CSS pixels], and the chart's box.
async function sirius(browser, url, viewport) {
  const tab = await browser.newPage();
  await tab.setViewport(viewport);
  await tab.goto(url);
  const lines = (await operationsAndAddress(tab)).operations.split('\n');
  const disc = lines.slice(0, lines.findIndex((line) => line.endsWith(' ｼﾘｳｽ'))).reverse()
      .find((line) => line.startsWith('circle ')).split(' ').slice(1, 3).map(Number);
  const point = await tab.$eval('#chart', (canvas, [x, y]) => {
    const box = canvas.getBoundingClientRect();
    return {x: box.left + x / 15 * box.width / 1040, y: box.top + y / 15 * box.height / 640,
      chart: box.toJSON()};
  }, disc);
  return {tab, point};
}

async function checkNamed(tab, point, where) {
  await tab.waitForFunction(() => document.getElementById('object').textContent !== '');
  const shown = await tab.$eval('#object', (panel) => ({text: panel.textContent,
    live: panel.getAttribute('aria-live'), box: panel.getBoundingClientRect().toJSON()}));
  const {box, text, live} = shown;
  check(text.startsWith('シリウス（おおいぬ座α） おおいぬ座 -1.46等 高度 ') && live === 'polite',
      `${where}: the panel says ${text}, ${live}`);
  const covers = point.x >= box.left && point.x <= box.right && point.y >= box.top &&
      point.y <= box.bottom;
  check(!covers && box.bottom <= point.y && point.y - box.bottom < 20 &&
        box.left >= point.chart.left && box.right <= point.chart.right,
      `${where}: the panel ${JSON.stringify(box)} is not just above ${point.x}, ${point.y}`);
}

const panelText = (tab) => tab.$eval('#object', (panel) => panel.textContent);

run({
  'a click names Sirius beside it, Escape puts it away, Right steps on': () =>
    session(given, async (server, browser) => {
      const {tab, point} = await sirius(browser, server.url(SKY), {width: 1280, height: 900});
      await tab.mouse.click(point.x + 3, point.y - 2);
      await checkNamed(tab, point, 'desk');
      await tab.keyboard.press('Escape');
      check(await panelText(tab) === '', 'Escape left the panel');
      await tab.keyboard.press('ArrowRight');  // the click gave the canvas the focus
      const stepped = await panelText(tab);
      check(/ 高度 -?\d+\.\d 方位 \d+\.\d$/.test(stepped) && !stepped.startsWith('シリウス'),
          `Right showed ${stepped}`);
    }),

  'a tap on a phone names Sirius, a tap on empty sky puts it away': () =>
    session(given, async (server, browser) => {
      const {tab, point} = await sirius(browser, server.url(SKY),
          {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true});
      await tab.touchscreen.tap(point.x, point.y);
      await checkNamed(tab, point, 'phone');
      await tab.touchscreen.tap(point.chart.left + point.chart.width / 2, point.chart.top + 2);
      check(await panelText(tab) === '', 'a tap on empty sky left the panel');
    }),
});
