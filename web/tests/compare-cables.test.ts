// The cable comparison opened from the loop editor, as a designer uses it on
// the warehouse yard's loop, which fails on its 1.0 mm²: the comparison
// says why, marks the smallest cable that passes, and using it is a step
// of the editor that Undo takes back.
import { test, expect, containing, openLoop, screenshot } from './support';

test('a designer compares the cables of a loop and uses the smallest that passes', async ({ app }) => {
  const editor = await openLoop(app, 'Riverside Warehouse', 4);
  const compareButton = editor.getByRole('button', { name: 'Compare Cables...' });
  const compare = app.getByRole('dialog', { name: 'Compare Cables - Loop 4 - Yard and loading bays' });

  // Esc closes it, changing nothing.
  await compareButton.click();
  await expect(compare).toBeVisible();
  await app.keyboard.press('Escape');
  await expect(compare).toBeHidden();

  await compareButton.click();
  const grid = compare.getByRole('grid', { name: 'Cables' });
  const selected = grid.getByRole('row', { selected: true });
  const use = compare.getByRole('button', { name: 'Use This Cable' });
  // Opened on the loop's own cable, which it cannot use again.
  await expect(selected).toContainText("1.0 mm² (this loop's)");
  await expect(selected).toContainText('Fails: Volt Drop Too High');
  await expect(use).toBeDisabled();
  await screenshot(app, 'compare-cables-1366');

  const smallest = grid.getByRole('row').filter({ hasText: 'Smallest' });
  await expect(smallest).toHaveCount(1);
  await expect(smallest).toContainText('1.5 mm²');
  await smallest.click();
  await expect(use).toBeEnabled();
  await use.click();
  await expect(compare).toBeHidden();
  await expect(editor.locator('#cmbCableSize option:checked')).toHaveText('1.5 mm²');
  await expect(editor.locator('#lblPassFail')).toHaveText(containing('Satisfactory'));

  await app.keyboard.press('Control+z');
  await expect(editor.locator('#cmbCableSize option:checked')).toHaveText('1.0 mm²');
});
