// Place Isolators from the loop editor on the sample's racking loop: OK puts
// the isolators in as one step that Undo takes back.
import { test, expect, containing, openLoop, screenshot } from './support';

test('a designer places isolators every 4 points on the racking loop and undoes them', async ({ app }) => {
  const editor = await openLoop(app, 'Riverside Warehouse', 2);
  const dialog = app.getByRole('dialog', { name: 'Place Isolators - Loop 2 - Racking north' });
  const undo = editor.getByRole('button', { name: /^Undo/ });
  await editor.getByRole('button', { name: 'Place Isolators...' }).click();
  const kind = (await dialog.getByLabel('Isolator:').locator('option:checked').textContent())!;
  const quantity = editor.getByRole('textbox', { name: `Quantity of ${kind}` });
  const had = await quantity.inputValue();
  await expect(dialog.getByRole('button', { name: 'OK' })).toBeDisabled();
  await dialog.getByLabel('Most points in a section:').fill('4');
  await expect(dialog.locator('#lblBefore')).toHaveText(containing('over the limit of 4'));
  await expect(dialog.locator('#lblAfter')).toHaveText(containing('within the limit of 4'));
  await expect(dialog.getByRole('status')).toHaveText(/^Adds \d+ isolators, before addresses /);
  await screenshot(app, 'place-isolators');
  await dialog.getByRole('button', { name: 'OK' }).click();
  await expect(dialog).toBeHidden();
  await expect(undo).toHaveAccessibleName(containing('Place Isolators'));
  await expect(quantity).not.toHaveValue(had);

  await app.keyboard.press('Control+z');
  await expect(quantity).toHaveValue(had);
  await expect(undo).toBeDisabled();
});
