// User-defined panels and the Options window as a designer uses them: a
// panel added through the editor by keyboard, used, exported, deleted (not
// while in use) and imported again; the options' units and device families.
import type { Page } from '@playwright/test';
import fs from 'node:fs';
import path from 'node:path';
import { test, expect, menu, messageBox, moduleSession, screenshot, top } from './support';

// What the module's core says when the new panel's boxes hold these texts.
async function panelRefusal(changes: Record<number, string>): Promise<string> {
  const said: string[] = [];
  const { module, session } = await moduleSession(said);
  const editor = new module.PanelEditor(session);
  await editor.open(-1);
  await editor.ok(editor.boxes().map((text, field) => changes[field] ?? text));
  return said[0];
}

// The user's panel file as the browser's storage holds it.
function storedPanelFile(page: Page): Promise<number[] | null> {
  return page.evaluate(() => new Promise((resolve) => {
    const opening = indexedDB.open('/persist');
    opening.onsuccess = () => {
      const files = opening.result.transaction('FILE_DATA').objectStore('FILE_DATA');
      const all = files.getAll();
      const keys = files.getAllKeys();
      all.onsuccess = () => keys.onsuccess = () => {
        const at = keys.result.findIndex((key) => String(key).endsWith('/CUSTPAN.DAT'));
        resolve(at < 0 ? null : [...(all.result[at].contents as Uint8Array)]);
      };
    };
  }));
}

const chooser = (page: Page) => page.getByRole('combobox', { name: 'Control Panel:' });

async function importFile(page: Page, file: string): Promise<void> {
  const picking = page.waitForEvent('filechooser');
  await menu(page, 'File', 'Import User-Defined Panels...');
  await (await picking).setFiles(file);
}

test('a user-defined panel is added by keyboard, used, exported, deleted and imported again', async ({ app }, info) => {
  await expect(app.getByRole('menuitem', { name: 'Edit...' })).toHaveCount(0);
  await menu(app, 'File', 'Add...');
  const editor = app.getByRole('dialog', { name: 'Control Panel' });
  const name = editor.getByRole('textbox', { name: 'Name:' });
  await expect(name).toBeFocused();
  await expect(editor.getByRole('textbox', { name: 'Manufacturer:' })).not.toBeEditable();
  await screenshot(app, 'panel-editor-1366');
  await app.setViewportSize({ width: 1024, height: 768 });
  await screenshot(app, 'panel-editor-1024');
  await app.setViewportSize({ width: 1366, height: 768 });

  // Enter goes on box by box, past the manufacturer; a letter in a figure is refused.
  await app.keyboard.press('Control+a');
  await app.keyboard.type('Harbour Test');
  await app.keyboard.press('Enter');
  const loops = editor.getByRole('textbox', { name: 'Number of Loops:' });
  await expect(loops).toBeFocused();
  await app.keyboard.press('Control+a');
  await app.keyboard.type('9x');
  await expect(loops).toHaveValue('9');
  await app.keyboard.press('Enter');
  await expect(editor.getByRole('textbox', { name: 'Loop Driver Impedance:' })).toBeFocused();
  await editor.getByRole('textbox', { name: 'Charger Current:' }).press('Enter');
  await expect(editor.getByRole('button', { name: 'OK' })).toBeFocused();
  await app.keyboard.press('Enter');
  await expect(messageBox(app)).toContainText(await panelRefusal({ 0: 'Harbour Test', 2: '9' }));
  await messageBox(app).getByRole('button', { name: 'OK' }).click();
  await expect(loops).toBeFocused();
  await app.keyboard.type('2');
  await editor.getByRole('button', { name: 'OK' }).click();
  await expect(editor).toBeHidden();

  // Chosen in the main window: its two loops.
  await chooser(app).selectOption({ label: 'Harbour Test' });
  await expect(app.getByRole('button', { name: 'Details of loop 2' })).toBeVisible();
  await expect(app.getByRole('button', { name: 'Details of loop 3' })).toHaveCount(0);

  // Exported: the very file the browser keeps.
  const downloading = app.waitForEvent('download');
  await menu(app, 'File', 'Export User-Defined Panels...');
  const download = await downloading;
  expect(download.suggestedFilename()).toBe('CUSTPAN.DAT');
  const exported = info.outputPath('CUSTPAN.DAT');
  await download.saveAs(exported);
  expect([...fs.readFileSync(exported)]).toEqual(await storedPanelFile(app));

  // The panel in use is not deleted: the core's refusal. Once another is in use, it goes.
  const list = app.getByRole('dialog', { name: 'Delete User-Defined Control Panel' });
  const deleteIt = async () => {
    await menu(app, 'File', 'Delete...');
    await list.getByRole('option', { name: 'Harbour Test' }).click();
    await screenshot(app, 'panel-list-1366');
    await list.getByRole('button', { name: 'Delete' }).click();
  };
  await deleteIt();
  await expect(messageBox(app)).toContainText('cannot be deleted');
  await messageBox(app).getByRole('button', { name: 'OK' }).click();
  await app.keyboard.press('Escape');
  await expect(list).toBeHidden();
  await chooser(app).selectOption({ index: 0 });
  await deleteIt();
  await expect(list).toBeHidden();
  await expect(chooser(app).getByRole('option', { name: 'Harbour Test' })).toHaveCount(0);

  // Imported while it is gone, nothing is asked; again, a question for it.
  await importFile(app, exported);
  await expect(chooser(app).getByRole('option', { name: 'Harbour Test' })).toHaveCount(1);
  await expect(messageBox(app)).toHaveCount(0);
  await importFile(app, exported);
  await expect(messageBox(app)).toContainText("'Harbour Test'");
  await expect(messageBox(app).getByRole('button')).toHaveText(['Yes', 'No', 'Cancel']);
  await messageBox(app).getByRole('button', { name: 'No' }).click();
  await expect(chooser(app).getByRole('option', { name: 'Harbour Test' })).toHaveCount(1);

  // A file of another kind is refused.
  await importFile(app, path.join(top, 'examples', fs.readdirSync(path.join(top, 'examples'))[0]));
  await expect(messageBox(app)).toContainText('holds no user-defined control panels');
});

test('the options switch the loop editor to feet and the families change the Standard Devices', async ({ app }) => {
  // File's "O" goes first to Open..., then to Options...
  await app.keyboard.press('Alt+f');
  await app.keyboard.press('o');
  await app.keyboard.press('o');
  await expect(app.getByRole('menuitem', { name: 'Options...', exact: true })).toBeFocused();
  await app.keyboard.press('Enter');
  const options = app.getByRole('dialog', { name: 'Options' });
  await expect(options.getByRole('tab', { name: 'Device Families' })).toBeFocused();
  await screenshot(app, 'options-1366');
  await app.keyboard.press('ArrowRight');
  const standard = options.getByRole('tab', { name: "'Standard' Devices" });
  await expect(standard).toHaveAttribute('aria-selected', 'true');
  const count = await options.getByRole('status').textContent();
  await app.keyboard.press('ArrowLeft');
  await options.getByRole('checkbox').first().uncheck();
  await standard.click();
  await expect(options.getByRole('status')).not.toHaveText(count!);
  await app.setViewportSize({ width: 1024, height: 768 });
  await screenshot(app, 'options-1024');
  await app.keyboard.press('End');
  await expect(options.getByRole('tab', { name: 'Cables' })).toHaveAttribute('aria-selected', 'true');
  await app.keyboard.press('Alt+u');
  await app.keyboard.press('i');
  await expect(options.getByRole('radio', { name: 'Imperial' })).toBeChecked();
  await options.getByRole('button', { name: 'OK' }).click();
  await expect(options).toBeHidden();

  await app.getByRole('button', { name: 'Details of loop 1' }).click();
  const loop = app.getByRole('dialog', { name: /^Loop 1/ });
  await expect(loop.getByRole('textbox', { name: 'Total cable run:' })).toBeVisible();
  await expect(loop.getByText('feet (ft)').first()).toBeVisible();

  // A choice left with Esc is not kept.
  await app.keyboard.press('Escape');
  for (const keys of [['m', 'Escape'], ['Escape']]) {
    await menu(app, 'File', 'Options...');
    await options.getByRole('tab', { name: 'Units' }).click();
    await expect(options.getByRole('radio', { name: 'Imperial' })).toBeChecked();
    for (const key of keys) await app.keyboard.press(key);
  }
});
