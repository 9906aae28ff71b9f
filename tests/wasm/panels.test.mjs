// A user-defined control panel added, opened again from the list and
// deleted, as a page drives the panel editor and the panel list; the
// questions are answered later, as a page's dialog answers.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { startedSession } from './support.mjs';

const Name = 0;
const LED = 4;
const Yes = 6;
const No = 7;

test('a user-defined panel is added, edited from the list and deleted', async () => {
  const { module, session, host } = await startedSession();
  assert.equal(module.customPanelMenu(session), false);

  const editor = new module.PanelEditor(session);
  assert.equal(await editor.open(-1), true);
  const boxes = editor.boxes();
  assert.equal(boxes[Name], 'Choose a unique name');
  assert.equal(editor.readOnly(), false);
  assert.equal(module.panelKeyPressed(LED, 'x'), 'refuse');
  assert.equal(module.nextPanelField(LED), LED + 1);

  // The question a large LED count raises: No keeps the editor on the box.
  boxes[Name] = '  Plant Room Panel ';
  boxes[LED] = '30';
  host.answer(No);
  assert.deepEqual(await editor.ok(boxes), { close: false, focus: LED, changed: false, name: 'Plant Room Panel' });
  assert.equal(host.boxes.at(-1).text, "Can this panel really turn on more than 20 LED's?");
  host.answer(Yes);
  assert.equal((await editor.ok(boxes)).close, true);
  editor.delete();
  assert.equal(module.customPanelMenu(session), true);
  const panelFile = module.FS.readFile('/persist/data/Harvex/Panels/CUSTPAN.DAT', { encoding: 'utf8' });
  assert.match(panelFile, /Plant Room Panel/);

  const list = new module.PanelList(session, false);
  assert.equal(list.actionCaption(), '&Edit...');
  assert.deepEqual(list.items().map((item) => item.name), ['Plant Room Panel']);
  list.choose(0);
  const again = new module.PanelEditor(session);
  assert.equal(await again.open(list.chosenPosition()), true);
  assert.deepEqual([again.boxes()[Name], again.boxes()[LED]], ['Plant Room Panel', '30']);
  again.delete();
  list.delete();

  const deleting = new module.PanelList(session, true);
  deleting.choose(0);
  assert.deepEqual(await deleting.deleteChosen(), { deleted: true, closeList: true });
  deleting.delete();
  assert.equal(module.customPanelMenu(session), false);
  assert.doesNotMatch(module.FS.readFile('/persist/data/Harvex/Panels/CUSTPAN.DAT', { encoding: 'utf8' }),
    /Plant Room Panel/);
});
