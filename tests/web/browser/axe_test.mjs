// The page through axe-core (WCAG 2.1 A and AA and best practice): at its
// start, with a chart, after the planetarium button, after "数値", at every
// size. The one finding allowed is the contrast of the window's own colours:
// black captions on the night sky's blue.
//
// Usage: node axe_test.mjs --page build/web --node build/node

import path from 'node:path';

import {check, launch, open, options, run, Server, SIZES, WINDOW} from './helpers.mjs';

const given = options();
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'];
// The window's colours: black words on the skies' blues (night, day).
const WINDOW_TEXT = '#000000';
const WINDOW_SKIES = ['#2060c0', '#0090ff'];
const CHART = 'site=12&at=2006-01-15T20:00&dir=east&names';

function isWindowColours(node) {
  return node.any.some((finding) => finding.data && finding.data.fgColor === WINDOW_TEXT &&
      WINDOW_SKIES.includes(finding.data.bgColor));
}

// The findings that are not the window's own colours, as lines of text.
async function violations(tab) {
  await tab.addScriptTag({path: path.resolve(given.node, 'node_modules/axe-core/axe.min.js')});
  const results = await tab.evaluate((tags) =>
    window.axe.run(document, {runOnly: {type: 'tag', values: tags}}), TAGS);
  const found = [];
  for (const violation of results.violations) {
    const nodes = violation.id === 'color-contrast' ?
      violation.nodes.filter((node) => !isWindowColours(node)) : violation.nodes;
    for (const node of nodes) {
      found.push(`${violation.id}: ${node.target.join(' ')}: ${node.failureSummary}`);
    }
  }
  return found;
}

async function press(tab, name) {
  await tab.click(`::-p-aria([name="${name}"][role="button"])`);
}

async function withBrowser(body) {
  const server = await new Server(given.page).start();
  const browser = await launch(given);
  try {
    await body(server, browser);
  } finally {
    await browser.close();
    await server.stop();
  }
}

function expectNone(found, where) {
  check(found.length === 0, `${where}:\n    ${found.join('\n    ')}`);
}

run({
  'no violation at the start, with a chart, after the button and after 数値': () =>
    withBrowser(async (server, browser) => {
      const start = await open(browser, server.url());
      expectNone(await violations(start), 'the page at its start');
      const tab = await open(browser, server.url(CHART));
      expectNone(await violations(tab), CHART);
      await press(tab, 'プラネタリウム');
      await tab.waitForFunction(() => document.getElementById('chart-news').textContent !== '');
      expectNone(await violations(tab), 'after プラネタリウム');
      await press(tab, '数値');
      await tab.waitForFunction(() => document.querySelector('[role="cell"]').textContent !== '');
      expectNone(await violations(tab), 'after 数値');
      const day = await open(browser, server.url('site=12&at=2006-01-15T10:00&dir=south'));
      expectNone(await violations(day), 'a chart by day');
    }),

  'no violation at any size': () => withBrowser(async (server, browser) => {
    for (const size of SIZES.filter((each) => each !== WINDOW)) {
      const tab = await open(browser, server.url(CHART), size);
      expectNone(await violations(tab), `${size.width} x ${size.height}`);
      await tab.close();
    }
  }),
});
