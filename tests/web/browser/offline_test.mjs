// The page without a network: served once, it opens again with the server
// gone, from any folder; a new build replaces the cache of the last; and
// planetarium.html, opened from disk, keeps its start file.
//
// Usage: node offline_test.mjs --page build/web --node build/node --source REPOSITORY

import {execFileSync} from 'node:child_process';
import {appendFileSync, cpSync, mkdtempSync, rmSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

import {check, launch, open, operationsAndAddress, options, run, Server} from './helpers.mjs';

const given = options();
const QUERY = 'site=12&at=2006-01-15T20:00&dir=east&names&grid&ops';

// The built page copied into a folder of its own, below another folder, as
// a teacher's host would have it.
function copyOfPage() {
  const root = mkdtempSync(path.join(os.tmpdir(), 'planetarium-host-'));
  const folder = path.join(root, 'astronomy', 'sky');
  cpSync(given.page, folder, {recursive: true});
  return {root, folder};
}

// Waits until the page's service worker is active and has cached the files.
async function cached(tab) {
  return tab.evaluate(async () => {
    await navigator.serviceWorker.ready;
    return caches.keys();
  });
}

async function withHost(body) {
  const host = copyOfPage();
  const server = await new Server(host.root).start();
  const browser = await launch(given);
  try {
    await body(host, server, browser);
  } finally {
    await browser.close();
    await server.stop().catch(() => {});
    rmSync(host.root, {recursive: true, force: true});
  }
}

run({
  'a reload with the server stopped draws the chart': () =>
    withHost(async (host, server, browser) => {
      const url = `http://127.0.0.1:${server.port}/astronomy/sky/?${QUERY}`;
      const tab = await open(browser, url);
      const online = await operationsAndAddress(tab);
      check((await cached(tab)).length === 1, 'no cache of the page\'s files');
      await server.stop();
      await tab.reload();
      const offline = await operationsAndAddress(tab);
      check(offline.operations === online.operations,
          'the page opened offline draws other operations');
      const other = await open(browser, url.replace(/\?.*/, 'index.html?site=0&ops'));
      const sapporo = await operationsAndAddress(other);
      check(sapporo.operations.includes('print 6950 9100 南'),
          'another sky offline: nothing drawn');
    }),

  'a new build replaces the cache': () => withHost(async (host, server, browser) => {
    const url = `http://127.0.0.1:${server.port}/astronomy/sky/index.html`;
    const tab = await open(browser, url);
    const first = await cached(tab);
    appendFileSync(path.join(host.folder, 'index.html'), '<!-- the next build -->\n');
    execFileSync('python3', [path.join(given.source, 'web/offline_files.py'),
      path.join(given.source, 'web'), path.join(given.source, 'dist/icons'), host.folder]);
    await tab.evaluate(async () => (await navigator.serviceWorker.ready).update());
    await tab.waitForFunction((old) => caches.keys().then((names) =>
      names.length === 1 && names[0] !== old), {}, first[0]);
    await server.stop();
    await tab.reload();
    const html = await tab.evaluate(() => fetch('index.html').then((answer) => answer.text()));
    check(html.includes('the next build'), 'offline, the page is still the old build');
  }),

  'planetarium.html from disk works and keeps its start file': async () => {
    const browser = await launch(given);
    try {
      const file = pathToFileURL(path.resolve(given.page, 'planetarium.html')).href;
      const tab = await open(browser, file + '?' + QUERY);
      const drawn = await operationsAndAddress(tab);
      check(drawn.operations.split('\n').length > 1000, 'planetarium.html draws nothing');
      await tab.select('::-p-aria([name="観測地"])', 'ホノルル');
      await tab.click('::-p-aria([name="終了"][role="button"])');
      await tab.waitForFunction(() => window.localStorage.getItem('pstart.txt') !== null);
      const again = await open(browser, file);
      const site = await again.evaluate(() =>
        document.querySelector('[aria-label="観測地"]').selectedOptions[0].textContent);
      check(site === 'ホノルル', `opened again, the site is ${site}`);
    } finally {
      await browser.close();
    }
  },
});
