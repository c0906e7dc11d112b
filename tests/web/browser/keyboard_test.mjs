// One whole session by keys alone: type a date, choose a site and a direction,
// press the planetarium button (Enter), read the table (数値, Space), quit
// (終了, Enter). And the chart in words: the canvas's description, renewed at
// every tick, read out after the button only.
//
// Usage: node keyboard_test.mjs --page build/web --node build/node

import {check, open, options, run, session} from './helpers.mjs';

const given = options();

// Presses keys together: "Shift+Tab".
async function chord(tab, keys) {
  const [key, ...held] = keys.split('+').reverse();
  for (const modifier of held) await tab.keyboard.down(modifier);
  await tab.keyboard.press(key);
  for (const modifier of held) await tab.keyboard.up(modifier);
}

// Tab (or Shift+Tab) until the control of that name has the focus.
async function tabTo(tab, name, backwards = false) {
  for (let presses = 0; presses < 30; presses++) {
    const focused = await tab.evaluate(() => document.activeElement.getAttribute('aria-label') ||
        (document.activeElement.closest('label') || document.activeElement).textContent.trim());
    if (focused === name) return;
    await chord(tab, backwards ? 'Shift+Tab' : 'Tab');
  }
  throw new Error(`Tab never reached ${name}`);
}

const text = (tab, id) => tab.evaluate((id) => document.getElementById(id).textContent, id);

run({
  'a whole session by keys alone': () => session(given, async (server, browser) => {
    const tab = await open(browser, server.url());
    for (const [name, typed] of [['年', '2006'], ['月', '1'], ['日', '15'], ['時', '20'],
      ['分', '0']]) {
      await tabTo(tab, name);
      await chord(tab, 'Control+KeyA');
      await tab.keyboard.type(typed);
    }
    await tabTo(tab, '観測地');
    await tab.keyboard.press('Home');  // 札幌, the first site
    await tabTo(tab, '南');
    await tab.keyboard.press('ArrowRight');  // the next direction, 西
    await tabTo(tab, 'プラネタリウム');
    await tab.keyboard.press('Enter');
    await tab.waitForFunction(() => document.getElementById('chart-news').textContent !== '');
    const news = await text(tab, 'chart-news');
    check(news.startsWith('西の空、札幌、2006年1月15日 20時0分: '), `read out: ${news}`);
    const address = await tab.evaluate(() => window.location.search);
    check(address === '?site=0&at=2006-01-15T20:00&dir=west&step=15', `the address: ${address}`);

    await tabTo(tab, '数値', true);
    await tab.keyboard.press('Space');
    await tab.waitForFunction(() => document.querySelector('[role="cell"]').textContent !== '');
    const table = await tab.evaluate(() => Array.from(document.querySelectorAll(
        '[role="table"][aria-label="数値"] [role="row"]'), (row) => row.innerText.trim().split(/\s+/)));
    check(table[0].join() === '名前,高度,方位' && table[1][0] === '太陽' &&
          /^-?\d+\.\d$/.test(table[1][1]), `the table: ${table[0]} / ${table[1]}`);

    await tabTo(tab, '終了', true);
    await tab.keyboard.press('Enter');
    await tab.waitForFunction(() => document.getElementById('message').textContent !== '');
    const stored = await tab.evaluate(() => window.localStorage.getItem('pstart.txt'));
    check(stored.startsWith(' 0 '), `the start file after 終了: ${stored}`);
  }),

  // What the words name is tested against the drawing in tests/web/page_test.cpp.
  'the chart in words describes the canvas, renewed on ticks, read out once': () =>
    session(given, async (server, browser) => {
      const tab = await open(browser, server.url('site=12&at=2006-01-15T20:00&dir=east&names'));
      const described = await tab.$eval('#chart', (canvas) =>
        document.getElementById(canvas.getAttribute('aria-describedby')).textContent);
      check(described.startsWith('東の空、東京、2006年1月15日 20時0分: 月 高度 '),
          `the canvas is described as ${described}`);

      // A display interval of 1 s: the ticks renew the words but read nothing out.
      await tab.select('::-p-aria([name="表示間隔（秒）"])', '1');
      await tab.click('::-p-aria([name="プラネタリウム"][role="button"])');
      await tab.waitForFunction(() => document.getElementById('chart-news').textContent !== '');
      const news = await text(tab, 'chart-news');
      await tab.waitForFunction(() =>
        document.getElementById('chart-words').textContent.includes('20時30分'));
      check(await text(tab, 'chart-news') === news, 'a tick was read out');
    }),
});
