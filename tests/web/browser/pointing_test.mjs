// "What is that?" on the page: a click at a desk, or a tap on a phone, where
// Sirius is drawn names it in the live region beside it, clear of it and
// within the chart; Escape, or a tap on empty sky, takes it away; Right steps on.
//
// Usage: node pointing_test.mjs --page build/web --node build/node

import {PHONE, check, options, run, session, siriusOnScreen} from './helpers.mjs';

const given = options();
const SKY = 'site=12&at=2006-01-15T20:00&dir=south&names&ops';

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
      const tab = await browser.newPage();
      await tab.setViewport({width: 1280, height: 900});
      await tab.goto(server.url(SKY));
      const point = await siriusOnScreen(tab);
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
      const tab = await browser.newPage();
      await tab.setViewport(PHONE);
      await tab.goto(server.url(SKY));
      const point = await siriusOnScreen(tab);
      await tab.touchscreen.tap(point.x, point.y);
      await checkNamed(tab, point, 'phone');
      await tab.touchscreen.tap(point.chart.left + point.chart.width / 2, point.chart.top + 2);
      check(await panelText(tab) === '', 'a tap on empty sky left the panel');
    }),
});
