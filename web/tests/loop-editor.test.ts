// The loop editor driven as a designer drives it, on the sample sites: a
// refused quantity, the question before changes are thrown away, undo, a
// row added through the device-type chooser, the voltage plot's tips, and
// how fast a typed quantity reaches the totals on the largest sample loop.
import fs from 'node:fs';
import path from 'node:path';
import { test, expect, containing, coreSays, examplesDir, messageBox, nativeJson, openLoop, screenshot } from './support';

// What the module's core says when a quantity is refused on the sample's loop.
const refusal = (site: string, loop: number, quantity: string) => coreSays(site, async (module, session) => {
  const editor = new module.LoopEditor(session, loop);
  await editor.commitDeviceQuantity(editor.deviceRows()[0].row, quantity);
}).then((said) => said[0]);

test('a designer refuses, undoes, adds a row and reads the plot in the loop editor', async ({ app }) => {
  const editor = await openLoop(app, 'Riverside Warehouse', 4);
  await screenshot(app, 'loop-editor-1366');
  const wide = await editor.locator('.plot svg').getAttribute('width');
  await app.setViewportSize({ width: 1024, height: 768 });
  await expect(editor.locator('.plot svg')).not.toHaveAttribute('width', wide!);
  await screenshot(app, 'loop-editor-1024');

  // A refused quantity: the core's message, then the box keeps the text and the focus.
  const devices = editor.getByRole('table', { name: 'Addressable Devices' });
  const box = devices.getByRole('textbox').first();
  const type = (await box.getAttribute('aria-label'))!.replace(/^Quantity of /, '');
  await box.fill('999');
  await expect(editor.locator('#lblPassFail')).toHaveClass(/stale/);
  await box.press('Enter');
  await expect(messageBox(app)).toHaveText(containing(await refusal('Riverside Warehouse', 4, '999')));
  await messageBox(app).getByRole('button', { name: 'OK' }).click();
  await expect(box).toBeFocused();
  await expect(box).toHaveValue('999');
  await box.press('Escape');
  await expect(box).toHaveValue('0');

  // A quantity committed, then undone with Ctrl+Z, the step named after the row.
  await box.fill('5');
  await box.press('Enter');
  const undo = editor.getByRole('button', { name: /^Undo/ });
  await expect(undo).toHaveAccessibleName(containing(type));
  await app.keyboard.press('Control+z');
  await expect(box).toHaveValue('0');
  await expect(editor.getByRole('button', { name: /^Redo/ })).toHaveAccessibleName(containing(type));

  // Esc with a change asks first; Esc again keeps on editing, as the question's default.
  await app.keyboard.press('Control+y');
  await expect(box).toHaveValue('5');
  await app.keyboard.press('Escape');
  await expect(messageBox(app).getByRole('button', { name: 'Keep Editing' })).toBeFocused();
  await app.keyboard.press('Escape');
  await expect(messageBox(app)).toBeHidden();
  await expect(editor).toBeVisible();

  // Add Row through the chooser, by keyboard: the type's row shows whatever the filter.
  await editor.getByRole('checkbox', { name: 'Only types in use' }).check();
  await app.setViewportSize({ width: 1366, height: 768 });
  await editor.getByRole('button', { name: 'Add Row...' }).click();
  const chooser = app.getByRole('dialog', { name: 'Add Device Type' });
  const current = chooser.getByRole('treeitem', { selected: true });
  await expect(current).toBeFocused();
  await screenshot(app, 'device-type-chooser-1366');
  const family = await current.innerText();
  await app.keyboard.press('ArrowRight');
  await app.keyboard.press('ArrowDown');
  await expect(current).not.toHaveText(family);
  const chosen = await current.innerText();
  await app.keyboard.press('Enter');
  await expect(chooser).toBeHidden();
  await expect(devices.getByRole('textbox', { name: `Quantity of ${chosen}`, exact: true })).toBeFocused();

  // The plot's points tell their voltages under the pointer and by the arrow keys.
  const plot = editor.getByRole('group', { name: 'Voltage along the cable' });
  const points = plot.getByRole('img');
  await points.first().hover();
  await expect(plot.getByRole('tooltip')).toHaveText((await points.first().getAttribute('aria-label'))!);
  await points.first().focus();
  await app.keyboard.press('ArrowRight');
  await expect(points.nth(1)).toBeFocused();
  await expect(plot.getByRole('tooltip')).toHaveText((await points.nth(1).getAttribute('aria-label'))!);
});

test('a quantity typed on the largest sample loop reaches its totals within a frame or two', async ({ app }) => {
  const loops = fs.readdirSync(examplesDir).filter((name) => name.endsWith('.QLX')).flatMap((name) => {
    const summary = nativeJson(path.join(examplesDir, name));
    return summary.loops.map((loop: { loop: number; devices: number }) => ({ site: summary.site_name, ...loop }));
  });
  const largest = loops.reduce((a, b) => (b.devices > a.devices ? b : a));
  const editor = await openLoop(app, largest.site, largest.loop);
  const box = editor.getByRole('table', { name: 'Addressable Devices' }).getByRole('textbox').first();
  await box.fill(String(Number(await box.inputValue()) + 1));
  await app.evaluate(() => addEventListener('keydown', (event) => {
    performance.mark('enter-pressed', { startTime: event.timeStamp });
  }, { once: true, capture: true }));
  await box.press('Enter');
  await expect(editor.getByRole('table', { name: 'Loop totals' }).getByRole('cell').first())
    .toHaveText(String(largest.devices + 1));
  const took = await app.evaluate(() =>
    performance.measure('commit', 'enter-pressed', 'ferrolux-quantity-committed').duration);
  console.log(`A quantity on ${largest.site} loop ${largest.loop} (${largest.devices} devices) to its totals: ${took.toFixed(1)} ms`);
  expect(took).toBeLessThan(500);
});
