// The site's service worker: keeps every file of one build in a cache of its own, named after
// their contents, and answers from it first, so that after the first visit the collection plays
// without a network. A new build comes with a new name: it is cached whole as it installs, and
// once it is active the caches of earlier builds at this address are deleted.
// make_site.py fills in the build's name and files.

const BUILD = '{{BUILD}}';
const FILES = {{FILES}};
// Caches are per origin: the scope tells this collection's from others' on the same host, and
// from another copy of it in another folder.
const PREFIX = `minigames ${self.registration.scope} `;
const CACHE = PREFIX + BUILD;

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

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, {ignoreSearch: true}))
    .then((hit) => hit || fetch(event.request)));
});
