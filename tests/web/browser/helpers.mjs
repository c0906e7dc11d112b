// What the page's browser tests share: their arguments, a static server for
// the built page that can be stopped and started again, headless Chromium
// driven through puppeteer-core, and a way to wait for the page's drawings.

import {createRequire} from 'node:module';
import {existsSync, mkdtempSync, readFileSync, rmSync, statSync} from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import {parseArgs} from 'node:util';

export const WINDOW = {width: 1040, height: 640};  // [window pixels] the window's client area
// The sizes the page is tested at: phones both ways, full HD and 4K, and the window's own.
export const SIZES = [
  {width: 390, height: 844},
  {width: 844, height: 390},
  {width: 1920, height: 1080},
  {width: 3840, height: 2160},
  {width: 1040, height: 640},
];
export const SKIPPED = 77;  // CTest's status for a test that could not run

// The test's options: --page FOLDER (the built page), --node FOLDER (where
// tests/web/install_node_modules.sh put the npm packages), --shots FOLDER
// (optional: pictures to keep) and --source FOLDER (the repository).
export function options() {
  const {values} = parseArgs({
    options: {
      page: {type: 'string'},
      node: {type: 'string'},
      shots: {type: 'string'},
      source: {type: 'string'},
    },
  });
  if (!values.page || !existsSync(path.join(values.page, 'index.html'))) {
    console.log(`skipped: no page built in ${values.page} (scripts/web.sh --build-only)`);
    process.exit(SKIPPED);
  }
  return values;
}

export function nodePackage(options, name) {
  return createRequire(path.resolve(options.node, 'node_modules', 'index.js'))(name);
}

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

// A static host for a folder on 127.0.0.1; stop() closes it and every open
// connection, start() opens it again on the same port.
export class Server {
  constructor(folder) {
    this.folder = path.resolve(folder);
    this.port = 0;
    this.server = null;
  }

  async start() {
    this.server = http.createServer((request, response) => {
      const wanted = decodeURIComponent(new URL(request.url, 'http://host').pathname);
      let file = path.join(this.folder, wanted);
      if (file.startsWith(this.folder) && existsSync(file) && statSync(file).isDirectory()) {
        file = path.join(file, 'index.html');
      }
      if (!file.startsWith(this.folder) || !existsSync(file)) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(readFileSync(file));
    });
    await new Promise((resolve) => this.server.listen(this.port, '127.0.0.1', resolve));
    this.port = this.server.address().port;
    return this;
  }

  async stop() {
    const closed = new Promise((resolve) => this.server.close(resolve));
    this.server.closeAllConnections();
    await closed;
  }

  url(query = '') {
    return `http://127.0.0.1:${this.port}/index.html${query ? '?' + query : ''}`;
  }
}

// Headless Chromium with a profile of its own, removed when it closes.
export async function launch(options) {
  const puppeteer = nodePackage(options, 'puppeteer-core');
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
  browser.close = async () => {
    await close();
    rmSync(profile, {recursive: true, force: true});
  };
  return browser;
}

// Opens an address in a new tab at a size and waits for the page's start:
// its first chart, or its controls when nothing is drawn.
export async function open(browser, url, size = WINDOW) {
  const tab = await browser.newPage();
  await tab.setViewport({...size, deviceScaleFactor: 1});
  await tab.goto(url);
  await tab.waitForFunction(() => document.querySelectorAll('#window .control').length > 0);
  return tab;
}

// The drawing's operations as the page lists them (an address with `ops`),
// with the address that asks for them, read at one moment.
export async function operationsAndAddress(tab) {
  await tab.waitForFunction(() => document.getElementById('ops').textContent !== '');
  return tab.evaluate(() => ({
    operations: document.getElementById('ops').textContent,
    address: window.location.href,
  }));
}

// Runs the tests of a file, each `name: async function`, and reports.
export async function run(tests) {
  const failures = [];
  for (const [name, test] of Object.entries(tests)) {
    try {
      await test();
      console.log(`ok: ${name}`);
    } catch (error) {
      failures.push(name);
      console.log(`FAILED: ${name}\n  ${error.stack || error}`);
    }
  }
  process.exit(failures.length === 0 ? 0 : 1);
}

export function check(condition, message) {
  if (!condition) throw new Error(message);
}
