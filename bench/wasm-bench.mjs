#!/usr/bin/env node
// The WebAssembly module beside the native program, measured in one run: the
// module's size, its start with the catalogues, and opening and
// recalculating the largest document against the native benchmark of the
// same; the ratios are what count on a shared machine. Run by hand (see
// bench/README.md), after scripts/build-wasm.sh and a native build of
// ferrolux_bench, ferrolux-calc and fuzz_seeds:
//
//   node bench/wasm-bench.mjs [NATIVE_BUILD_FOLDER]     (default build/plain)
//
// FERROLUX_WASM_DIR names another module folder (a variant built otherwise).
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { performance } from 'node:perf_hooks';
import { fileURLToPath, pathToFileURL } from 'node:url';
import zlib from 'node:zlib';

const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const native = path.resolve(process.argv[2] || path.join(top, 'build/plain'));
const wasmDir = path.resolve(process.env.FERROLUX_WASM_DIR || path.join(top, 'build/wasm'));
const moduleFile = path.join(wasmDir, 'ferrolux.mjs');
const { default: createFerrolux } = await import(pathToFileURL(moduleFile).href);

// Each module made adds its own process listeners (Node.js only).
process.setMaxListeners(0);

const runs = 15;   // of each timing in the module; the median counts
const copies = 20; // of the largest document in the calculator's runs over many files
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrolux-wasm-bench-'));
process.on('exit', () => fs.rmSync(scratch, { recursive: true, force: true }));
const env = { PATH: process.env.PATH, HOME: scratch, XDG_CONFIG_HOME: scratch, XDG_DATA_HOME: scratch, LANG: 'en_GB.UTF-8' };

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
function run(program, args) {
  const result = spawnSync(program, args, { env, maxBuffer: 1 << 28 });
  if (result.error || result.status > 1) throw new Error(`${program} ${args.join(' ')}: ${result.error || result.stderr}`);
  return result.stdout.toString();
}
async function timed(times, step) {
  const spent = [];
  for (let i = 0; i < times; ++i) {
    const start = performance.now();
    await step(i);
    spent.push(performance.now() - start);
  }
  return spent;
}

// Boxes answer their default at once: nothing here should ask.
const quietHost = { show: (text, style, caption, fallback) => fallback, choose: () => false };
const load = () => createFerrolux({ storage: 'memory', environment: { LANG: env.LANG }, messageHost: quietHost, print() {}, printErr() {} });

// The size a page downloads: the module with the catalogues inside.
const bytes = fs.readFileSync(moduleFile);
const gzipped = zlib.gzipSync(bytes, { level: 9 }).length;

// The largest document, as the seed generator writes it from the same builder
// as the native benchmark's.
run(path.join(native, 'fuzz/fuzz_seeds'), [scratch]);
const largestPath = path.join(scratch, 'document/largest.QLX');
const largest = fs.readFileSync(largestPath);
const copiesFolder = path.join(scratch, 'copies');
fs.mkdirSync(copiesFolder);
for (let i = 0; i < copies; ++i) fs.copyFileSync(largestPath, path.join(copiesFolder, `site${i}.QLX`));

// The native benchmarks of the same operations, in this run.
const benchOut = run(path.join(native, 'bench/ferrolux_bench'), [
  '--benchmark_filter=^(OpenLargestDocument|LoadCataloguesFromNewFiles)$', '--benchmark_repetitions=5',
  '--benchmark_report_aggregates_only=true', '--benchmark_format=json']);
const toMs = { ns: 1e-6, us: 1e-3, ms: 1, s: 1000 };
const nativeMs = (name) => {
  const row = JSON.parse(benchOut).benchmarks.find((b) => b.run_name === name && b.aggregate_name === 'median');
  return row.real_time * toMs[row.time_unit];
};

// The module's start: the module made (the code compiled, the catalogues in
// its file system), then the session's start (the catalogues loaded).
const made = [];
const started = await timed(runs, async () => {
  const start = performance.now();
  const module = await load();
  made.push(performance.now() - start);
  const session = new module.Session();
  if (!(await session.start())) throw new Error('the catalogues did not load');
  session.delete();
});

// The page's open of the largest document, again and again in one session.
const module = await load();
const session = new module.Session();
await session.start();
const opens = await timed(runs + 3, async () => {
  const outcome = await session.open('largest.QLX', largest, false);
  if (outcome !== 'opened') throw new Error('the largest document did not open: ' + outcome);
});
opens.splice(0, 3);  // the first opens warm the code up

// ferrolux-calc over the copies against over one, both programs: per file,
// without the program's start and catalogue load.
const calcInModule = async (files) => {
  const words = new module.StringList();
  for (const file of files) words.push_back(file);
  const result = await module.runCalc(words);
  words.delete();
  if (result.status > 1) throw new Error('ferrolux-calc in the module: ' + result.err);
};
module.FS.mkdirTree(copiesFolder);
for (let i = 0; i < copies; ++i) module.FS.writeFile(path.join(copiesFolder, `site${i}.QLX`), largest);
const manyFiles = fs.readdirSync(copiesFolder).map((name) => path.join(copiesFolder, name));
const perFile = (many, one) => (median(many) - median(one)) / (copies - 1);
const moduleCalc = perFile(await timed(5, () => calcInModule(manyFiles)), await timed(5, () => calcInModule(manyFiles.slice(0, 1))));
const nativeCalc = perFile(await timed(5, () => run(path.join(native, 'src/ferrolux-calc'), manyFiles)),
  await timed(5, () => run(path.join(native, 'src/ferrolux-calc'), manyFiles.slice(0, 1))));

const ms = (value) => `${value.toFixed(2)} ms`;
const rows = [
  ['module size, raw', `${(bytes.length / 1e6).toFixed(2)} MB`, '', ''],
  ['module size, gzip -9', `${(gzipped / 1e6).toFixed(2)} MB`, '< 2 MB', (gzipped / 2e6).toFixed(2)],
  ['start: createFerrolux + Session.start(), first', ms(started[0]), '< 300 ms', (started[0] / 300).toFixed(2)],
  ['start, median of the later ones', ms(median(started.slice(1))), '< 300 ms', (median(started.slice(1)) / 300).toFixed(2)],
  ['  of which createFerrolux (median)', ms(median(made.slice(1))), '', ''],
  ['  native catalogue load (LoadCataloguesFromNewFiles)', ms(nativeMs('LoadCataloguesFromNewFiles')), '', ''],
  ['open + recalculate the largest document: Session.open (median)', ms(median(opens)), '', ''],
  ['  native OpenLargestDocument (median of 5)', ms(nativeMs('OpenLargestDocument')), '', ''],
  ['  module / native', (median(opens) / nativeMs('OpenLargestDocument')).toFixed(2) + ' x', '< 3 x',
    (median(opens) / nativeMs('OpenLargestDocument') / 3).toFixed(2)],
  [`ferrolux-calc per largest document, ${copies} in one run: module`, ms(moduleCalc), '', ''],
  ['  native', ms(nativeCalc), '', ''],
  ['  module / native', (moduleCalc / nativeCalc).toFixed(2) + ' x', '< 3 x', (moduleCalc / nativeCalc / 3).toFixed(2)],
];
const width = Math.max(...rows.map((row) => row[0].length));
console.log(`${'measure'.padEnd(width)}  ${'value'.padStart(10)}  ${'goal'.padStart(9)}  against the goal`);
for (const [what, value, goal, against] of rows)
  console.log(`${what.padEnd(width)}  ${value.padStart(10)}  ${goal.padStart(9)}  ${against}`);
console.log(`(module ${moduleFile}, native ${native}, node ${process.version})`);
