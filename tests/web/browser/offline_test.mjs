// The page without a network: served once from a folder of a host, it opens
// again with the server gone; a new build replaces the cache of the last, the
// page offers to reload into it, and a build half uploaded keeps none of its
// files until they have all arrived; planetarium.html, opened from disk, works
// and keeps its start file.
//
// Usage: node offline_test.mjs --page build/web --node build/node --source REPOSITORY

import {execFileSync} from 'node:child_process';
import {appendFileSync, copyFileSync, cpSync, mkdtempSync, readFileSync, renameSync, rmSync}
  from 'node:fs';
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

// The next build of the page in `folder`, made beside it: its planetarium.js
// marks the window as the next build's. Returns its folder and its cache's name.
function nextBuild(folder) {
  const next = `${folder}.next`;
  cpSync(folder, next, {recursive: true});
  appendFileSync(path.join(next, 'planetarium.js'), '\nvar nextBuild = true;\n');
  execFileSync('python3', [path.join(given.source, 'web/offline_files.py'),
    path.join(given.source, 'web'), path.join(given.source, 'dist/icons'), next]);
  const worker = readFileSync(path.join(next, 'service-worker.js'), 'utf8');
  return {next, cache: worker.match(/const CACHE = '([^']+)'/)[1]};
}

// Looks for a new service worker, as the browser does at a visit, and returns
// the state it ends in: 'activated', or 'redundant' when its install failed.
const update = (tab) => tab.evaluate(async () => {
  const registration = await navigator.serviceWorker.ready;
  const found = new Promise((resolve) => registration.addEventListener('updatefound',
      () => resolve(registration.installing), {once: true}));
  await registration.update();
  const worker = await found;
  return new Promise((resolve) => {
    const settled = () => ['activated', 'redundant'].includes(worker.state) && resolve(worker.state);
    worker.addEventListener('statechange', settled);
    settled();
  });
});

// The text of planetarium.js in a cache, or null.
const cachedScript = (tab, name) => tab.evaluate((name) => window.caches.match(
    new URL('planetarium.js', window.location.href).href, {cacheName: name})
    .then((answer) => answer ? answer.text() : null), name);

const isNextBuild = (tab) => tab.evaluate(() => window.nextBuild === true);

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

  'a new build takes over and the page offers to reload into it': () =>
    hosted(async (server, browser, folder) => {
      const tab = await open(browser, `http://127.0.0.1:${server.port}/${FOLDER}/`);
      await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
      const notice = () => tab.$eval('#update', (element) => element.textContent);
      check(await notice() === '', `the first visit shows '${await notice()}'`);
      const {next, cache} = nextBuild(folder);
      cpSync(next, folder, {recursive: true});
      check(await update(tab) === 'activated', 'the new build\'s worker is not installed');
      await tab.waitForFunction(() => document.getElementById('update').textContent !== '');
      check(await notice() === '新しい版になりました。再読み込み', `the foot shows '${await notice()}'`);
      await tab.focus('#update button');
      await Promise.all([tab.waitForNavigation(), tab.keyboard.press('Enter')]);
      check(await isNextBuild(tab), 'reloaded, the page is still the old build');
      check((await caches(tab)).join() === cache, `the caches are ${await caches(tab)}`);
      await server.stop();
      await tab.reload();
      check(await isNextBuild(tab), 'offline, the page is the old build');
    }),

  'a half-uploaded build keeps nothing until its files arrive': () =>
    hosted(async (server, browser, folder) => {
      const url = `http://127.0.0.1:${server.port}/${FOLDER}/?${QUERY}`;
      const tab = await open(browser, url);
      const online = await operationsAndAddress(tab);
      const [old] = await caches(tab);
      const oldScript = await cachedScript(tab, old);
      const {next, cache} = nextBuild(folder);
      copyFileSync(path.join(next, 'service-worker.js'), path.join(folder, 'service-worker.js'));
      check(await update(tab) === 'redundant', 'the new worker is installed with old files');
      check((await caches(tab)).join() === old, `the caches are ${await caches(tab)}`);
      check(await cachedScript(tab, old) === oldScript, 'the old cache has changed');
      // With the host's folder gone, the page is the old build from its cache.
      renameSync(folder, `${folder}.away`);
      await tab.reload();
      check((await operationsAndAddress(tab)).operations === online.operations,
          'the page opened from the old cache draws otherwise');
      check(!(await isNextBuild(tab)), 'the page is a build it does not have');
      renameSync(`${folder}.away`, folder);

      cpSync(next, folder, {recursive: true});
      check(await update(tab) === 'activated', 'the new build\'s worker is not installed');
      check((await caches(tab)).join() === cache, `the caches are ${await caches(tab)}`);
      check((await cachedScript(tab, cache)).endsWith('var nextBuild = true;\n'),
          'the new cache does not hold the new planetarium.js');
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
