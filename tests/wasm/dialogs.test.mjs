// The options dialog as a page drives it: a refusal told and its tab shown,
// the units switched and stored on OK.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { startedSession } from './support.mjs';

test('the options dialog refuses without a family and stores the units on OK', async () => {
  const { module, session, host } = await startedSession();
  const options = new module.OptionsDialog(session);
  const families = options.families();
  assert.ok(families.some((family) => family.selected));
  const standard = options.standardDevices().length;
  families.forEach((family, entry) => options.setFamilySelected(entry, false));
  assert.equal(options.standardDevices().length, 0, 'the families\' devices left the Standard Devices list');
  const refusal = await options.ok();
  assert.equal(refusal.tab, 0);
  assert.deepEqual(host.texts(), [refusal.message]);

  families.forEach((family, entry) => options.setFamilySelected(entry, family.selected));
  assert.equal(options.standardDevices().length, standard);
  const units = 1 - options.units();
  options.setUnits(units);
  assert.equal(await options.ok(), null);
  options.delete();
  const reopened = new module.OptionsDialog(session);
  assert.equal(reopened.units(), units);
  assert.notEqual(reopened.unitLabels(0).length, reopened.unitLabels(1).length);
  reopened.delete();
});
