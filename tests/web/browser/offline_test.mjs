// The page without a network: served once from a folder of a host, it opens
// again with the server gone; a new build replaces the cache of the last;
// planetarium.html, opened from disk, works and keeps its start file.
//
// Usage: node offline_test.mjs --page build/web --node build/node --source REPOSITORY

import {execFileSync} from 'node:child_process';
import {appendFileSync, cpSync, mkdtempSync, rmSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

import {check, launch, open, operationsAndAddress, options, run, session} from './helpers.mjs';

const given = options();
const QUERY = 'site=12&at=2006-01-15T20:00&dir=east&names&grid&ops';
const FOLDER = 'astronomy/sky';  // on the host, as a teacher's site might have it

// Runs `body(server, browser, folder)` with a copy of the page on a host of its own.
async function hosted(body) {
  const root = mkdtempSync(path.join(os.tmpdir(), 'planetarium-host-'));
  cpSync(given.page, path.join(root, FOLDER), {recursive: true});
  try {
    await session(given, (server, browser) => body(server, browser, path.join(root, FOLDER)),
        root);
  } finally {
    rmSync(root, {recursive: true, force: true});
  }
}

// The names of the caches, once the page's service worker has taken over.
const caches = (tab) => tab.evaluate(() => navigator.serviceWorker.ready.then(() =>
  window.caches.keys()));

run({
  'a reload with the server stopped draws the chart': () => hosted(async (server, browser) => {
    const url = `http://127.0.0.1:${server.port}/${FOLDER}/?${QUERY}`;
    const tab = await open(browser, url);
    const online = await operationsAndAddress(tab);
    check((await caches(tab)).length === 1, 'the page\'s files are not kept');
    await server.stop();
    await tab.reload();
    check((await operationsAndAddress(tab)).operations === online.operations,
        'the page opened offline draws otherwise');
  }),

  'a new build replaces the cache': () => hosted(async (server, browser, folder) => {
    const tab = await open(browser, `http://127.0.0.1:${server.port}/${FOLDER}/index.html`);
    const [first] = await caches(tab);
    appendFileSync(path.join(folder, 'index.html'), '<!-- the next build -->\n');
    execFileSync('python3', [path.join(given.source, 'web/offline_files.py'),
      path.join(given.source, 'web'), path.join(given.source, 'dist/icons'), folder]);
    await tab.evaluate(() => navigator.serviceWorker.ready.then((worker) => worker.update()));
    await tab.waitForFunction((old) => window.caches.keys().then((names) =>
      names.length === 1 && names[0] !== old), {}, first);
    await server.stop();
    await tab.reload();
    const html = await tab.evaluate(() => fetch('index.html').then((answer) => answer.text()));
    check(html.includes('the next build'), 'offline, the page is still the old build');
  }),

  'planetarium.html from disk works and keeps its start file': async () => {
    const browser = await launch(given);
    try {
      const file = pathToFileURL(path.resolve(given.page, 'planetarium.html')).href;
      const tab = await open(browser, `${file}?${QUERY}`);
      check((await operationsAndAddress(tab)).operations.split('\n').length > 1000,
          'planetarium.html draws nothing');
      await tab.select('::-p-aria([name="観測地"])', 'ホノルル');
      await tab.click('::-p-aria([name="終了"][role="button"])');
      await tab.waitForFunction(() => window.localStorage.getItem('pstart.txt') !== null);
      const site = await (await open(browser, file)).$eval('[aria-label="観測地"]',
          (list) => list.selectedOptions[0].textContent);
      check(site === 'ホノルル', `opened again, the site is ${site}`);
    } finally {
      await browser.close();
    }
  },
});
