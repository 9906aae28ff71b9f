// The app as it is delivered: kept by the browser after one visit and opened
// without its server, a new build offered in the page and never forced on the
// open site, the help bundled with it (F1 in the loop editor, from disk too),
// and the manifest that makes it installable, every address relative.
import type { Page } from '@playwright/test';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { writeServiceWorker } from '../scripts/offline.mjs';
import { serve } from '../scripts/serve.mjs';
import { appDir, expect, fileUrl, mainWindowReady, menu, screenshot, test } from './support.js';

// The help window shows `anchor`, its heading at the top.
async function expectHelpAt(page: Page, anchor: string, heading: string) {
  const frame = page.getByRole('dialog', { name: 'Harvex Ferrolux Help' }).locator('iframe');
  await expect(frame.contentFrame().getByRole('heading', { name: heading })).toBeInViewport();
  expect((await (await frame.elementHandle())!.contentFrame())!.url()).toMatch(new RegExp(`/help/index\\.html#${anchor}$`));
}

test('after one visit the app opens without its server; a new build is offered, never forced on the open site', async ({ page, context }) => {
  // A copy of the build on a server of the test's own, at one address throughout (a service worker is its origin's).
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrolux-offline-'));
  fs.cpSync(appDir, folder, { recursive: true });
  let { server, url } = await serve(folder, 0);
  const stop = () => new Promise((resolve) => {
    server.closeAllConnections();
    server.close(resolve);
  });
  try {
    await page.goto(url);
    await mainWindowReady(page);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => undefined));
    await stop();

    await page.reload();
    await mainWindowReady(page);
    await menu(page, 'File', 'Northgate Offices');
    const name = page.getByRole('textbox', { name: 'Site Name:' });
    await expect(name).toHaveValue('Northgate Offices');
    await menu(page, 'Help', 'Glossary of Terms...');
    await expectHelpAt(page, 'topic-37', 'Glossary of terms');
    await page.getByRole('button', { name: 'Close' }).click();

    // The next build, at the same address; the page looks for it once back online.
    fs.appendFileSync(path.join(folder, 'app.css'), '\n/* the next build */\n');
    await writeServiceWorker(folder);
    ({ server } = await serve(folder, Number(new URL(url).port)));
    await context.setOffline(true);
    await context.setOffline(false);
    const ready = page.getByRole('status').filter({ hasText: 'A new version of Harvex Ferrolux is ready.' });
    await expect(ready).toBeVisible();
    await expect(name).toHaveValue('Northgate Offices');
    await screenshot(page, 'new-version-1366');

    // Reload now on a changed site asks first; staying keeps the change.
    await name.fill('Northgate Offices West');
    const asked = new Promise<string>((resolve) => page.once('dialog', (dialog) => {
      void dialog.dismiss().then(() => resolve(dialog.type()));
    }));
    await ready.getByRole('button', { name: 'Reload now' }).click();
    expect(await asked).toBe('beforeunload');
    await expect(name).toHaveValue('Northgate Offices West');
  } finally {
    await stop();
    fs.rmSync(folder, { recursive: true, force: true });
  }
});

test('F1 in the loop editor opens its help topic, from disk as from a server; Esc closes the help', async ({ page }) => {
  await page.goto(fileUrl());
  await mainWindowReady(page);
  await menu(page, 'File', 'Northgate Offices');
  await page.getByRole('button', { name: 'Details of loop 1' }).click();
  const editor = page.getByRole('dialog', { name: /^Loop 1/ });
  await expect(editor.getByRole('textbox', { name: 'Loop Name' })).toBeFocused();
  await page.keyboard.press('F1');
  await expectHelpAt(page, 'topic-3', 'The loop editor');
  await screenshot(page, 'help-1366');
  await page.keyboard.press('Escape');
  await expect(page.getByRole('dialog', { name: 'Harvex Ferrolux Help' })).toBeHidden();
  await expect(editor.getByRole('textbox', { name: 'Loop Name' })).toBeFocused();

  // The Help menu's about box, closed by Enter on its OK.
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
  await menu(page, 'Help', 'About Ferrolux...');
  const about = page.getByRole('dialog', { name: 'About Ferrolux' });
  await expect(about.getByRole('button', { name: 'OK' })).toBeFocused();
  await screenshot(page, 'about-1366');
  await page.keyboard.press('Enter');
  await expect(about).toBeHidden();
});

test('the manifest is linked and whole: Chromium finds the app installable, the icons at their sizes', async ({ app }) => {
  const cdp = await app.context().newCDPSession(app);
  const manifest = await cdp.send('Page.getAppManifest');
  expect(manifest.errors).toEqual([]);
  // But that the test's browser context is a private one.
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  expect(installabilityErrors.filter((error) => error.errorId !== 'in-incognito')).toEqual([]);
  const { start_url, scope, icons } = JSON.parse(manifest.data!);
  for (const icon of icons) {
    const response = await app.request.get(new URL(icon.src, manifest.url).href);
    expect(response.ok(), icon.src).toBe(true);
    const png = await response.body();
    if (icon.type === 'image/png') expect(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`).toBe(icon.sizes);
  }
  // Every address relative, so that the app runs in any folder of any host.
  const addresses = [start_url, scope, ...icons.map((icon: { src: string }) => icon.src),
    ...[...fs.readFileSync(path.join(appDir, 'index.html'), 'utf8').matchAll(/(?:href|src)="([^"]*)"/g)].map((found) => found[1])];
  expect(addresses.filter((address) => /^(\/|[a-z]+:)/.test(address))).toEqual([]);
});
