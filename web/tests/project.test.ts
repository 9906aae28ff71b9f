// The project properties window walked once as a designer does: opened from
// the File menu, filled in, kept, undone and redone, and the site saved with
// them; Esc after a change asks first.
import fs from 'node:fs';
import { test, expect, menu, messageBox, openSample, screenshot } from './support';

test('the project typed in its window is kept as one undo step and saved in the file', async ({ app }) => {
  await openSample(app, 'Harbour Hotel');
  await menu(app, 'File', 'Project Properties...');
  const project = app.getByRole('dialog', { name: 'Project Properties' });
  await expect(project.getByRole('textbox', { name: 'Project number:' })).toBeFocused();
  await app.keyboard.type('P-2291, "B"');
  await project.getByRole('textbox', { name: 'Client:' }).fill('Harbour Estates');
  await project.getByRole('textbox', { name: 'Notes:' }).fill('Phase 1\nPhase 2');
  const spare = project.getByRole('combobox', { name: 'Spare capacity required:' });
  await expect(spare.locator('option:checked')).toHaveText('None');
  await spare.selectOption('20 %');
  await screenshot(app, 'project-properties');
  await project.getByRole('button', { name: 'OK' }).click();
  await expect(project).toBeHidden();

  await menu(app, 'Edit', 'Undo Project Properties');
  await menu(app, 'Edit', 'Redo Project Properties');
  const download = app.waitForEvent('download');
  await app.keyboard.press('Control+s');
  const saved = fs.readFileSync(await (await download).path(), 'utf8');
  expect(saved.slice(saved.indexOf('[Project]'))).toBe(
    '[Project]\r\nNumber="P-2291, "B""\r\nClient="Harbour Estates"\r\nNotes="Phase 1\\nPhase 2"\r\nSpareCapacityRequired=20\r\n');

  // Esc after a change asks first.
  await menu(app, 'File', 'Project Properties...');
  await project.getByRole('textbox', { name: 'Designer:' }).fill('A. Jones');
  await app.keyboard.press('Escape');
  await messageBox(app).getByRole('button', { name: 'Discard' }).click();
  await expect(project).toBeHidden();
});
