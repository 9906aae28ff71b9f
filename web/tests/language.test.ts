// The browser's language stands for the locale the desktop asks the system:
// an American browser starts on the American battery rule, feet and the AWG
// cables.
import { test, expect } from './support';

test.use({ locale: 'en-US' });

test('an American browser starts with the NFPA battery rule, lengths in feet and AWG cables', async ({ app }) => {
  await expect(app.getByText(/^Standby battery:/)).toContainText('(NFPA 72 2022)');
  await app.getByRole('button', { name: 'Details of loop 1' }).click();
  const editor = app.getByRole('dialog', { name: /^Loop 1/ });
  await expect(editor.getByText('feet (ft)').first()).toBeVisible();
  await expect(editor.getByRole('combobox', { name: 'Size:' })).toContainText('22 AWG');
  await expect(editor.getByRole('combobox', { name: 'Size:' })).not.toContainText('mm²');
});
