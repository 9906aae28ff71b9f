#!/usr/bin/env node
// ferrolux-calc on the WebAssembly module, for Node.js: the same command
// line, output and exit status as the native calculator.
//
//   node build/wasm/ferrolux-calc.mjs [--json] [--along-cable] [--device-checks]
//        [--strict] [--data-root DIR] FILE...
//
// The module has a file system of its own: the files and folders named, the
// data root and the user's settings and panels are copied into it at the
// same paths, so that every message names them as the native program does.
// Nothing is written back.
import fs from 'node:fs';
import path from 'node:path';
import process from 'node:process';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const { default: createFerrolux } = await import(path.join(here, 'ferrolux.mjs'));

// The words that may name files or folders: each word, and the value of an
// "--option=VALUE". Whatever names nothing on the host is left out by
// mirror(), so no list of the calculator's options is kept here.
function namesIn(words) {
  return words.map((word) => (word.startsWith('--') && word.includes('=') ? word.slice(word.indexOf('=') + 1) : word));
}

function environmentOf(env) {
  const home = env.HOME || '/root';
  const chosen = {
    HOME: home,
    XDG_CONFIG_HOME: env.XDG_CONFIG_HOME || path.join(home, '.config'),
    XDG_DATA_HOME: env.XDG_DATA_HOME || path.join(home, '.local', 'share'),
  };
  for (const name of ['LANG', 'LC_ALL', 'LC_MEASUREMENT', 'HARVEX_DATA_ROOT']) {
    if (env[name] !== undefined) chosen[name] = env[name];
  }
  return chosen;
}

// Copies a file or a folder's tree from the host into the module at the same
// absolute path; what cannot be read is left out, for the program to report.
// Each path once, so that a link back up a tree ends the walk.
const mirrored = new Set();
function mirror(FS, hostPath) {
  if (mirrored.has(hostPath)) return;
  mirrored.add(hostPath);
  let info;
  try {
    info = fs.lstatSync(hostPath);
  } catch {
    return;
  }
  FS.mkdirTree(path.dirname(hostPath));
  if (info.isSymbolicLink()) {
    try {
      FS.symlink(fs.readlinkSync(hostPath), hostPath);
    } catch {}
    mirror(FS, path.resolve(path.dirname(hostPath), fs.readlinkSync(hostPath)));
  } else if (info.isDirectory()) {
    FS.mkdirTree(hostPath);
    for (const entry of fs.readdirSync(hostPath)) mirror(FS, path.join(hostPath, entry));
  } else if (info.isFile()) {
    try {
      FS.writeFile(hostPath, fs.readFileSync(hostPath));
    } catch {}
  } else {
    // A FIFO, a socket or a device: a device node, which the program looks
    // at and refuses as a file that is no document, as it refuses the original.
    try {
      FS.mkdev(hostPath, 0o644, FS.makedev(64, 0));
    } catch {}
  }
}

const words = process.argv.slice(2);
const environment = environmentOf(process.env);
const module = await createFerrolux({ storage: 'memory', environment, print() {}, printErr() {} });
const { FS } = module;
FS.mkdirTree(process.cwd());
FS.chdir(process.cwd());
// An empty name names no file (not the working folder).
for (const name of namesIn(words)) if (name) mirror(FS, path.resolve(name));
for (const folder of [environment.XDG_CONFIG_HOME, environment.XDG_DATA_HOME]) mirror(FS, path.join(folder, 'Harvex'));
if (environment.HARVEX_DATA_ROOT) mirror(FS, path.resolve(environment.HARVEX_DATA_ROOT));

const list = new module.StringList();
for (const word of words) list.push_back(word);
const run = module.runCalc(list);
list.delete();
process.stdout.write(run.out);
process.stderr.write(run.err);
process.exitCode = run.status;
