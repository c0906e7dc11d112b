// The page's service worker: it keeps the page's files in a cache named after
// the build (CACHE and FILES are written above this by web/offline_files.py),
// answers from that cache first, so that the page opens without a network,
// and drops the caches of other builds once it takes over. Every address is
// relative to the worker's own folder: the page works from any folder of any
// static host.
'use strict';

const PREFIX = 'planetarium-';

// The files are fetched past the browser's HTTP cache: a host that sends no
// caching headers must not let a new build's cache keep an old build's files.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
                      .then((cache) => cache.addAll(FILES.map((file) => new Request(file, {cache: 'reload'}))))
                      .then(() => self.skipWaiting()));
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
  event.respondWith(caches.open(CACHE)
                        .then((cache) => cache.match(cachedAddress(request)))
                        .then((cached) => cached || fetch(request)));
});
