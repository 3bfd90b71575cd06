// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page offline: every file is kept at the first visit; later the network is asked first, so
// that a new version shows at once, and the kept file answers when there is no network. A version's
// files are kept once, when its worker installs: keeping each answer again would write the whole
// site to the cache on every visit.
'use strict';

const CACHE = 'octaval-@PROJECT_VERSION@';
const FILES = ['./', 'index.html', 'octaval.js', 'octaval.css', 'octaval.wasm'];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((keys) => Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key))))
        .then(() => self.registration.navigationPreload && self.registration.navigationPreload.enable())
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    // A page's request is on its way while the worker starts: no wait for the worker first.
    const answer = event.preloadResponse
        ? event.preloadResponse.then((preloaded) => preloaded || fetch(event.request))
        : fetch(event.request);
    event.respondWith(answer
        .catch(() => caches.match(event.request, { ignoreSearch: true })
            .then((kept) => kept || Response.error())));
});
