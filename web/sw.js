// Keeps the whole site, so that it opens and works offline after the first visit, one
// version at a time: the files of a version are fetched fresh, kept together under its
// name, and a page that started on a version is served that version's files until it is
// reloaded, even once a newer version has come.
const VERSION = "@VERSION@";
const CACHE_PREFIX = "morvane101-";
// Each file of this version, with the digest of its bytes: a response that is not those
// bytes (a newer deploy racing this install) fails the install, and the version before
// stays in service.
const SITE = [
  @FILES@,
];
// The version before the newest stays for the pages still open on it.
const VERSIONS_KEPT = 2;

// A file is taken from the browser's own cache when that holds this version's bytes (the
// page has just fetched them on a first visit), else from the network: each file comes
// down once.
const fetchVerified = (url, integrity, cache) =>
  fetch(url, { cache, integrity }).then((response) => {
    if (!response.ok) throw new TypeError(`${url}: ${response.status}`);
    return response;
  });
const keep = (store, [url, integrity]) =>
  fetchVerified(url, integrity, "force-cache")
    .catch(() => fetchVerified(url, integrity, "reload"))
    .then((response) => store.put(url, response));

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE_PREFIX + VERSION).then((cache) =>
    Promise.all(SITE.map((file) => keep(cache, file)))));
  self.skipWaiting();
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => {
        // Oldest first, as they were made.
        const older = names.filter((name) => name.startsWith(CACHE_PREFIX) && name !== CACHE_PREFIX + VERSION);
        const stale = older.slice(0, Math.max(0, older.length - (VERSIONS_KEPT - 1)));
        return Promise.all(stale.map((name) => caches.delete(name)));
      })
      .then(() => self.clients.claim()),
  );
});

// A request names its page's version (?v=...); whatever names none is of the newest. A
// navigation, whatever its address says, is the one page of the site at its newest: a link
// with ?v= neither breaks the page nor brings back an older one. A version no longer kept is
// not mixed with another: its requests fail.
self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  if (url.origin !== location.origin) return;
  const navigation = event.request.mode === "navigate";
  const version = navigation ? VERSION : url.searchParams.get("v") ?? VERSION;
  const kept = navigation ? new URL("./", location).href : url.href;
  event.respondWith(
    caches.match(kept, { cacheName: CACHE_PREFIX + version })
      .then((response) => response ?? (version === VERSION ? fetch(event.request) : Response.error())),
  );
});
