// The loop editor and its cable layout window as a page drives them: every
// text, verdict and refusal read from the module, every question answered
// later, as a page's dialog answers.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { startedSession } from './support.mjs';

test('a loop designed in the editor, laid out along its cable, kept with OK and left with Cancel', async () => {
  const { module, session, host } = await startedSession();
  const editor = new module.LoopEditor(session, 1);
  assert.equal(editor.caption(), 'Loop 1');
  const [first] = editor.deviceRows();

  assert.equal(await editor.commitDeviceQuantity(first.row, '126'), true);
  assert.equal(editor.deviceRows()[0].quantity, '126');
  assert.equal(editor.results().quantity, '126');
  assert.equal(await editor.commitDeviceQuantity(first.row, '999'), false);
  assert.deepEqual(host.boxes.at(-1), {
    text: 'Invalid number of devices!  (Must be between 0 and 126)', style: 48, caption: 'Loop 1' });
  assert.equal(editor.deviceRows()[0].quantity, '126');

  // A long run on the thinnest cable fails; the heaviest passes.
  assert.equal(await editor.commitTotalLength('3000'), true);
  assert.equal(editor.results().satisfactory, false);
  const heaviest = editor.cables().findIndex((cable) => cable.name === '12 AWG');
  editor.chooseCableEntry(heaviest);
  assert.equal(editor.parameters().cableEntry, heaviest);
  assert.equal(editor.results().passFail, 'Loop Design\nSatisfactory');
  assert.equal(editor.history().undoItem, '&Undo Cable 12 AWG');

  assert.equal(editor.undo(), true);
  assert.deepEqual([editor.parameters().cableEntry, editor.results().satisfactory], [0, false]);
  assert.equal(editor.history().redoName, 'Cable 12 AWG');
  assert.equal(editor.redo(), true);
  assert.equal(editor.results().satisfactory, true);
  assert.equal(editor.staleResults().passFail, 'Press <Enter> key\nor Click here\nto Re-calculate');

  // Distances pasted from a spreadsheet, then spaced evenly over them once
  // the question is answered.
  const layout = new module.CableLayout(editor);
  assert.equal(layout.caption(), 'Cable Layout - Loop 1');
  await layout.paste('Address\tDistance\n1\t12\n2\t30\n');
  assert.deepEqual(layout.rows().slice(0, 2).map((row) => [row.distance, row.length]), [['12.0', '12.0'], ['30.0', '18.0']]);
  host.answer(1);
  assert.equal(await layout.spaceEvenly(), true);
  assert.match(host.boxes.at(-1).text, /replace/);
  assert.notEqual(layout.rows()[1].distance, '30.0');
  layout.ok();
  layout.delete();
  assert.equal(editor.history().undoName, 'Cable Layout');
  assert.doesNotMatch(editor.results().alongCable, /Placed evenly/);

  assert.equal(await editor.ok(), true);
  editor.delete();
  assert.equal(session.dirty(), true);

  // Cancel asks before the changes go; the loop is as OK left it.
  const again = new module.LoopEditor(session, 1);
  await again.commitDeviceQuantity(first.row, '3');
  host.answer(true);
  assert.equal(await again.cancel(), true);
  assert.deepEqual(host.boxes.at(-1), {
    text: 'Discard the changes to loop 1?', first: 'Discard', second: 'Keep Editing', caption: 'Loop 1' });
  again.delete();
  const reopened = new module.LoopEditor(session, 1);
  assert.equal(reopened.deviceRows()[0].quantity, '126');
  reopened.delete();
});
