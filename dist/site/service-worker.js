// Keeps the board's site for use with no network. Each release keeps its
// files in a cache of its own, named after a hash of all of them; the name
// stands in this script, so a new release is a new script. The browser
// installs it beside the old one and lets it take over only once no page of
// the old one is open: a page never mixes the files of two releases.
var RELEASE = 'parallel-board-3687a1ef5de79253';
var FILES = ['index.html', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png', 'apple-touch-icon.png'];

self.addEventListener('install', function (event) {
  // Fresh from the server: a host's HTTP cache may still hold the last release.
  event.waitUntil(caches.open(RELEASE).then(function (cache) {
    return cache.addAll(FILES.map(function (file) { return new Request(file, {cache: 'reload'}); }));
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.indexOf('parallel-board-') === 0 && name !== RELEASE;
    }).map(function (name) { return caches.delete(name); }));
  }));
});

// From the cache first; the site's folder itself is its index.html. What the
// cache does not hold goes to the network as usual.
self.addEventListener('fetch', function (event) {
  if (event.request.method !== 'GET') return;
  var url = event.request.url.split('#')[0].split('?')[0];
  if (url === self.registration.scope) url += 'index.html';
  event.respondWith(caches.open(RELEASE).then(function (cache) {
    return cache.match(url);
  }).then(function (kept) {
    if (!kept) return fetch(event.request);
    // A page must not be answered with a redirect the host once made.
    return kept.redirected ? new Response(kept.body, {status: kept.status, headers: kept.headers}) : kept;
  }));
});
