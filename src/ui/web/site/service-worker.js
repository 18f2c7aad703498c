// The page's service worker: keeps a copy of every file of the site, so that
// once loaded the page starts again without a network. The network is asked
// first, past the browser's HTTP cache (which would keep a file that has no
// expiry date fresh for days), so a new build is seen at once while online;
// each answer refreshes the copy, and without a network the copy answers.
'use strict';

const kCache = 'pastura';
const kSiteFiles = [
  './', 'index.html', 'page.js', 'pastura.css', 'pastura.js', 'pastura.wasm.gz', 'pastura.svg',
  'pastura-192.png', 'pastura-512.png', 'manifest.webmanifest',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kSiteFiles))
                      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

async function answer(request) {
  const cache = await caches.open(kCache);
  try {
    const response = await fetch(request, {cache: 'no-cache'});
    if (response.ok) {
      await cache.put(request, response.clone());
    }
    return response;
  } catch (error) {
    // The address's query (?seed=N) picks nothing of the file.
    const copy = await cache.match(request, {ignoreSearch: true});
    if (copy) {
      return copy;
    }
    throw error;
  }
}

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method === 'GET' && url.origin === self.location.origin) {
    event.respondWith(answer(event.request));
  }
});
