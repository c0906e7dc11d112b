// What the page's browser tests share: their arguments, a static host for the
// built page, headless Chromium driven through puppeteer-core, and the page's
// operations as it lists them.

import {createRequire} from 'node:module';
import {existsSync, mkdtempSync, readFileSync, rmSync, statSync} from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import {parseArgs} from 'node:util';

export const WINDOW = {width: 1040, height: 640};  // [window pixels] the window's client area
// The sizes the page is tested at: phones both ways, full HD, 4K and the window's own.
export const SIZES = [{width: 390, height: 844}, {width: 844, height: 390},
  {width: 1920, height: 1080}, {width: 3840, height: 2160}, WINDOW];
// An upright phone as pupils hold it: its pixels three to a CSS pixel, touch.
export const PHONE = {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true,
  hasTouch: true};
// [CSS pixels] viewports narrower than this get the narrow layout: the chart
// across the width, the controls at a finger's size beneath it.
export const NARROW_WIDTH = 600;

// --page FOLDER (the built page), --node FOLDER (where install_node_modules.sh
// put the npm packages), --source FOLDER (the repository), --shots FOLDER
// (optional: pictures to keep). Exit status 77 (skipped) without a built page.
export function options() {
  const names = ['page', 'node', 'source', 'shots'];
  const {values} = parseArgs({options: Object.fromEntries(names.map((name) =>
    [name, {type: 'string'}]))});
  if (!values.page || !existsSync(path.join(values.page, 'index.html'))) {
    console.log(`skipped: no page built in ${values.page} (scripts/web.sh --build-only)`);
    process.exit(77);
  }
  return values;
}

const TYPES = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml', '.png': 'image/png'};

// A static host of a folder on 127.0.0.1: a folder's address is its index.html.
async function serve(folder) {
  const server = http.createServer((request, response) => {
    let file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://h').pathname));
    if (existsSync(file) && statSync(file).isDirectory()) file = path.join(file, 'index.html');
    if (!existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {'Content-Type': TYPES[path.extname(file)]});
    response.end(readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const port = server.address().port;
  return {
    port,
    url: (query = '') => `http://127.0.0.1:${port}/index.html${query ? '?' + query : ''}`,
    // Closes the host and every connection still open.
    stop: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}

// Headless Chromium with a profile of its own, removed when it closes.
export async function launch(options) {
  const puppeteer = createRequire(path.resolve(options.node, 'node_modules', 'index.js'))(
      'puppeteer-core');
  const profile = mkdtempSync(path.join(os.tmpdir(), 'planetarium-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-dev-shm-usage'],
  });
  const close = browser.close.bind(browser);
  browser.close = () => close().finally(() => rmSync(profile, {recursive: true, force: true}));
  return browser;
}

// Runs `body(server, browser)` with `folder` served and a browser, then
// closes both.
export async function session(options, body, folder = options.page) {
  const server = await serve(path.resolve(folder));
  const browser = await launch(options);
  try {
    await body(server, browser);
  } finally {
    await browser.close();
    await server.stop();
  }
}

// Opens an address in a new tab at a size, once the page has made its controls.
export async function open(browser, url, size = WINDOW) {
  const tab = await browser.newPage();
  await tab.setViewport({...size, deviceScaleFactor: 1});
  await tab.goto(url);
  await tab.waitForFunction(() => document.querySelectorAll('#window .control').length > 0);
  return tab;
}

// The drawing's operations as the page lists them (an address with `ops`),
// and the address, read at one moment.
export async function operationsAndAddress(tab) {
  await tab.waitForFunction(() => document.getElementById('ops').textContent !== '');
  return tab.evaluate(() => ({
    operations: document.getElementById('ops').textContent,
    address: window.location.href,
  }));
}

// Where Sirius's disc (the one before its name in the operations of an
// address with `ops` and `names`) is on the screen [CSS pixels], its radius
// [window pixels], and the chart's box; the operations shown once they differ
// from `before`.
export async function siriusOnScreen(tab, before = '') {
  await tab.waitForFunction((old) => {
    const shown = document.getElementById('ops').textContent;
    return shown !== '' && shown !== old;
  }, {}, before);
  const {operations} = await operationsAndAddress(tab);
  const lines = operations.split('\n');
  const disc = lines.slice(0, lines.findIndex((line) => line.endsWith(' ｼﾘｳｽ'))).reverse()
      .find((line) => line.startsWith('circle ')).split(' ').slice(1, 4).map(Number);
  return tab.$eval('#chart', (canvas, [x, y, radius], shown) => {
    const box = canvas.getBoundingClientRect();
    return {x: box.left + x / 15 * box.width / 1040, y: box.top + y / 15 * box.height / 640,
      radius: radius / 15, chart: box.toJSON(), operations: shown};
  }, disc, operations);
}

// Runs the tests of a file, each `name: async function`, and reports them.
export async function run(tests) {
  let failed = 0;
  for (const [name, test] of Object.entries(tests)) {
    try {
      await test();
      console.log(`ok: ${name}`);
    } catch (error) {
      failed += 1;
      console.log(`FAILED: ${name}\n  ${error.stack || error}`);
    }
  }
  process.exit(failed === 0 ? 0 : 1);
}

export function check(condition, message) {
  if (!condition) throw new Error(message);
}
