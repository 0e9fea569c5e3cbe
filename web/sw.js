"use strict";
// Keeps the game's page, program, content, manifest and icons after the
// first visit, so the flat can be visited with no network and the page can
// go on a home screen. The build writes this file from web/sw.js: the cache
// is named after the build's files, and each file comes with its SHA-256.
//
// A build is kept whole or not at all. The next build's worker puts all of
// its own files into a cache of its own, each checked against the hash the
// build wrote here, before it takes over, and a page's files come from one
// cache only: never the program of one build with the content of another.

// Our caches are named after where the game is served as well, so that
// copies of it at other paths of one site each keep their own.
const OURS = "flatmates " + new URL(self.registration.scope).pathname + " ";
const CACHE = OURS + "@FLATMATES_BUILD@";
const FILES = @FLATMATES_FILES@;

// The hash as a fetch checks it: SHA-256 in base64.
function integrity(hex) {
  return "sha256-" + btoa(String.fromCharCode(...hex.match(/../g).map((byte) => parseInt(byte, 16))));
}

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    try {
      // Fresh from the server, past the browser's own cache; a file of any
      // other build fails its check and nothing is kept.
      await cache.addAll(FILES.map(([file, sha256]) =>
        new Request(file, { cache: "reload", integrity: integrity(sha256) })));
    } catch (error) {
      await caches.delete(CACHE); // the next visit tries again
      throw error;
    }
    await self.skipWaiting();
  })());
});

// Pages take this build before the older caches go, so that a page still
// loading from an older one is moved over (and reloads) instead of finding
// its files gone.
self.addEventListener("activate", (event) => {
  event.waitUntil((async () => {
    await self.clients.claim();
    for (const name of await caches.keys())
      if (name.startsWith(OURS) && name !== CACHE)
        await caches.delete(name);
  })());
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== self.location.origin)
    return;
  // The page is asked for by its folder ("./", the start of a visit from
  // the home screen) as often as by its name.
  const key = url.pathname.endsWith("/") ? new URL("index.html", url).href : request;
  event.respondWith((async () => {
    // This build's cache only, never another's. Once a newer build has
    // deleted it, the network answers, and the page, taken over by the
    // newer build while it loads, loads again.
    const kept = await caches.match(key, { cacheName: CACHE, ignoreSearch: true });
    return kept || fetch(request);
  })());
});
