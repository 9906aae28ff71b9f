// The session as a page drives it: a document in and out as bytes, and a
// question answered later by the page's own dialog.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { examplesDir, startedSession } from './support.mjs';

const exampleName = 'Northgate-Offices.QLX';
const example = fs.readFileSync(path.join(examplesDir, exampleName));

test('every example, built in by its site name, opened and saved gives its own bytes back', async () => {
  const { module, session, host } = await startedSession();
  const names = fs.readdirSync(examplesDir).filter((file) => file.endsWith('.QLX')).sort();
  const sites = module.sampleSites();
  assert.deepEqual(sites.map((site) => site.name), names);
  for (const { site, name, path: inModule } of sites) {
    const bytes = fs.readFileSync(path.join(examplesDir, name));
    assert.deepEqual(Buffer.from(module.FS.readFile(inModule)), bytes);
    assert.equal(`SiteName="${site}"`, bytes.toString('latin1').match(/^SiteName=.*(?=\r?$)/m)[0]);
    assert.equal(await session.open(name, bytes, false), 'opened');
    assert.equal(session.path(), '/documents/' + name);
    assert.deepEqual(Buffer.from(await session.save()), bytes, name);
  }
  assert.deepEqual(host.texts(), []);
});

test('a new site saved takes its file as its own: the path, the window title and the first recent file', async () => {
  const { module, session } = await startedSession();
  const main = new module.MainWindow(session);
  main.setSiteName('Elm Court');
  assert.notEqual(await session.save(), null);
  assert.equal(session.path(), '/documents/Elm Court.QLX');
  assert.notEqual(await session.saveAs('Elm Copy'), null);
  assert.deepEqual([session.path(), main.windowTitle(), main.recentFiles().map((file) => file.path).slice(0, 2)],
    ['/documents/Elm Copy.QLX', 'Elm Copy - Harvex Ferrolux', ['/documents/Elm Copy.QLX', '/documents/Elm Court.QLX']]);
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

// The declarations are written by hand: each bound call is declared, each
// declared call is bound, and those declared MaybePromise are the ones the
// module can undo and repeat.
test('the declarations name every bound call, and which of them may ask', async () => {
  const { module } = await startedSession();
  const typesDir = path.join(path.dirname(fileURLToPath(import.meta.url)), '../../src/web/types');
  const declared = new Map();  // "Class.call" or ".function" -> may ask
  const classes = new Set();
  for (const file of fs.readdirSync(typesDir)) {
    let owner = null;
    for (const line of fs.readFileSync(path.join(typesDir, file), 'utf8').split('\n')) {
      owner = /^export interface (\w+)/.exec(line)?.[1] ?? owner;
      const made = /^\s+(\w+): new \(/.exec(line)?.[1];
      if (made) classes.add(made);
      const call = /^\s+(\w+)\(.*\): (MaybePromise<)?/.exec(line);
      if (call && !['MessageHost', 'OpenProgress'].includes(owner))
        declared.set(`${owner.endsWith('Types') ? '' : owner}.${call[1]}`, Boolean(call[2]));
    }
  }
  const bound = (call) => {
    const [owner, name] = call.split('.');
    return (owner ? module[owner]?.prototype : module)?.[name];
  };
  const wrong = [...declared].filter(([call, mayAsk]) =>
    (classes.has(call.split('.')[0]) || call.startsWith('.')) &&
    (typeof bound(call) !== 'function' || (bound(call).mayAsk === true) !== mayAsk));
  assert.deepEqual(wrong.map(([call]) => call), []);
  const embind = ['constructor', 'clone', 'delete', 'isDeleted', 'deleteLater', 'isAliasOf'];
  const undeclared = [...classes].flatMap((owner) => Object.getOwnPropertyNames(module[owner].prototype)
    .filter((name) => !embind.includes(name) && !declared.has(`${owner}.${name}`)).map((name) => `${owner}.${name}`));
  assert.deepEqual(undeclared, []);
});
