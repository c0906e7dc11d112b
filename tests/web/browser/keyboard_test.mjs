// One whole session by keys alone, as a user without a mouse has it: type a
// date, choose a site and a direction, press the planetarium button (Enter),
// read the table (数値, Space) and quit (終了, Enter). Then the chart in words
// against what the chart prints, and read out once after the button only.
//
// Usage: node keyboard_test.mjs --page build/web --node build/node

import {check, launch, open, options, run, Server} from './helpers.mjs';

const given = options();

function focusedName(tab) {
  return tab.evaluate(() => {
    const control = document.activeElement;
    return control.getAttribute('aria-label') ||
        (control.closest('label') || control).textContent.trim();
  });
}

// Tab (or Shift+Tab) until the control of that name has the focus.
async function tabTo(tab, name, backwards = false) {
  for (let presses = 0; presses < 30; presses++) {
    if (await focusedName(tab) === name) return;
    if (backwards) await tab.keyboard.down('Shift');
    await tab.keyboard.press('Tab');
    if (backwards) await tab.keyboard.up('Shift');
  }
  throw new Error(`Tab never reached ${name}`);
}

async function typeInto(tab, name, text) {
  await tabTo(tab, name);
  await tab.keyboard.down('Control');
  await tab.keyboard.press('KeyA');
  await tab.keyboard.up('Control');
  await tab.keyboard.type(text);
}

// The names the chart prints above the horizon (y < 9000 twips; the direction
// words stand below it), from the page's listing of the drawing.
function namesPrinted(operations) {
  return operations.split('\n').filter((line) => line.startsWith('print '))
      .map((line) => line.split(' ')).filter((fields) => Number(fields[2]) < 9000)
      .map((fields) => fields.slice(3).join(' '));
}

// "東の空、東京、…: 月 高度 23.1 方位 81.2、土星 高度 …" -> 月, 土星.
function namesDescribed(words) {
  const list = words.slice(words.indexOf(': ') + 2);
  return list.split('、').map((item) => item.slice(0, item.indexOf(' 高度 ')));
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

run({
  'a whole session by keys alone': () => withBrowser(async (server, browser) => {
    const tab = await open(browser, server.url());
    for (const [name, text] of [['年', '2006'], ['月', '1'], ['日', '15'], ['時', '20'],
      ['分', '0']]) {
      await typeInto(tab, name, text);
    }
    await tabTo(tab, '観測地');
    await tab.keyboard.press('Home');  // 札幌, the first site
    await tabTo(tab, '南');
    await tab.keyboard.press('ArrowRight');  // on to the next direction, 西
    check(await focusedName(tab) === '西', 'the arrow keys do not choose 西');
    await tabTo(tab, 'プラネタリウム');
    await tab.keyboard.press('Enter');
    await tab.waitForFunction(() => document.getElementById('chart-news').textContent !== '');
    const pressed = await tab.evaluate(() => ({
      news: document.getElementById('chart-news').textContent,
      address: window.location.search,
    }));
    check(pressed.news.startsWith('西の空、札幌、2006年1月15日 20時0分: '),
        `the chart read out after Enter: ${pressed.news}`);
    check(pressed.address === '?site=0&at=2006-01-15T20:00&dir=west&step=15',
        `the address after Enter: ${pressed.address}`);

    await tabTo(tab, '数値', true);
    await tab.keyboard.press('Space');
    await tab.waitForFunction(() => document.querySelector('[role="cell"]').textContent !== '');
    const table = await tab.evaluate(() => Array.from(
        document.querySelectorAll('[role="table"] [role="row"]'),
        (row) => Array.from(row.children, (cell) => cell.textContent.trim())));
    check(table[0].join() === '名前,高度,方位', `the table's columns: ${table[0]}`);
    check(table[1][0] === '太陽' && /^-?\d+\.\d$/.test(table[1][1]),
        `the table's first row: ${table[1]}`);
    check(await tab.evaluate(() => document.getElementById('chart-words').textContent) === '',
        'the chart is still described under the table');

    await tabTo(tab, '終了', true);
    await tab.keyboard.press('Enter');
    await tab.waitForFunction(() => document.getElementById('message').textContent !== '');
    const ended = await tab.evaluate(() => ({
      stored: window.localStorage.getItem('pstart.txt'),
      disabled: document.querySelectorAll('#window :is(input, select, button):disabled').length,
    }));
    check(ended.stored.startsWith(' 0 '), `the start file after 終了: ${ended.stored}`);
    check(ended.disabled === 21, `${ended.disabled} controls disabled after 終了, not 21`);
  }),

  'the chart in words names what the chart prints, renewed on ticks, read out once': () =>
    withBrowser(async (server, browser) => {
      for (const query of ['site=12&at=2006-01-15T20:00&dir=east&names',
        'site=12&at=2006-01-15T10:00&dir=south&names&ecliptic',
        'site=48&lat=-33.9&lon=18.4&at=2024-06-21T23:30&dir=west&names&grid']) {
        const tab = await open(browser, server.url(query + '&ops'));
        await tab.waitForFunction(() => document.getElementById('ops').textContent !== '');
        const shown = await tab.evaluate(() => ({
          operations: document.getElementById('ops').textContent,
          words: document.getElementById('chart-words').textContent,
          describedBy: document.getElementById('chart').getAttribute('aria-describedby'),
        }));
        check(shown.describedBy === 'chart-words', 'the canvas is not described by the words');
        const printed = namesPrinted(shown.operations);
        const described = namesDescribed(shown.words);
        check(printed.length > 0 && printed.join() === described.join(),
            `${query}: printed ${printed}, described ${described}`);
        await tab.close();
      }

      // The display interval of 1 s: the ticks renew the words but read nothing out.
      const tab = await open(browser, server.url('site=12&at=2006-01-15T20:00&dir=east'));
      await tab.select('::-p-aria([name="表示間隔（秒）"])', '1');
      await tab.click('::-p-aria([name="プラネタリウム"][role="button"])');
      const news = await tab.waitForFunction(() =>
        document.getElementById('chart-news').textContent).then((handle) => handle.jsonValue());
      await tab.waitForFunction(() =>
        document.getElementById('chart-words').textContent.includes('20時30分'), {timeout: 5000});
      const after = await tab.evaluate(() => document.getElementById('chart-news').textContent);
      check(after === news, `a tick read out ${after}`);
    }),
});
