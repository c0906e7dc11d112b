// The almanac's panel: "暦", reached by Tab after the display options and
// pressed with Enter, opens the day's tables in a dialog that holds the
// focus, that axe-core finds nothing in, and that Escape or "閉じる" closes,
// the focus back on the button; the same from planetarium.html opened from disk.
//
// Usage: node almanac_test.mjs --page build/web --node build/node [--shots DIR]

import path from 'node:path';
import {pathToFileURL} from 'node:url';

import {check, launch, open, options, run, session} from './helpers.mjs';

const given = options();
const DAY = 'site=12&at=2026-09-02T20:00&dir=east';

// The panel as a screen reader meets it: whether it is open, its name, its
// heading, and each table's caption, column headers and rows (row header first).
const panel = (tab) => tab.evaluate(() => {
  const dialog = document.getElementById('almanac');
  return {
    open: dialog.open,
    name: dialog.getAttribute('aria-label'),
    title: document.getElementById('almanac-title').textContent,
    focusInside: dialog.contains(document.activeElement),
    tables: Array.from(dialog.querySelectorAll('table'), (table) => ({
      caption: table.caption.textContent,
      columns: Array.from(table.tHead.rows[0].cells, (cell) => cell.scope + ':' + cell.textContent),
      rows: Array.from(table.tBodies[0].rows, (row) => Array.from(row.cells,
          (cell) => (cell.tagName === 'TH' ? cell.scope + ':' : '') + cell.textContent)),
    })),
  };
});

const focusedName = (tab) => tab.evaluate(() => document.activeElement.getAttribute('aria-label'));

async function violations(tab) {
  await tab.addScriptTag({path: path.resolve(given.node, 'node_modules/axe-core/axe.min.js')});
  const results = await tab.evaluate(() => window.axe.run('#almanac', {
    runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice']},
  }));
  return results.violations.map((violation) => `${violation.id}: ${violation.help}`);
}

function checkTables(shown) {
  check(shown.open && shown.name === '暦', `the panel: ${JSON.stringify(shown)}`);
  check(shown.title === '東京（北緯 35.65°、東経 139.75°） 2026年9月2日（日本標準時）',
      `its title: ${shown.title}`);
  const [bodies, facts] = shown.tables;
  check(bodies.caption === '天体の出・南中・入' && bodies.columns.join() ===
      'col:天体,col:出,col:出の方位,col:南中,col:南中高度,col:入,col:入の方位',
  `the bodies' table: ${bodies.caption} ${bodies.columns}`);
  check(bodies.rows.map((row) => row[0]).join() ===
      'row:太陽,row:月,row:金星,row:火星,row:木星,row:土星', `its rows: ${bodies.rows}`);
  check(/^\d\d:\d\d$/.test(bodies.rows[0][1]) && /^\d+\.\d（.+）$/.test(bodies.rows[0][2]),
      `the Sun's rising: ${bodies.rows[0]}`);
  check(facts.rows.length === 5 && facts.rows[2].join() === 'row:月相,満月から下弦へ',
      `the Moon and Venus: ${facts.rows}`);
}

run({
  'Tab, Enter, the tables, axe, Escape': () => session(given, async (server, browser) => {
    const tab = await open(browser, server.url(DAY));
    await tab.focus('::-p-aria([name="実際の空"])');
    await tab.keyboard.press('Tab');
    check(await focusedName(tab) === '暦', `Tab after the last option: ${await focusedName(tab)}`);
    await tab.keyboard.press('Enter');
    await tab.waitForFunction(() => document.getElementById('almanac').open);
    const shown = await panel(tab);
    checkTables(shown);
    check(shown.focusInside, 'the focus stays outside the panel');
    if (given.shots) await tab.screenshot({path: path.join(given.shots, 'almanac-page.png')});
    const found = await violations(tab);
    check(found.length === 0, `axe:\n    ${found.join('\n    ')}`);
    await tab.keyboard.press('Escape');
    check(!(await panel(tab)).open, 'Escape leaves the panel open');
    check(await focusedName(tab) === '暦', `the focus after Escape: ${await focusedName(tab)}`);

    await tab.keyboard.press('Enter');
    await tab.waitForFunction(() => document.getElementById('almanac').open);
    await tab.click('::-p-aria([name="閉じる"][role="button"])');
    check(!(await panel(tab)).open, '閉じる leaves the panel open');
  }),

  'planetarium.html from disk shows the panel': async () => {
    const browser = await launch(given);
    try {
      const file = pathToFileURL(path.resolve(given.page, 'planetarium.html')).href;
      const tab = await open(browser, `${file}?${DAY}`);
      await tab.click('::-p-aria([name="暦"][role="button"])');
      await tab.waitForFunction(() => document.getElementById('almanac').open);
      checkTables(await panel(tab));
    } finally {
      await browser.close();
    }
  },
});
