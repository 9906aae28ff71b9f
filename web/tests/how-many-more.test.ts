// How many more of a loop editor row, as a designer asks it: Ctrl+M in the
// row's box, the answer the native calculator gives for the same loop (evenly,
// then at the far end), Add as one step, Esc, and Undo in the editor.
import fs from 'node:fs';
import path from 'node:path';
import { test, expect, examplesDir, nativeCalc, openLoop, runNative, screenshot } from './support';

function nativeAnswer(type: string, farEnd: boolean): { more: number; text: string } {
  const run = runNative(nativeCalc, ['--json', '--how-many-more', type, ...(farEnd ? ['--at-far-end'] : []),
    path.join(examplesDir, 'Harbour-Hotel.QLX')]);
  fs.rmSync(run.home, { recursive: true, force: true });
  return JSON.parse(run.stdout.toString()).loops[0].how_many_more;
}

test('how many more of a row fit, evenly and at the far end, and Add is one step', async ({ app }) => {
  const editor = await openLoop(app, 'Harbour Hotel', 1);
  const box = editor.getByRole('table', { name: 'Addressable Devices' }).getByRole('textbox').first();
  const type = (await box.getAttribute('aria-label'))!.replace(/^Quantity of /, '');
  const before = Number(await box.inputValue());
  await box.focus();
  await app.keyboard.press('Control+m');
  const window = app.getByRole('dialog', { name: 'How Many More? - Loop 1' });
  await expect(window.locator('#lblType')).toHaveText(type);
  await expect(window.locator('#lblAnswer')).toHaveText(nativeAnswer(type, false).text);
  await window.getByRole('radio', { name: /far end/ }).check();
  const farEnd = nativeAnswer(type, true);
  await expect(window.locator('#lblAnswer')).toHaveText(farEnd.text);
  await screenshot(app, 'how-many-more');
  await window.getByRole('button', { name: `Add ${farEnd.more}` }).click();
  await expect(window.getByRole('button', { name: 'Add 0' })).toBeDisabled();
  await app.keyboard.press('Escape');
  await expect(window).toBeHidden();
  await expect(box).toHaveValue(String(before + farEnd.more));
  await expect(editor.getByRole('button', { name: /^Undo/ })).toHaveAccessibleName(new RegExp(`Add ${farEnd.more} ${type}`));
  await app.keyboard.press('Control+z');
  await expect(box).toHaveValue(String(before));
});
