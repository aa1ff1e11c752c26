// SPDX-License-Identifier: MIT
// The site's service worker: the page, its manifest and its icons are kept on the first visit and
// served from the cache first, so that the app opens offline. The build writes in the version
// (a hash of every file it keeps) and the files; a new build of any of them is a new cache, and
// the old ones are deleted.
const PREFIX = 'zirev1-';
const CACHE = `${PREFIX}__VERSION__`;
const FILES = __FILES__;

// The calculator keeps no state, so a new build takes over at once, even of open pages.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith(PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// A link's query and fragment (the triangle) name the same page; the fragment never reaches here.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
