// The almanac's panel: "暦", reached by Tab after the display options and
// pressed with Enter, opens the day's tables in a dialog that holds the focus
// and that axe-core finds nothing in; Escape or "閉じる" closes it, the focus
// back on the button. The same from planetarium.html opened from disk.
//
// Usage: node almanac_test.mjs --page build/web --node build/node [--shots DIR]

import path from 'node:path';
import {pathToFileURL} from 'node:url';

import {check, launch, open, options, run, session} from './helpers.mjs';

const given = options();
const DAY = 'site=12&at=2026-09-02T20:00&dir=east';

// The panel as a screen reader meets it: each table's caption, then its rows,
// header cells marked with their scope.
const panel = (tab) => tab.evaluate(() => {
  const dialog = document.getElementById('almanac');
  return {open: dialog.open, name: dialog.getAttribute('aria-label'),
    focusInside: dialog.contains(document.activeElement),
    title: document.getElementById('almanac-title').textContent,
    tables: Array.from(dialog.querySelectorAll('table'), (table) => [table.caption.textContent,
      ...Array.from(table.rows, (row) => Array.from(row.cells, (cell) =>
        (cell.tagName === 'TH' ? cell.scope + ':' : '') + cell.textContent).join(' '))])};
});
const focusedName = (tab) => tab.evaluate(() => document.activeElement.getAttribute('aria-label'));
const opened = (tab) => tab.waitForFunction(() => document.getElementById('almanac').open);

function checkTables(shown) {
  const [bodies, facts] = shown.tables;
  check(shown.open && shown.name === '暦' && shown.focusInside &&
      shown.title === '東京（北緯 35.65°、東経 139.75°） 2026年9月2日（日本標準時）' &&
      bodies.length === 8 && facts.length === 7, `the panel: ${JSON.stringify(shown)}`);
  check(bodies[1] === 'col:天体 col:出 col:出の方位 col:南中 col:南中高度 col:入 col:入の方位' &&
      /^row:太陽 \d\d:\d\d \d+\.\d（東） /.test(bodies[2]) && bodies[7].startsWith('row:土星 ') &&
      facts[4] === 'row:月相 満月から下弦へ', `the tables: ${JSON.stringify(shown.tables)}`);
}

run({
  'Tab, Enter, the tables, axe, Escape, 閉じる': () => session(given, async (server, browser) => {
    const tab = await open(browser, server.url(DAY));
    await tab.focus('::-p-aria([name="実際の空"])');
    await tab.keyboard.press('Tab');
    check(await focusedName(tab) === '暦', `Tab after the last option: ${await focusedName(tab)}`);
    await tab.keyboard.press('Enter');
    await opened(tab);
    checkTables(await panel(tab));
    if (given.shots) await tab.screenshot({path: path.join(given.shots, 'almanac-page.png')});
    await tab.addScriptTag({path: path.resolve(given.node, 'node_modules/axe-core/axe.min.js')});
    const found = await tab.evaluate(async () => (await window.axe.run('#almanac', {runOnly:
        {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice']}}))
        .violations.map((violation) => `${violation.id}: ${violation.help}`));
    check(found.length === 0, `axe:\n    ${found.join('\n    ')}`);
    await tab.keyboard.press('Escape');
    check(!(await panel(tab)).open && await focusedName(tab) === '暦', 'Escape');
    await tab.keyboard.press('Enter');
    await opened(tab);
    await tab.click('::-p-aria([name="閉じる"][role="button"])');
    check(!(await panel(tab)).open, '閉じる leaves the panel open');
  }),

  'planetarium.html from disk shows the panel': async () => {
    const browser = await launch(given);
    try {
      const file = pathToFileURL(path.resolve(given.page, 'planetarium.html')).href;
      const tab = await open(browser, `${file}?${DAY}`);
      await tab.click('::-p-aria([name="暦"][role="button"])');
      await opened(tab);
      checkTables(await panel(tab));
    } finally {
      await browser.close();
    }
  },
});
