// Keeps the site's own files, listed when the site was built, so that the page opens and
// works without a network after the first visit. Nothing else is fetched or kept.
declare const SITE_FILES: string[];
declare const SITE_VERSION: string;
const worker = self as unknown as ServiceWorkerGlobalScope;

worker.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(SITE_VERSION)
      .then((cache) => cache.addAll(SITE_FILES))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names.filter((name) => name !== SITE_VERSION).map((name) => caches.delete(name)),
        ),
      )
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== worker.location.origin) {
    return;
  }
  event.respondWith(
    caches.open(SITE_VERSION).then(async (cache) => {
      // Every address of the page is the page: its answers live in the browser, not the URL.
      const kept = await cache.match(request.mode === "navigate" ? "./" : request, {
        ignoreSearch: request.mode === "navigate",
      });
      return kept ?? fetch(request);
    }),
  );
});
