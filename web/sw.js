"use strict";
// Keeps the game's page, program, content, manifest and icons after the
// first visit, so the flat can be visited with no network and the page can
// go on a home screen. The build writes this file from web/sw.js: the cache
// is named after the build's files, each file comes with its SHA-256, and
// the page itself is written in whole (its bytes were fetched before this
// worker could see them).
//
// Nothing is downloaded twice. On a first visit the worker takes the page's
// own fetches through itself and keeps each file as it passes, once it has
// checked it against its hash; the page then asks it to keep the rest. When
// a newer build comes to a browser that keeps an older one, its worker puts
// all of its files into a cache of its own, each checked, before it takes
// over, while the page plays on from the old cache.
//
// A build is kept whole or not at all: files are answered from the cache
// only once it holds every one of them (or to the visit that kept them), so
// a page's files come from one whole cache or from the network, never the
// program of one build with the content of another.

// Our caches are named after where the game is served as well, so that
// copies of it at other paths of one site each keep their own.
const SCOPE = self.registration.scope;
const OURS = "flatmates " + new URL(SCOPE).pathname + " ";
const CACHE = OURS + "@FLATMATES_BUILD@";
const FILES = @FLATMATES_FILES@;
const PAGE = @FLATMATES_PAGE@;

// Each kept file's address, and its SHA-256 in hex.
const KEPT = new Map(FILES.map(([file, sha256]) => [new URL(file, SCOPE).href, sha256]));
const PAGE_URL = new URL("index.html", SCOPE).href;

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", bytes));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, "0")).join("");
}

// This build's cache, or null when there is none.
async function ours() {
  return (await caches.has(CACHE)) ? caches.open(CACHE) : null;
}

// This build's cache if it holds every file, else null.
async function whole() {
  const cache = await ours();
  const held = new Set(cache ? (await cache.keys()).map((request) => request.url) : []);
  return [...KEPT.keys()].every((url) => held.has(url)) ? cache : null;
}

// The files kept since this worker started, from the network for the visit
// it serves: asked for again (the browser asks for its icon more than once),
// they are answered from the cache, whole or not.
const keptNow = new Set();

// Puts the file at url in this build's cache if its bytes are the build's.
async function keep(url, response) {
  const bytes = await response.arrayBuffer();
  if ((await sha256(bytes)) !== KEPT.get(url))
    throw new Error(url + " is not this build's");
  const cache = await caches.open(CACHE);
  const type = response.headers.get("Content-Type");
  await cache.put(url, new Response(bytes, { headers: type ? { "Content-Type": type } : {} }));
  keptNow.add(url);
}

// The files on their way to a page: for each, when it is kept.
const passing = new Map();

// Keeps every file not kept yet, once those on their way are: the page from
// this worker, the others from an older build's cache where they have not
// changed, else from the network (fresh, past the browser's own cache, for
// a newer build).
async function keepTheRest(fresh) {
  await Promise.all(passing.values());
  const cache = await caches.open(CACHE);
  for (const url of KEPT.keys()) {
    if (await cache.match(url))
      continue;
    // One an older build kept with the very same bytes is not fetched again.
    const older = await caches.match(url);
    if (older && (await keep(url, older).then(() => true, () => false)))
      continue;
    const response = url === PAGE_URL
      ? new Response(PAGE, { headers: { "Content-Type": "text/html; charset=utf-8" } })
      : await fetch(url, { cache: fresh ? "reload" : "default" });
    if (!response.ok)
      throw new Error(url + ": " + response.status);
    await keep(url, response);
  }
}

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    // A newer build where an older one plays: all of it first, so that the
    // older one plays on until this one is whole.
    if (self.registration.active && !(await whole())) {
      try {
        await keepTheRest(true);
      } catch (error) {
        await caches.delete(CACHE); // the next visit tries again
        throw error;
      }
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

// A page that has loaded asks for the rest to be kept; told once it is.
self.addEventListener("message", (event) => {
  if (event.data !== "keep")
    return;
  event.waitUntil(keepTheRest(false)
    .then(() => event.source.postMessage("kept"))
    .catch(() => {})); // not kept whole: the next visit tries again
});

// A kept file asked for: from this build's cache once it is whole (or the
// file was kept for this visit), never from another's; else from the
// network, kept as it passes. Once a newer build has deleted this cache the
// network answers, and the page, taken over by the newer build while it
// loads, loads again.
async function answer(event, key) {
  const cache = keptNow.has(key) ? await ours() : await whole();
  const kept = cache && (await cache.match(key));
  if (kept)
    return { response: kept };
  const response = await fetch(event.request);
  if (response.status !== 200)
    return { response };
  const keeping = keep(key, response.clone()).catch(() => {}); // not this build's: not kept
  event.waitUntil(keeping);
  return { response, keeping };
}

self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  // The page is asked for by its folder ("./", the start of a visit from
  // the home screen) as often as by its name.
  url.search = "";
  const key = url.pathname.endsWith("/") ? new URL("index.html", url).href : url.href;
  if (event.request.method !== "GET" || !KEPT.has(key))
    return;
  // Asked for again while on its way (the browser asks for its icon more
  // than once), a file waits until it is kept.
  const answered = (passing.get(key) || Promise.resolve()).then(() => answer(event, key));
  passing.set(key, answered.then(({ keeping }) => keeping, () => {}));
  event.respondWith(answered.then(({ response }) => response));
});
