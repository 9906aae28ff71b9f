// A site built from nothing as a designer builds it, saved as a download (as
// in a browser without the file system pickers) and opened again: the bytes
// are those the native cores save for the same steps.
import fs from 'node:fs';
import { test, expect, appUrl, mainWindowReady, menu, nativeWalkBytes, withoutTimes } from './support';

test('a two-loop site designed from nothing saves as the native cores save it and opens again', async ({ page: app }) => {
  await app.addInitScript(() => {
    delete (window as any).showOpenFilePicker;
    delete (window as any).showSaveFilePicker;
  });
  await app.goto(appUrl());
  await mainWindowReady(app);
  await menu(app, 'File', 'New');
  await app.getByRole('textbox', { name: 'Site Name:' }).pressSequentially('Canal Street Depot');
  await app.getByRole('combobox', { name: 'Control Panel:' }).selectOption('Brannoch B200 Two Loop');

  await app.getByRole('button', { name: 'Details of loop 1' }).click();
  const editor = app.getByRole('dialog', { name: /^Loop 1/ });
  await editor.getByRole('textbox', { name: 'Loop Name' }).pressSequentially('Ground floor');
  for (const [type, quantity] of [['Optical Smoke Detector', '20'], ['Manual Call Point', '6'], ['Wall Sounder', '8'],
    ['Heat Detector Fixed 78C', '4'], ['Loop Isolator Module', '2']]) {
    const box = editor.getByRole('textbox', { name: `Quantity of ${type}`, exact: true });
    await box.fill(quantity);
    await box.press('Enter');
    await expect(box).toHaveValue(quantity);
  }
  await editor.getByRole('combobox', { name: 'Size:' }).selectOption('2.5 mm²');
  await editor.getByRole('radio', { name: 'Max Cable Run' }).check();
  await editor.getByRole('button', { name: 'OK' }).click();
  await expect(editor).toBeHidden();

  const rows = app.getByRole('table', { name: 'Loops' }).getByRole('row');
  const shown = await rows.allInnerTexts();
  const saved = app.waitForEvent('download');
  await menu(app, 'File', 'Save');
  const bytes = fs.readFileSync(await (await saved).path());
  expect(withoutTimes(bytes)).toBe(withoutTimes(nativeWalkBytes('--from-nothing')));

  await menu(app, 'File', 'New');
  const chooser = app.waitForEvent('filechooser');
  await menu(app, 'File', 'Open...');
  await (await chooser).setFiles({ name: 'Canal Street Depot.QLX', mimeType: 'application/octet-stream', buffer: bytes });
  await expect(app.getByRole('textbox', { name: 'Site Name:' })).toHaveValue('Canal Street Depot');
  expect(await rows.allInnerTexts()).toEqual(shown);
});
