// The build's parts for a browser without a network and for installing the
// app: the help pages, the web app manifest and its icons copied into the
// build, then sw.js, the service worker, with the list of the build's files
// and a digest of them (a new build, a new sw.js: the browser's sign of it).
import * as esbuild from 'esbuild';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const web = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const top = path.resolve(web, '..');

export async function addOfflineParts(out) {
  fs.cpSync(path.join(top, 'help'), path.join(out, 'help'), { recursive: true });
  fs.copyFileSync(path.join(web, 'src/manifest.webmanifest'), path.join(out, 'manifest.webmanifest'));
  fs.cpSync(path.join(web, 'icons'), path.join(out, 'icons'), { recursive: true });
  fs.copyFileSync(path.join(top, 'packaging/harvex-ferrolux.svg'), path.join(out, 'icons/harvex-ferrolux.svg'));
  await writeServiceWorker(out);
}

// Every file of the folder but sw.js itself, by its address relative to the folder.
export async function writeServiceWorker(out) {
  const files = fs.readdirSync(out, { recursive: true })
    .filter((file) => file !== 'sw.js' && fs.statSync(path.join(out, file)).isFile())
    .map((file) => file.split(path.sep).join('/')).sort();
  const digest = crypto.createHash('sha256');
  for (const file of files) digest.update(file).update('\0').update(fs.readFileSync(path.join(out, file)));
  await esbuild.build({
    entryPoints: [path.join(web, 'src/sw.ts')],
    outfile: path.join(out, 'sw.js'),
    bundle: true,
    format: 'iife',
    target: 'es2022',
    minify: true,
    define: { FERROLUX_BUILD: JSON.stringify(digest.digest('hex').slice(0, 16)), FERROLUX_FILES: JSON.stringify(files) },
    logLevel: 'warning',
  });
}
