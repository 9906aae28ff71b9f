// The loop editor's cable layout and the main window's power supply, each
// walked once as a designer does: distances pasted and typed, a refusal,
// points moved and spaced evenly, undone, kept; a rule and a load chosen,
// the working followed as it is typed, kept, and the main window's battery
// line then the window's own summary.
import type { Page } from '@playwright/test';
import { test, expect, containing, coreSays, messageBox, openLoop, openSample, screenshot, tableRows } from './support';

async function bothSizes(page: Page, name: string): Promise<void> {
  await screenshot(page, `${name}-1366`);
  await page.setViewportSize({ width: 1024, height: 768 });
  await screenshot(page, `${name}-1024`);
  await page.setViewportSize({ width: 1366, height: 768 });
}

test('a cable layout pasted, refused, moved, spaced evenly and undone changes the loop along its cable', async ({ app, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const editor = await openLoop(app, 'Riverside Warehouse', 4);
  const along = editor.getByText(/^Along the cable:/);
  const alongBefore = await along.innerText();
  await expect(editor.getByText(/^Spare capacity:/)).toHaveText('Spare capacity: None (section 1 over its limit)');
  await editor.getByRole('button', { name: 'Cable Layout...' }).click();
  const layout = app.getByRole('dialog', { name: /^Cable Layout - Loop 4/ });
  const table = layout.getByRole('table', { name: 'Cable layout' });
  const distance = (point: number) => table.getByRole('textbox', { name: `Distance of point ${point}`, exact: true });
  await expect(distance(1)).toBeFocused();

  // Two columns from a spreadsheet through Ctrl+V: the first three points' addresses and distances.
  const addresses = (await tableRows(table)).map((row) => row.Address.text);
  await app.evaluate((text) => navigator.clipboard.writeText(text),
                     addresses.slice(0, 3).map((address, at) => `${address}\t${(at + 1) * 150}`).join('\n'));
  await app.keyboard.press('Control+v');
  await expect(distance(3)).toHaveValue(/^450\b/);
  await expect(layout.getByRole('button', { name: /^Undo/ })).toHaveAccessibleName(/Paste/);
  await bothSizes(app, 'cable-layout');

  // A refused distance: the core's message, then the cell keeps the text and the focus until Esc.
  await distance(4).fill('abc');
  await distance(4).press('Enter');
  const said = await coreSays('Riverside Warehouse', (module, session) =>
    new module.CableLayout(new module.LoopEditor(session, 4)).commitDistance(3, 'abc'));
  await expect(messageBox(app)).toHaveText(containing(said[0]));
  await messageBox(app).getByRole('button', { name: 'OK' }).click();
  await expect(distance(4)).toBeFocused();
  await expect(distance(4)).toHaveValue('abc');
  await app.keyboard.press('Escape');
  await expect(distance(4)).toHaveValue('');

  // The fifth point, without a distance, moved up a place.
  await distance(5).focus();
  await layout.getByRole('button', { name: 'Move Up' }).click();
  await expect.poll(async () => (await tableRows(table)).map((row) => row.Address.text).slice(3, 5))
    .toEqual([addresses[4], addresses[3]]);

  // Space Evenly asks before it replaces the distances; Ctrl+Z takes it back.
  const pasted = await distance(2).inputValue();
  await layout.getByRole('button', { name: 'Space Evenly' }).click();
  await expect(messageBox(app)).toBeVisible();
  await messageBox(app).getByRole('button', { name: 'OK' }).click();
  await expect(distance(2)).not.toHaveValue(pasted);
  await expect(layout.getByRole('button', { name: /^Undo/ })).toHaveAccessibleName(/Space Evenly/);
  await layout.getByRole('button', { name: 'Move Up' }).focus();
  await app.keyboard.press('Control+z');
  await expect(distance(2)).toHaveValue(pasted);

  // OK: the loop takes the layout, a step of the editor's own.
  await layout.getByRole('button', { name: 'OK' }).click();
  await expect(layout).toBeHidden();
  await expect(along).not.toHaveText(alongBefore);
  await expect(editor.getByRole('button', { name: /^Undo/ })).toHaveAccessibleName(/Cable Layout/);
});

test('a power supply by another rule with a load is kept, and the battery line becomes its summary', async ({ app }) => {
  // Opened before the battery line is read: the line changes with the site.
  await openSample(app, 'Riverside Warehouse');
  const battery = app.getByText(/^Standby battery:/);
  const before = await battery.innerText();
  await app.getByRole('button', { name: 'Power Supply...' }).click();
  const power = app.getByRole('dialog', { name: /Power/ });
  const rule = power.getByRole('combobox', { name: 'Rule:' });
  await expect(rule).toBeFocused();
  await expect(rule.locator('option:checked')).toHaveText('BS 5839-1');
  const working = power.getByRole('region', { name: 'Working' });
  const summary = power.getByRole('status');

  // Another rule: its periods, and voice evacuation offered or not as the core says.
  await rule.selectOption('NFPA 72 2022');
  await expect(working).toContainText('NFPA 72 2022');
  const voice = power.getByRole('checkbox', { name: 'Voice evacuation (15 min alarm period)' });
  await expect(voice).toBeEnabled();
  const alarm = power.getByRole('textbox', { name: 'Alarm Period (min):' });
  const alarmBefore = await alarm.inputValue();
  await voice.check();
  await expect(alarm).not.toHaveValue(alarmBefore);

  // A load added: the working follows each box as it is typed; a box refused is marked, and OK goes back to it.
  await power.getByRole('button', { name: 'Add Load' }).click();
  await expect(power.getByRole('textbox', { name: 'Description, load 1' })).toBeFocused();
  await app.keyboard.type('Sounder beacons');
  const withoutCurrents = await working.innerText();
  await power.getByRole('textbox', { name: 'Quantity, load 1' }).fill('x');
  await expect(power.getByRole('textbox', { name: 'Quantity, load 1' })).toHaveAttribute('aria-invalid', 'true');
  await power.getByRole('button', { name: 'OK' }).click();
  await messageBox(app).getByRole('button', { name: 'OK' }).click();
  await expect(power.getByRole('textbox', { name: 'Quantity, load 1' })).toBeFocused();
  await app.keyboard.type('4');
  await power.getByRole('textbox', { name: 'Alarm (mA each), load 1' }).fill('35');
  await expect(working).not.toHaveText(withoutCurrents);
  await bothSizes(app, 'power');

  // Esc with a change asks first; Esc again keeps the window, as the question's default.
  await app.keyboard.press('Escape');
  await expect(messageBox(app)).toBeVisible();
  await app.keyboard.press('Escape');
  await expect(messageBox(app)).toBeHidden();

  const kept = await summary.innerText();
  await power.getByRole('button', { name: 'OK' }).click();
  await expect(power).toBeHidden();
  await expect(battery).toHaveText(kept);
  // One step of the site's history.
  await app.keyboard.press('Control+z');
  await expect(battery).toHaveText(before);
});
