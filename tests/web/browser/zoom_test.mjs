// Zoom and pan on the page: at a desk the wheel magnifies about the pointer
// (Sirius stays under it, its disc keeps its size) and the address keeps the
// zoom; a drag pans; 「全体を表示」 brings back the very drawing of the whole
// view. On a phone two fingers pinch, while a finger on the whole view scrolls
// the page.
//
// Usage: node zoom_test.mjs --page build/web --node build/node

import {PHONE, check, options, run, session, siriusOnScreen} from './helpers.mjs';

const given = options();
const SKY = 'site=12&at=2006-01-15T20:00&dir=south&names&ops';

const near = (a, b, within) => Math.abs(a - b) <= within;

// Opens the sky at a size with its animation stopped: the planetarium
// button again with a display interval of 0 s.
async function stillSky(browser, server, viewport) {
  const tab = await browser.newPage();
  await tab.setViewport(viewport);
  await tab.goto(server.url(SKY));
  await tab.select('::-p-aria([name="表示間隔（秒）"])', '0');
  await tab.click('::-p-aria([name="プラネタリウム"][role="button"])');
  return tab;
}
const address = (tab) => tab.evaluate(() => window.location.search);

run({
  'the wheel zooms about the pointer, a drag pans, the button shows the whole view': () =>
    session(given, async (server, browser) => {
      const tab = await stillSky(browser, server, {width: 1280, height: 900});
      const whole = await siriusOnScreen(tab);
      check(await tab.$eval('#whole-view', (button) => button.hidden), 'the button shows unzoomed');
      await tab.mouse.move(whole.x, whole.y);
      for (let notch = 0; notch < 4; ++notch) await tab.mouse.wheel({deltaY: -100});
      const zoomed = await siriusOnScreen(tab, whole.operations);
      check(near(zoomed.x, whole.x, 1) && near(zoomed.y, whole.y, 1) &&
            zoomed.radius === whole.radius,
          `Sirius went from ${JSON.stringify(whole)} to ${JSON.stringify(zoomed)}`);
      await tab.waitForFunction(() => /[?&]zoom=2(&|$)/.test(window.location.search) &&
          /[?&]center=[\d.]+,[\d.]+(&|$)/.test(window.location.search));

      await tab.mouse.down();
      await tab.mouse.move(whole.x - 100, whole.y + 40, {steps: 5});
      await tab.mouse.up();
      const panned = await siriusOnScreen(tab, zoomed.operations);
      check(near(panned.x, whole.x - 100, 1) && near(panned.y, whole.y + 40, 1),
          `after the drag Sirius is at ${panned.x}, ${panned.y}, was ${whole.x}, ${whole.y}`);
      check(await tab.$eval('#object', (panel) => panel.textContent) === '',
          'the drag named an object');

      const button = await tab.$eval('#whole-view', (b) => b.getBoundingClientRect().toJSON());
      check(button.width >= 44 && button.height >= 44 && button.bottom <= whole.chart.bottom &&
            button.right <= whole.chart.right, `the button is at ${JSON.stringify(button)}`);
      await tab.click('#whole-view');
      const again = await siriusOnScreen(tab, panned.operations);
      check(again.operations === whole.operations, 'the whole view is drawn otherwise');
      await tab.waitForFunction(() => !window.location.search.includes('zoom='));
    }),

  'on a phone a finger scrolls the page and two fingers pinch': () =>
    session(given, async (server, browser) => {
      const tab = await stillSky(browser, server, PHONE);
      const whole = await siriusOnScreen(tab);
      const middle = {x: whole.chart.left + whole.chart.width / 2,
        y: whole.chart.top + whole.chart.height / 2};
      await tab.touchscreen.touchStart(middle.x, middle.y + 40);
      await tab.touchscreen.touchMove(middle.x, middle.y - 40);
      await tab.touchscreen.touchEnd();
      await tab.waitForFunction(() => window.scrollY > 0);
      check(!(await address(tab)).includes('zoom='), 'a finger zoomed the whole view');

      const chart = await tab.$eval('#chart', (canvas) => canvas.getBoundingClientRect().toJSON());
      const y = chart.top + chart.height / 2;
      const input = await tab.createCDPSession();
      const fingers = (type, spread) => input.send('Input.dispatchTouchEvent', {type,
        touchPoints: type === 'touchEnd' ? [] : [{x: middle.x - spread, y, id: 1},
          {x: middle.x + spread, y, id: 2}]});
      await fingers('touchStart', 30);
      for (let spread = 40; spread <= 90; spread += 10) await fingers('touchMove', spread);
      await fingers('touchEnd', 0);
      await tab.waitForFunction(() => /[?&]zoom=(2\.[5-9]|3)/.test(window.location.search));
      check(await tab.$eval('#whole-view', (b) => !b.hidden && b.offsetHeight >= 44),
          'no finger-sized button to the whole view');
    }),
});
