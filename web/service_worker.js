// The page's service worker: it keeps the page's files in a cache named after
// the build (CACHE and FILE_DIGESTS, each file's SHA-256, are written above
// this by web/offline_files.py), answers from that cache first, so that the
// page opens without a network, and drops the caches of other builds once it
// takes over. Every address is relative to the worker's own folder: the page
// works from any folder of any static host.
'use strict';

const PREFIX = 'planetarium-';

// A file of this build, fetched past the browser's HTTP cache (a host that
// sends no caching headers must not hand an old build's file to a new build).
// Refused when its SHA-256 is not the one this build wrote for it: a host half
// way through an upload serves this worker beside files of the build before.
async function fetchOfThisBuild(file) {
  const answer = await fetch(new Request(file, {cache: 'reload'}));
  if (!answer.ok) throw new Error(`${file}: HTTP ${answer.status}`);
  const bytes = await answer.clone().arrayBuffer();
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  const hex = Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
  if (hex !== FILE_DIGESTS[file]) throw new Error(`${file} is not of this build (SHA-256 ${hex})`);
  return answer;
}

// Every file is checked before any is kept; when one fails, the install fails
// and leaves no cache of this build: the worker before stays in charge with
// its own cache, and the browser tries this one again at a later visit.
async function keepFiles() {
  const files = Object.keys(FILE_DIGESTS);
  try {
    const answers = await Promise.all(files.map(fetchOfThisBuild));
    const cache = await caches.open(CACHE);
    await Promise.all(files.map((file, index) => cache.put(file, answers[index])));
  } catch (error) {
    await caches.delete(CACHE);
    throw error;
  }
}

// A new build takes over at once, without waiting for the pages of the old
// one to close: the next reload shows it.
self.addEventListener('install', (event) => {
  event.waitUntil(keepFiles().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
                      .then((names) => Promise.all(names
                          .filter((name) => name.startsWith(PREFIX) && name !== CACHE)
                          .map((name) => caches.delete(name))))
                      .then(() => self.clients.claim()));
});

// The folder itself is its index.html; the query (the sky asked for) is the
// page's own business, not a file of its own.
function cachedAddress(request) {
  const url = new URL(request.url);
  url.search = '';
  url.hash = '';
  if (url.href === self.registration.scope) url.pathname += 'index.html';
  return url.href;
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) return;
  event.respondWith(caches.match(cachedAddress(request), {cacheName: CACHE})
                        .then((cached) => cached || fetch(request)));
});
