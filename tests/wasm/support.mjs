// What the module's tests share: the module loaded as a page loads it, a
// scripted message host, and the native programs built from the same tree.
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const wasmDir = process.env.FERROLUX_WASM_DIR || path.join(top, 'build/wasm');
export const nativeCalc = process.env.FERROLUX_NATIVE_CALC || path.join(top, 'build/plain/src/ferrolux-calc');
export const examplesDir = path.join(top, 'examples');

const { default: createFerrolux } = await import(pathToFileURL(path.join(wasmDir, 'ferrolux.mjs')).href);

// Records every box and answers from a queue, the box's default button when
// it is empty; each answer comes as a promise, as a page's dialog answers,
// so that every question is answered by undoing and repeating its call.
export class ScriptedHost {
  constructor() {
    this.boxes = [];
    this.answers = [];
  }
  answer(...results) {
    this.answers.push(...results);
    return this;
  }
  show(text, style, caption, fallback) {
    this.boxes.push({ text, style, caption });
    const answer = this.answers.length ? this.answers.shift() : fallback;
    return new Promise((resolve) => setImmediate(() => resolve(answer)));
  }
  choose(text, first, second, caption) {
    this.boxes.push({ text, first, second, caption });
    const answer = this.answers.length ? this.answers.shift() : false;
    return new Promise((resolve) => setImmediate(() => resolve(answer)));
  }
  texts() {
    return this.boxes.map((box) => box.text);
  }
}

// A fresh module; `options` as createFerrolux takes them (storage is memory
// unless asked otherwise).
export function loadModule(options = {}) {
  return createFerrolux({ storage: 'memory', print() {}, printErr() {}, ...options });
}

// A module with a started session over a scripted host.
export async function startedSession(options = {}) {
  const host = options.messageHost || new ScriptedHost();
  const module = await loadModule({ ...options, messageHost: host });
  const session = new module.Session();
  if (!(await session.start())) throw new Error('the catalogues did not load: ' + host.texts().join(' | '));
  return { module, session, host };
}
