// Keeps the whole lesson in the browser from the first visit on, so that it
// opens without the network: every file of the build is cached when the
// worker installs, and asked for from the cache. A new build comes with a
// new worker (its name and list below change), whose cache replaces the old
// one whole.
'use strict';
const FILES = ['@FILES@'];
const PREFIX = 'linear-function-lesson ' + self.registration.scope + ' ';
const CACHE = PREFIX + '@BUILD@';

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((f) => new Request(f, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith(PREFIX) && k !== CACHE)
      .map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
