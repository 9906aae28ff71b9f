// The main window as a designer drives it: the site name undone through the
// core, the questions before a change is lost, the panel chosen, its speed
// and its looks. (The file tests hold every sample against the native
// calculator.)
import { appUrl, expect, fileUrl, mainWindowReady, menu, messageBox, screenshot, test } from './support.js';
import type { Page } from '@playwright/test';

test('a typed site name is one undo step, undone by Ctrl+Z in the box; a changed site asks before it is lost', async ({ app }) => {
  await menu(app, 'File', 'Northgate Offices');
  const name = app.getByRole('textbox', { name: 'Site Name:' });
  await expect(name).toHaveValue('Northgate Offices');  // opened: the box is not written again under the typing
  await name.fill('');
  await name.pressSequentially('Elm Court ');
  await app.getByRole('button', { name: 'Edit', exact: true }).click();
  await expect(app.getByRole('menuitem', { name: 'Undo Site Name' })).toBeEnabled();
  await app.keyboard.press('Escape');
  await name.press('Control+z');
  await expect(name).toHaveValue('Northgate Offices');
  await name.press('Control+y');
  await expect(name).toHaveValue('Elm Court');

  await menu(app, 'File', 'New');
  await expect(messageBox(app)).toContainText('Configuration data has not been saved.');
  await messageBox(app).getByRole('button', { name: 'Cancel' }).click();
  await expect(name).toHaveValue('Elm Court');

  const asked = new Promise<string>((resolve) => app.once('dialog', (dialog) => {
    void dialog.accept().then(() => resolve(dialog.type()));
  }));
  const closed = app.waitForEvent('close');
  await app.close({ runBeforeUnload: true });
  expect(await asked).toBe('beforeunload');
  await closed;
});

test('a panel chosen shows its loops and its manufacturer, the arrows alone choose none, Undo takes it back', async ({ app }) => {
  await menu(app, 'File', 'Northgate Offices');
  const panel = app.getByRole('combobox', { name: 'Control Panel:' });
  const loops = app.getByRole('table', { name: 'Loops' }).getByRole('rowheader');
  await panel.press('ArrowDown');
  await expect(loops).toHaveText(['1', 'Total']);
  await panel.selectOption({ label: 'Brannoch B200 Two Loop' });
  await expect(loops).toHaveText(['1', '2', 'Total']);
  await expect(app.getByText('Brannoch Fire Controls', { exact: true })).toBeVisible();
  await app.keyboard.press('Control+z');
  await expect(loops).toHaveText(['1', 'Total']);
  await expect(app.getByText('Quellar', { exact: true })).toBeVisible();
});

// From navigation to the drawn window, and from a sample chosen to it drawn.
async function timings(page: Page, url: string): Promise<{ loaded: number; ready: number; opened: number }> {
  await page.goto(url);
  await mainWindowReady(page);
  await page.evaluate(() => document.addEventListener('click', (event) => {
    if ((event.target as Element).closest('[role=menuitem]')) performance.mark('sample-chosen');
  }, { capture: true }));
  await menu(page, 'File', 'Riverside Warehouse');
  await page.waitForFunction(() => performance.getEntriesByName('ferrolux-opened').length > 0);
  return page.evaluate(() => {
    const at = (name: string) => performance.getEntriesByName(name)[0].startTime;
    // The page and its script loaded, before the module starts: the baseline.
    const loaded = (performance.getEntriesByType('navigation')[0] as PerformanceNavigationTiming).domContentLoadedEventEnd;
    return { loaded: Math.round(loaded), ready: Math.round(at('ferrolux-ready')),
      opened: Math.round(at('ferrolux-opened') - at('sample-chosen')) };
  });
}

test('the window is ready and opens a site quickly from a server and from disk, and fits 1366 and 1024 wide', async ({ page }) => {
  for (const [from, url, width] of [['server', appUrl(), 1366], ['file://', fileUrl(), 1024]] as const) {
    await page.setViewportSize({ width, height: 768 });
    const time = await timings(page, url);
    console.log(`speed from ${from}: page loaded ${time.loaded} ms, ready ${time.ready} ms after navigation, ` +
      `a sample opened in ${time.opened} ms`);
    expect(time.ready + time.opened, from).toBeLessThan(5000);
    // Nothing wider than the window: the long texts wrap.
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(width);
    await expect(page.getByRole('button', { name: 'Details of loop 4' })).toBeInViewport();
    await expect(page.locator('tr[data-loop="2"] td.spare')).toHaveText('64 % (alarm current)');
    await screenshot(page, `main-${width}`);
  }
});
