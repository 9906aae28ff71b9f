// One site edited through the window cores in the module saves the same
// bytes as the same walk through the native cores (NativeWalk.cpp): a new
// site named, a two-loop panel chosen, loop 1 designed and laid out along
// its cable, loop 2 given devices, the power supply set, then saved. Both
// start from the same empty settings and the same locale, and answer the
// same boxes.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { startedSession, top } from './support.mjs';

const nativeWalk = process.env.FERROLUX_NATIVE_WALK || path.join(top, 'build/plain/tests/ferrolux_native_walk');
const LANG = 'en_GB.UTF-8';
const Yes = 6;

// The native walk in a fresh home of its own; its saved bytes and its boxes.
function nativeWalked() {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrolux-walk-'));
  try {
    const saved = path.join(home, 'walk.QLX');
    const env = {
      PATH: process.env.PATH, LANG, HOME: home, HARVEX_DATA_ROOT: path.join(top, 'data'),
      XDG_CONFIG_HOME: path.join(home, 'config'), XDG_DATA_HOME: path.join(home, 'data'),
    };
    const run = spawnSync(nativeWalk, [saved], { env, encoding: 'utf8' });
    assert.equal(run.status, 0, run.error?.message || run.stderr);
    return { bytes: fs.readFileSync(saved), boxes: run.stderr.split('\n').filter(Boolean) };
  } finally {
    fs.rmSync(home, { recursive: true, force: true });
  }
}

// The module's walk, the page's way; what the page saved.
async function moduleWalked() {
  const { module, session, host } = await startedSession({ environment: { LANG } });
  session.newDocument();
  const window = new module.MainWindow(session);
  let typed = '';
  for (const key of 'Quai Saint-Rémy Depot') window.setSiteName(typed += key);
  const twoLoop = window.panelOutline().manufacturers.flatMap((maker) => maker.panels)
    .find((panel) => panel.name === 'Brannoch B200 Two Loop');
  assert.equal(await window.changePanel(twoLoop.position), 'applied');
  window.delete();

  const first = new module.LoopEditor(session, 1);
  const [detector, callPoint] = first.deviceRows();
  assert.equal(await first.commitDeviceQuantity(detector.row, '24'), true);
  assert.equal(await first.commitDeviceQuantity(callPoint.row, '6'), true);
  assert.equal(await first.commitOtherQuantity(first.otherRows()[0].row, '3'), true);
  first.chooseCableEntry(first.cables().findIndex((cable) => cable.name === '1.5 mm²'));
  assert.equal(await first.commitTotalLength('420'), true);
  const layout = new module.CableLayout(first);
  await layout.paste('Address\tDistance\n1\t15\n2\t32.5\n3,60\n');
  layout.ok();
  layout.delete();
  assert.equal(await first.ok(), true);
  first.delete();

  // No total cable run on loop 2: the question is answered Yes.
  const second = new module.LoopEditor(session, 2);
  assert.equal(await second.commitDeviceQuantity(second.deviceRows()[0].row, '12'), true);
  host.answer(Yes);
  assert.equal(await second.ok(), true);
  second.delete();

  const power = new module.PowerWindow(session);
  const boxes = power.withRule(power.boxes(), power.ruleNames().indexOf('NFPA 72 2022'), false);
  boxes.loads.push({ description: 'Door holders', quantity: '4', standby: '25', alarm: '25' });
  boxes.fitted = power.batteryChoices()[3];
  assert.equal(await power.ok(boxes), null);
  power.delete();

  const bytes = Buffer.from(await session.save());
  const boxLines = host.boxes.map((box) => `${box.caption}: ${box.text}`.replace(/[\r\n]/g, ' '));
  return { bytes, boxes: boxLines };
}

// The times of the walk are checked for their form, then left out.
function withoutTimes(bytes) {
  const text = bytes.toString('latin1');
  const stamp = /^(CreatedDate|ModifiedDate)=(.*)\r$/gm;
  const stamps = [...text.matchAll(stamp)];
  assert.deepEqual(stamps.map((line) => line[1]), ['CreatedDate', 'ModifiedDate']);
  for (const [line, , time] of stamps) assert.match(time, /^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/, line);
  return Buffer.from(text.replace(stamp, '$1=<time>\r'), 'latin1');
}

test('a site edited through the module\'s window cores saves the native walk\'s bytes', async () => {
  const native = nativeWalked();
  const walked = await moduleWalked();
  assert.deepEqual(walked.boxes, native.boxes);
  const saved = withoutTimes(walked.bytes);
  assert.match(saved.toString('utf8'), /Quai Saint-Rémy Depot/);
  assert.equal(saved.toString('latin1'), withoutTimes(native.bytes).toString('latin1'));
});
