// Builds the browser app into build/web: index.html, app.js, one classic
// script with the WebAssembly module inside, and app.css, the styles each
// part of the app imports, so that the folder runs
// from any static web server and from disk (file://), where a browser
// refuses module scripts; then the help, the manifest with its icons and
// the service worker (scripts/offline.mjs). Every address in it is relative.
// Expects build/wasm/ferrolux.mjs (scripts/build-wasm.sh).
import * as esbuild from 'esbuild';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { addOfflineParts } from './offline.mjs';

const web = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const top = path.resolve(web, '..');
const out = path.join(top, 'build/web');
const module = path.join(top, 'build/wasm/ferrolux.mjs');

if (!fs.existsSync(module)) {
  console.error(`build/web: ${module} is missing; run scripts/build-wasm.sh first.`);
  process.exit(1);
}
fs.rmSync(out, { recursive: true, force: true });
fs.mkdirSync(out, { recursive: true });

// app.js, and report.js: the report's drawing and fonts, loaded when a
// report is first printed.
const common = {
  bundle: true,
  format: 'iife',
  platform: 'browser',
  target: 'es2022',
  minify: true,
  legalComments: 'none',
  alias: { ferrolux: module },
  // The module's Node.js branch names Node's modules; a browser never takes it.
  external: ['fs', 'path', 'crypto', 'url', 'module', 'worker_threads'],
  // The module is one file (SINGLE_FILE): it never needs its own address.
  define: { 'import.meta.url': 'undefined' },
  // The printed report's fonts, inside report.js as their bytes.
  loader: { '.ttf': 'binary' },
  logLevel: 'warning',
};
await esbuild.build({ ...common, entryPoints: [path.join(web, 'src/main.ts')], outfile: path.join(out, 'app.js') });
await esbuild.build({ ...common, entryPoints: [path.join(web, 'src/report/ReportScript.ts')],
  outfile: path.join(out, 'report.js') });
for (const file of ['index.html']) fs.copyFileSync(path.join(web, 'src', file), path.join(out, file));
// The licence of the fonts report.js carries.
fs.copyFileSync(path.join(web, 'src/report/fonts/OFL.txt'), path.join(out, 'fonts-OFL.txt'));
// Last: the service worker lists every file of the build.
await addOfflineParts(out);
