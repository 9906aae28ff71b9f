// The cable comparison from the loop editor on the warehouse yard's loop,
// which fails on its 1.0 mm²: it says why, marks the smallest cable that
// passes, and using it is a step of the editor that Undo takes back.
import { test, expect, containing, openLoop, screenshot } from './support';

test('a designer compares the cables of a loop and uses the smallest that passes', async ({ app }) => {
  const editor = await openLoop(app, 'Riverside Warehouse', 4);
  const compare = app.getByRole('dialog', { name: 'Compare Cables - Loop 4 - Yard and loading bays' });
  const chosenCable = editor.locator('#cmbCableSize option:checked');
  await editor.getByRole('button', { name: 'Compare Cables...' }).click();
  const grid = compare.getByRole('grid', { name: 'Cables' });
  // Opened on the loop's own cable, which it cannot use again.
  await expect(grid.getByRole('row', { selected: true })).toContainText("1.0 mm² (this loop's)");
  await expect(grid.getByRole('row', { selected: true })).toContainText('Fails: Volt Drop Too High');
  const use = compare.getByRole('button', { name: 'Use This Cable' });
  await expect(use).toBeDisabled();
  await screenshot(app, 'compare-cables-1366');
  await app.keyboard.press('Escape');
  await expect(compare).toBeHidden();
  await expect(chosenCable).toHaveText('1.0 mm²');

  await editor.getByRole('button', { name: 'Compare Cables...' }).click();
  const smallest = grid.getByRole('row').filter({ hasText: 'Smallest' });
  await expect(smallest).toContainText('1.5 mm²');
  await smallest.click();
  await use.click();
  await expect(compare).toBeHidden();
  await expect(chosenCable).toHaveText('1.5 mm²');
  await expect(editor.locator('#lblPassFail')).toHaveText(containing('Satisfactory'));
  await app.keyboard.press('Control+z');
  await expect(chosenCable).toHaveText('1.0 mm²');
});
