// The main window as a page drives it: an example opened, its rows and
// totals against the native calculator, a change of panel asked about in the
// middle of the call, a copy, undo and redo by name. (The browser app's tests
// walk the other windows through the page.)
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
