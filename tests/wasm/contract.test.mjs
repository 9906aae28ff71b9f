// The module computes what the native programs compute: ferrolux-calc on the
// module (build/wasm/ferrolux-calc.mjs) against the native one built from the
// same tree, with the same folders and locale, over every example, fuzzing
// seed and regression input, broken catalogues and broken documents; its
// output, messages and exit status equal byte for byte. And what the page
// keeps (the settings, the user's panels) is there after a reload.
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { examplesDir, loadModule, nativeCalc, top, wasmDir } from './support.mjs';

const moduleCalc = path.join(wasmDir, 'ferrolux-calc.mjs');
const seedGenerator = process.env.FERROLUX_SEED_GENERATOR || path.resolve(nativeCalc, '../../fuzz/fuzz_seeds');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrolux-contract-'));
after(() => fs.rmSync(scratch, { recursive: true, force: true }));

function folder(name) {
  const made = path.join(scratch, name);
  fs.mkdirSync(made, { recursive: true });
  return made;
}

const examples = fs.readdirSync(examplesDir).filter((name) => name.endsWith('.QLX')).map((name) => path.join(examplesDir, name));
const seedFolder = folder('seeds');
execFileSync(seedGenerator, [seedFolder, examplesDir], { env: { ...process.env, HARVEX_DATA_ROOT: path.join(top, 'data') } });
const filesUnder = (root) =>
  fs.readdirSync(root, { recursive: true }).map((name) => path.join(root, name)).filter((file) => fs.statSync(file).isFile()).sort();
const documents = [...examples, ...filesUnder(path.join(seedFolder, 'document')), ...filesUnder(path.join(top, 'fuzz/regressions'))];

function collect(program, args, env, cwd) {
  return new Promise((resolve, reject) => {
    const child = spawn(program, args, { env, cwd });
    const out = [];
    const err = [];
    child.stdout.on('data', (chunk) => out.push(chunk));
    child.stderr.on('data', (chunk) => err.push(chunk));
    child.on('error', reject);
    child.on('close', (status) => resolve({ status, stdout: Buffer.concat(out), stderr: Buffer.concat(err) }));
  });
}

function assertSameBytes(actual, expected, what) {
  if (actual.equals(expected)) return;
  assert.equal(actual.toString(), expected.toString(), what);
  assert.fail(`${what}: the same text, other bytes`);
}

// Runs the module's calculator, then the native one, in a new home folder
// (`prepare` fills it first) with the locale given. The module first: it
// never writes back, while the native program stores its first settings.
async function sameAsNative(args, { lang = 'en_GB.UTF-8', prepare = () => {} } = {}) {
  const home = fs.mkdtempSync(path.join(scratch, 'home-'));
  prepare(home);
  const env = {
    PATH: process.env.PATH,
    HOME: home,
    XDG_CONFIG_HOME: path.join(home, '.config'),
    XDG_DATA_HOME: path.join(home, '.local/share'),
    LANG: lang,
  };
  const module = await collect(process.execPath, [moduleCalc, ...args], env, scratch);
  const native = await collect(nativeCalc, args, env, scratch);
  const what = `ferrolux-calc ${args.join(' ')} (LANG=${lang})`;
  assert.equal(module.status, native.status, `${what}: exit status`);
  // A run over many files in JSON first file by file, for a readable difference.
  if (args.includes('--json') && native.status < 3 && !module.stdout.equals(native.stdout))
    assert.deepEqual(JSON.parse(module.stdout), JSON.parse(native.stdout), what);
  assertSameBytes(module.stdout, native.stdout, `${what}: stdout`);
  assertSameBytes(module.stderr, native.stderr, `${what}: stderr`);
  return native;
}

// Two at a time: the machine's cores, and each run has a folder of its own.
async function inPairs(jobs) {
  const results = [];
  for (let i = 0; i < jobs.length; i += 2) results.push(...(await Promise.all(jobs.slice(i, i + 2).map((job) => job()))));
  return results;
}

test('every example, fuzzing seed and regression input gives what the native calculator gives', async () => {
  const largest = path.join(seedFolder, 'document/largest.QLX');
  const runs = [
    [['--json', ...documents]],
    [['--json', '--along-cable', ...documents], { lang: 'en_US.UTF-8' }],
    [['--json', '--device-checks', ...documents]],
    [documents, { lang: 'fr_CA.UTF-8' }],
    ...examples.map((example) => [['--along-cable', '--device-checks', example]]),
    [[largest], { lang: 'en_US.UTF-8' }],
  ];
  const [json] = await inPairs(runs.map(([args, options]) => () => sameAsNative(args, options)));
  assert.equal(JSON.parse(json.stdout).length, documents.length);
});

// Names that are no document: the open tells why, in either program.
test('names that are no document are refused alike', async () => {
  const odd = folder('odd');
  execFileSync('mkfifo', [path.join(odd, 'pipe.QLX')]);
  fs.mkdirSync(path.join(odd, 'no sites'));
  fs.symlinkSync('nowhere.QLX', path.join(odd, 'dangling.QLX'));
  const names = ['', path.join(odd, 'missing.QLX'), path.join(odd, 'pipe.QLX'), path.join(odd, 'no sites'), path.join(odd, 'dangling.QLX')];
  await inPairs([() => sameAsNative(names), () => sameAsNative([''])]);
});

// Cut short, bytes changed, encodings, line ends: deterministic, from the examples.
test('broken documents give the same messages', async () => {
  const broken = folder('broken');
  const riverside = fs.readFileSync(path.join(examplesDir, 'Riverside-Warehouse.QLX'));
  const largest = fs.readFileSync(path.join(seedFolder, 'document/largest.QLX'));
  const changed = (bytes, every, value) => bytes.map((byte, i) => (i % every === every - 1 ? value : byte));
  const variants = {
    'cut-quarter.QLX': riverside.subarray(0, riverside.length >> 2),
    'cut-mid-line.QLX': riverside.subarray(0, riverside.indexOf('Device3=') + 12),
    'cut-largest.QLX': largest.subarray(0, Math.floor(largest.length * 0.7)),
    'high-bytes.QLX': changed(riverside, 97, 0xe9),
    'nul-bytes.QLX': changed(riverside, 211, 0),
    'digits.QLX': changed(riverside, 13, 0x39),
    'no-header.QLX': Buffer.from(riverside.toString('latin1').replace('[Dralon]', '[Dralo'), 'latin1'),
    'bare-cr.QLX': Buffer.from(riverside.toString('latin1').replaceAll('\r\n', '\r'), 'latin1'),
    'long-line.QLX': Buffer.concat([riverside, Buffer.from('[Loop2]\r\nName=' + 'x'.repeat(3000) + '\r\n')]),
  };
  const files = Object.entries(variants).map(([name, bytes]) => {
    fs.writeFileSync(path.join(broken, name), bytes);
    return path.join(broken, name);
  });
  await inPairs([() => sameAsNative(['--json', '--along-cable', ...files]), () => sameAsNative(files)]);
});

// Each loader's file broken as its native tests break it: the file missing,
// a bad value told or a value that throws, each way at least once.
const setField = (line, field, value) => line.split(',').map((text, i) => (i === field - 1 ? value : text)).join(',');
const catalogueBreaks = [
  { loader: 'device types: the file missing', file: 'Devices/QuellarDevices.dat', edit: null },
  { loader: 'device types: a number too large (an error thrown)', file: 'Devices/QuellarDevices.dat', edit: (t) => t.replace(/^Device1=.*$/m, (line) => setField(line, 52, '1e10')) },
  { loader: 'custom device types: an entry of one field', file: 'Devices/QuellarCustomDevices.dat', edit: () => '[Devices]\r\nDevice1=Beam\r\n' },
  { loader: 'panels: the file missing', file: 'Panels/QuellarStdPanels.dat', edit: null },
  { loader: 'panels: a bad field', file: 'Panels/QuellarStdPanels.dat', edit: (t) => t.replace('Loops=1', 'Loops=many') },
  { loader: 'user panels: a count too large', user: 'Panels/CUSTPAN.DAT', edit: () => '[Options]\r\nMaxCustom=40000\r\n' },
  { loader: 'cables: a bad impedance', file: 'Cables/QuellarCables.dat', edit: (t) => t.replace('Impedance=3600', 'Impedance=lots') },
  { loader: 'other devices: a current that is no number (an error thrown)', file: 'Devices/QuellarDevices.dat', edit: (t) => t.replace('Quiescent=0', 'Quiescent=lots') },
  { loader: 'batteries: the file missing', file: 'Batteries/QuellarBatteries.dat', edit: null },
  { loader: 'batteries: a gap and a bad size', file: 'Batteries/QuellarBatteries.dat', edit: (t) => t.replace(/^Battery3=.*\r?\n/m, '').replace('Battery5=17', 'Battery5=-17') },
];

test('broken catalogues give the same messages', async () => {
  const run = (root, prepare) => sameAsNative(['--json', '--data-root', root, ...examples], { prepare });
  const intact = folder('catalogues/intact');
  fs.cpSync(path.join(top, 'data'), intact, { recursive: true });
  const results = await inPairs([() => run(intact), ...catalogueBreaks.map((row, n) => () => {
    const root = folder(`catalogues/${n}`);
    fs.cpSync(path.join(top, 'data'), root, { recursive: true });
    const breakIn = (file) => {
      fs.mkdirSync(path.dirname(file), { recursive: true });
      if (row.edit) fs.writeFileSync(file, row.edit(fs.existsSync(file) ? fs.readFileSync(file, 'latin1') : ''), 'latin1');
      else fs.rmSync(file);
    };
    if (row.file) breakIn(path.join(root, 'Harvex', row.file));
    return run(root, (home) => row.user && breakIn(path.join(home, '.local/share/Harvex', row.user)));
  })]);
  const [whole, ...brokenRuns] = results.map((result) => result.stdout.toString() + result.stderr.toString());
  // Each break shows (a message, or a different summary), so each row tests its loader.
  brokenRuns.forEach((shown, n) => assert.notEqual(shown, whole, catalogueBreaks[n].loader));
});

test('the settings and the user-defined panels are kept across a reload', async () => {
  const { IDBFactory } = await import(pathToFileURL(path.join(top, 'web/node_modules/fake-indexeddb/build/esm/index.js')).href);
  globalThis.indexedDB = new IDBFactory();
  const standard = fs.readFileSync(path.join(top, 'data/Harvex/Panels/QuellarStdPanels.dat'), 'latin1');
  const keys = standard.slice(standard.indexOf('[QuellarQX1]')).split(/\r?\n\r?\n/)[0].split(/\r?\n/).slice(2);
  const userPanels = ['[Options]', 'MaxCustom=1', '[Custom1]', 'Name="Site Panel"', ...keys, ''].join('\r\n');
  const site = fs.readFileSync(path.join(examplesDir, 'Northgate-Offices.QLX'), 'latin1').replace(/^PanelType=.*$/m, 'PanelType="Site Panel"');
  const userPanelFile = '/persist/data/Harvex/Panels/CUSTPAN.DAT';
  const settingsFile = '/persist/config/Harvex/Harvex Ferrolux.conf';
  const calc = async (module) => {
    module.FS.writeFile('/site.QLX', Buffer.from(site, 'latin1'));
    const words = new module.StringList();
    words.push_back('/site.QLX');
    const run = await module.runCalc(words);
    words.delete();
    return run;
  };

  // The first start stores the units of the locale; a file of the user's
  // panels under /persist goes to the storage with it.
  const first = await loadModule({ storage: 'indexeddb', environment: { LANG: 'en_US.UTF-8' } });
  first.FS.mkdirTree(path.dirname(userPanelFile));
  first.FS.writeFile(userPanelFile, userPanels);
  const session = new first.Session();
  assert.equal(await session.start(), true);
  await first.flushStorage();
  const before = await calc(first);
  assert.equal(before.err, '');

  // Another locale: the stored units count, and the user's panel is known.
  const again = await loadModule({ storage: 'indexeddb', environment: { LANG: 'en_GB.UTF-8' } });
  assert.equal(again.FS.readFile(settingsFile, { encoding: 'utf8' }), first.FS.readFile(settingsFile, { encoding: 'utf8' }));
  assert.equal(again.FS.readFile(userPanelFile, { encoding: 'utf8' }), userPanels);
  assert.deepEqual(await calc(again), before);
});
