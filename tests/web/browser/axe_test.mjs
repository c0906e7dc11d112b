// The page through axe-core (WCAG 2.1 A and AA, best practice): at its start,
// with a chart by night and by day, after the planetarium button, with an
// object of the chart named, after 数値,
// in the window's size and a phone's, and at every size. The one finding
// allowed is the contrast of the window's own colours: black words on the
// night sky's blue.
//
// Usage: node axe_test.mjs --page build/web --node build/node

import path from 'node:path';

import {check, open, options, run, session, SIZES, WINDOW} from './helpers.mjs';

const given = options();
const CHART = 'site=12&at=2006-01-15T20:00&dir=east&names';

// The findings, but for black on the skies' blues, one a line.
async function violations(tab) {
  await tab.addScriptTag({path: path.resolve(given.node, 'node_modules/axe-core/axe.min.js')});
  const results = await tab.evaluate(() => window.axe.run(document, {
    runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice']},
  }));
  const windowColours = (node) => node.any.some(({data}) => data && data.fgColor === '#000000' &&
      ['#2060c0', '#0090ff'].includes(data.bgColor));
  return results.violations.flatMap((violation) => violation.nodes
      .filter((node) => violation.id !== 'color-contrast' || !windowColours(node))
      .map((node) => `${violation.id}: ${node.target.join(' ')}: ${node.failureSummary}`));
}

async function expectNone(tab, where) {
  const found = await violations(tab);
  check(found.length === 0, `${where}:\n    ${found.join('\n    ')}`);
}

run({
  'no violation at the start, by night and day, after the button and after 数値': () =>
    session(given, async (server, browser) => {
      for (const size of [WINDOW, {width: 390, height: 844}]) {
        const where = `${size.width} x ${size.height}`;
        await expectNone(await open(browser, server.url(), size), `${where}: the page at its start`);
        await expectNone(await open(browser, server.url('at=2006-01-15T10:00'), size),
            `${where}: by day`);
        const tab = await open(browser, server.url(CHART), size);
        await expectNone(tab, `${where}: ${CHART}`);
        await tab.click('::-p-aria([name="プラネタリウム"][role="button"])');
        await tab.waitForFunction(() => document.getElementById('chart-news').textContent !== '');
        await expectNone(tab, `${where}: after プラネタリウム`);
        await tab.focus('#chart');
        await tab.keyboard.press('Home');
        await tab.waitForFunction(() => document.getElementById('object').textContent !== '');
        await expectNone(tab, `${where}: an object of the chart named`);
        await tab.click('::-p-aria([name="数値"][role="button"])');
        await tab.waitForFunction(() => document.querySelector('[role="cell"]').textContent !== '');
        await expectNone(tab, `${where}: after 数値`);
      }
    }),

  'no violation at any size': () => session(given, async (server, browser) => {
    for (const size of SIZES) {
      await expectNone(await open(browser, server.url(CHART), size), `${size.width} x ${size.height}`);
    }
  }),
});
