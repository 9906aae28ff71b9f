// The session as a page drives it: a document in and out as bytes, and a
// question answered later by the page's own dialog.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { examplesDir, startedSession } from './support.mjs';

const exampleName = 'Northgate-Offices.QLX';
const example = fs.readFileSync(path.join(examplesDir, exampleName));

test('an example opened and saved gives its own bytes back', async () => {
  const { session, host } = await startedSession();
  assert.equal(await session.open(exampleName, example, false), 'opened');
  assert.equal(session.path(), '/documents/' + exampleName);
  assert.deepEqual(Buffer.from(await session.save()), example);
  assert.deepEqual(host.texts(), []);
});

test('a read-only document is not saved and says why', async () => {
  const { session, host } = await startedSession();
  await session.open(exampleName, example, true);
  assert.equal(await session.save(), null);
  assert.equal(host.boxes.length, 1);
});

test('a box in the middle of an open waits for the page, and the open goes on after it', async () => {
  const unknown = Buffer.from(example.toString('latin1').replace('Device1=1,', 'Device1=999,'), 'latin1');
  const steps = [];
  const openProgress = { show: () => steps.push('show'), file: (text) => steps.push(text), close: () => steps.push('close') };
  const { session, host } = await startedSession({ openProgress });
  assert.equal(await session.open(exampleName, unknown, false), 'opened');
  assert.deepEqual(steps, ['show', `Opening '/documents/${exampleName}'...`, 'close']);
  assert.match(host.texts()[0], /^This file has devices that are not in the catalogues/);
});
