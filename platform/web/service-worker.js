// Keeps every file of the page, so that the game starts and plays without a network. The build
// writes the list and a version taken from the files' contents: a new build is a new cache.
'use strict';
const version = '@VERSION@';
const files = [@FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(version).then((cache) => cache.addAll(files))
                    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
                    .then((names) => Promise.all(names.filter((name) => name !== version)
                                                   .map((name) => caches.delete(name))))
                    .then(() => self.clients.claim()));
});

// The cache first: these files change only with a new build, which brings a new worker.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(version)
                      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
                      .then((kept) => kept || fetch(event.request)));
});
