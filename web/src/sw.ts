// The service worker: keeps the app's own files in the browser, so that the
// app opens without a network after its first visit. The build writes the
// files' list and a digest of them into this script, so each build is a new
// script: the browser installs it beside the one at work, and it takes over
// only when the page asks (the user chose to reload), never by itself.
declare const FERROLUX_BUILD: string;
declare const FERROLUX_FILES: string[];

interface LifecycleEvent extends Event {
  waitUntil(done: Promise<unknown>): void;
}
interface FetchingEvent extends LifecycleEvent {
  readonly request: Request;
  respondWith(response: Promise<Response>): void;
}
const worker = self as unknown as {
  location: Location;
  skipWaiting(): Promise<void>;
  addEventListener(type: 'install' | 'activate', listener: (event: LifecycleEvent) => void): void;
  addEventListener(type: 'fetch', listener: (event: FetchingEvent) => void): void;
  addEventListener(type: 'message', listener: (event: MessageEvent) => void): void;
};

const prefix = 'harvex-ferrolux-';
const cacheName = prefix + FERROLUX_BUILD;
// The addresses are relative to this script: the app runs in any folder.
const folder = new URL('./', worker.location.href).href;
const files = FERROLUX_FILES.map((file) => new URL(file, folder).href);

worker.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName)
    .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'reload' })))));
});

// The earlier builds' files go once this build is at work.
worker.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) =>
    Promise.all(names.filter((name) => name.startsWith(prefix) && name !== cacheName).map((name) => caches.delete(name)))));
});

worker.addEventListener('message', (event) => {
  if (event.data === 'take-over') void worker.skipWaiting();
});

// The app's files from the kept ones (the folder's own address is its
// index.html); anything else from the network as ever.
worker.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const address = new URL(event.request.url);
  address.hash = '';
  const file = address.href === folder ? folder + 'index.html' : address.href;
  if (!files.includes(file)) return;
  event.respondWith(caches.open(cacheName).then((cache) => cache.match(file))
    .then((kept) => kept ?? fetch(event.request)));
});
