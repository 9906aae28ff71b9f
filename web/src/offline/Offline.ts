// The app offline and up to date, over http(s) only (a browser refuses a
// service worker to a page from disk): sw.js keeps the app's files; a new
// build served is told in the page, and taken on only when the user reloads,
// through the page's question before a changed site is left.
import './offline.css';
import { html, render } from 'lit';

const hourly = 60 * 60 * 1000;

export function keepOffline(): void {
  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  navigator.serviceWorker.register('sw.js').then(watch, (error: unknown) => console.warn('No offline copy:', error));
}

function watch(registration: ServiceWorkerRegistration): void {
  // A first install is no new version: the page is then no worker's yet.
  const tell = () => {
    if (registration.waiting && navigator.serviceWorker.controller) showReady(registration);
  };
  const follow = (next: ServiceWorker | null) =>
    next?.addEventListener('statechange', () => { if (next.state === 'installed') tell(); });
  tell();
  follow(registration.installing);
  registration.addEventListener('updatefound', () => follow(registration.installing));
  // Besides the browser's own look on each visit: back online, back on screen, and every hour.
  const check = () => void registration.update().catch(() => {});
  window.addEventListener('online', check);
  document.addEventListener('visibilitychange', () => { if (document.visibilityState === 'visible') check(); });
  setInterval(check, hourly);
}

let banner: HTMLElement | null = null;

function showReady(registration: ServiceWorkerRegistration): void {
  if (!banner) {
    banner = document.createElement('div');
    banner.className = 'update-ready card';
    banner.setAttribute('role', 'status');
    document.body.append(banner);
  }
  const dismiss = () => {
    banner?.remove();
    banner = null;
  };
  render(html`<span>A new version of Harvex Ferrolux is ready.</span>
    <button type="button" class="primary" @click=${() => reloadNow(registration)}>Reload now</button>
    <button type="button" @click=${dismiss}>Later</button>`, banner);
}

// The new build takes over, then the page reloads; a changed site asks first
// (the page's beforeunload), and staying keeps it as it is.
function reloadNow(registration: ServiceWorkerRegistration): void {
  const waiting = registration.waiting;
  if (!waiting) {
    location.reload();
    return;
  }
  navigator.serviceWorker.addEventListener('controllerchange', () => location.reload(), { once: true });
  waiting.postMessage('take-over');
}
