// The main window and the power window as a page drives them: an example
// opened, its rows and totals against the native calculator, a change of
// panel asked about in the middle of the call, a copy, undo and redo by
// name, and the battery settings typed, refused, corrected and applied.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { examplesDir, nativeCalc, startedSession } from './support.mjs';

const exampleName = 'Riverside-Warehouse.QLX';
const examplePath = path.join(examplesDir, exampleName);

async function openedWindow() {
  const started = await startedSession();
  assert.equal(await started.session.open(exampleName, fs.readFileSync(examplePath), false), 'opened');
  return { ...started, window: new started.module.MainWindow(started.session) };
}

test('the main window shows the calculator\'s results, changes panel and undoes by name', async () => {
  const { window, host } = await openedWindow();
  // The calculator says "not satisfactory" by its exit status too.
  const native = JSON.parse(spawnSync(nativeCalc, ['--json', examplePath], { encoding: 'utf8' }).stdout);
  for (const loop of native.loops) {
    const row = window.loopRow(loop.loop);
    assert.equal(row.shown, loop.loop <= native.panel_loops);
    if (!row.shown) continue;
    assert.deepEqual([row.name, row.devices, row.passFail], [loop.name, String(loop.devices), loop.design_short]);
  }
  assert.deepEqual([window.totals().devices, window.totals().passFail], [String(native.total_devices), native.overall]);
  assert.match(window.powerLine().text, new RegExp(`${native.power.required_Ah.toFixed(2)} Ah required`));
  assert.equal(window.windowTitle(), 'Riverside-Warehouse - Harvex Ferrolux');
  assert.equal(window.recentFiles()[0].caption, '&1 /documents/' + exampleName);

  // A two-loop panel loses loops 3 and 4: the page's dialog answers OK later.
  const twoLoop = window.panelOutline().manufacturers.flatMap((maker) => maker.panels)
    .find((panel) => panel.name === 'Brannoch B200 Two Loop');
  host.answer(1);
  assert.equal(await window.changePanel(twoLoop.position), 'applied');
  assert.equal(host.boxes.length, 1);  // the panel change's question, worded in its core's test
  assert.equal(window.currentPanel(), twoLoop.position);
  assert.equal(window.panelOutline().manufacturer, 'Brannoch Fire Controls');
  assert.equal(window.loopRow(3).shown, false);
  assert.equal(window.history().undoItem, '&Undo Control Panel Brannoch B200 Two Loop');

  host.answer(6);
  assert.equal(await window.copyLoop(1, 2), true);
  assert.equal(window.loopRow(2).name, 'Offices (copy)');
  assert.equal(window.history().undoItem, '&Undo Copy Loop 1 to Loop 2');

  assert.equal(window.undo(), true);
  assert.equal(window.undo(), true);
  assert.equal(window.loopRow(3).shown, true);
  assert.equal(window.loopRow(2).name, 'Racking north');
  assert.equal(window.history().undoItem, '&Undo');
  assert.equal(window.history().redoItem, '&Redo Control Panel Brannoch B200 Two Loop');
  assert.equal(window.redo(), true);
  assert.equal(window.loopRow(3).shown, false);
  window.delete();
});

test('the power window works the battery out as typed and applies it as one step', async () => {
  const { module, session, window, host } = await openedWindow();
  const power = new module.PowerWindow(session);
  const boxes = power.boxes();
  assert.equal(power.ruleNames()[boxes.rule], 'BS 5839-1');
  assert.equal(power.factorEditable(boxes.rule), false);

  boxes.loads.push(power.newLoad());
  boxes.loads[0].quantity = 'two';
  const refused = power.result(boxes);
  assert.equal(refused.refused.box, 'loadQuantity');
  assert.deepEqual(await power.ok(boxes), refused.refused);
  assert.deepEqual(host.texts(), [refused.summary]);

  Object.assign(boxes.loads[0], { description: 'Sounders', quantity: '4', alarm: '150' });
  boxes.fitted = '7';
  const shown = power.result(boxes);
  assert.equal(shown.refused, null);
  assert.equal(shown.pass, false);
  assert.match(shown.summary, /7 Ah fitted/);
  assert.ok(shown.working.some((line) => line.includes('+ 600.00 mA (ancillary)')), 'four sounders of 150 mA');
  // Cancel after a change asks first; the page's Keep Editing keeps the window.
  assert.equal(await power.mayDiscard(boxes), false);
  assert.equal(await power.ok(boxes), null);
  assert.deepEqual(window.powerLine(), { text: shown.summary, pass: false });
  assert.equal(window.history().undoItem, '&Undo Power Supply and Battery');
  power.delete();
  window.delete();
});
