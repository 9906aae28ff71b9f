// The site's files as a designer handles them in the browser: chosen with the
// file picker or dropped on the page, saved back or downloaded, reopened from
// the recent files; every message and question is the core's open flow's.
import fs from 'node:fs';
import path from 'node:path';
import type { Page } from '@playwright/test';
import {
  appUrl, examplesDir, exampleFiles, mainWindowReady, expect, expectNativeResults, menu, messageBox, test, withoutFileSystemAccess,
} from './support.js';

const example = (name: string) => fs.readFileSync(path.join(examplesDir, name));

async function openWithPicker(page: Page, open: () => Promise<void>, file: string): Promise<void> {
  const chooser = page.waitForEvent('filechooser');
  await open();
  await (await chooser).setFiles(file);
}

test.describe('without the File System Access API, as in Firefox', () => {
  test.beforeEach(({ page }) => withoutFileSystemAccess(page));

  test('every sample site opened with the file picker shows the native calculator\'s loops and totals', async ({ app }) => {
    for (const file of exampleFiles()) {
      await openWithPicker(app, () => menu(app, 'File', 'Open...'), file);
      await expectNativeResults(app, file);
    }
    // A recent file the page cannot reach again is chosen again.
    await menu(app, 'File', '2 /documents/Northgate-Offices.QLX');
    await expect(messageBox(app)).toContainText("'Northgate-Offices.QLX'");
    const file = path.join(examplesDir, 'Northgate-Offices.QLX');
    await openWithPicker(app, () => messageBox(app).getByRole('button', { name: 'OK' }).click(), file);
    await expectNativeResults(app, file);
  });

  test('Save As asks the file\'s name and downloads it under that name, which becomes the document\'s', async ({ app }) => {
    await menu(app, 'File', 'Harbour Hotel');
    await app.keyboard.press('Control+Shift+S');
    const dialog = app.getByRole('dialog', { name: 'Save Configuration Data' });
    await dialog.getByRole('textbox', { name: 'File name:' }).fill('Harbour Copy');
    const download = app.waitForEvent('download');
    await dialog.getByRole('button', { name: 'Save' }).click();
    expect((await download).suggestedFilename()).toBe('Harbour Copy.QLX');
    await expect(app).toHaveTitle('Harbour Copy - Harvex Ferrolux');
  });
});

test('Save downloads the bytes the sample site was opened from, under its name', async ({ app }) => {
  await menu(app, 'File', 'Riverside Warehouse');
  const download = app.waitForEvent('download');
  await app.keyboard.press('Control+s');
  const saved = await download;
  expect(saved.suggestedFilename()).toBe('Riverside-Warehouse.QLX');
  expect(fs.readFileSync(await saved.path())).toEqual(example('Riverside-Warehouse.QLX'));
});

test('a broken file dropped on the page shows the open flow\'s message and leaves the site as it was', async ({ app }) => {
  await menu(app, 'File', 'Riverside Warehouse');
  const dataTransfer = await app.evaluateHandle(() => {
    const data = new DataTransfer();
    data.items.add(new File(['not a site\r\n'], 'Broken.QLX'));
    return data;
  });
  await app.getByRole('main').dispatchEvent('drop', { dataTransfer });
  await expect(messageBox(app)).toContainText("'/documents/Broken.QLX'");
  await messageBox(app).getByRole('button', { name: 'OK' }).click();
  await expectNativeResults(app, path.join(examplesDir, 'Riverside-Warehouse.QLX'));
  // Unchanged: New asks nothing.
  await menu(app, 'File', 'New');
  await expect(app.getByRole('textbox', { name: 'Site Name:' })).toHaveValue('');
  await expect(messageBox(app)).toHaveCount(0);
});

test('the recent files list the sites opened, latest first, and reopen them', async ({ app }) => {
  await menu(app, 'File', 'Harbour Hotel');
  await menu(app, 'File', 'Northgate Offices');
  await app.getByRole('button', { name: 'File', exact: true }).click();
  await expect(app.getByRole('menuitem', { name: /^\d / })).toHaveText([
    '1 /documents/Northgate-Offices.QLX', '2 /documents/Harbour-Hotel.QLX']);
  await app.getByRole('menuitem', { name: '2 /documents/Harbour-Hotel.QLX' }).click();
  await expect(app.getByRole('textbox', { name: 'Site Name:' })).toHaveValue('Harbour Hotel');
});

// The browser's file handles, played by the test: what the app writes through them is kept.
test('a file opened through its handle is saved back into it', async ({ page }) => {
  const bytes = [...example('Northgate-Offices.QLX')];
  await page.addInitScript((bytes) => {
    const handle = {
      kind: 'file', name: 'Northgate-Offices.QLX',
      getFile: async () => new File([new Uint8Array(bytes)], 'Northgate-Offices.QLX'),
      createWritable: async () => ({
        write: async (data: BlobPart) => { (window as any).written = [...new Uint8Array(await new Blob([data]).arrayBuffer())]; },
        close: async () => {},
      }),
    };
    (window as any).showOpenFilePicker = async () => [handle];
  }, bytes);
  await page.goto(appUrl());
  await mainWindowReady(page);
  await page.keyboard.press('Control+o');
  await expect(page.getByRole('textbox', { name: 'Site Name:' })).toHaveValue('Northgate Offices');
  await page.keyboard.press('Control+s');
  await expect.poll(() => page.evaluate(() => (window as any).written)).toEqual(bytes);
});
