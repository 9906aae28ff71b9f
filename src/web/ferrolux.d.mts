// The module's API as JavaScript sees it: createFerrolux() from
// ferrolux.mjs, then the bound classes and functions on the module. Each
// area's declarations are in types/.
//
// Calls declared MaybePromise may ask the user a question. When the page's
// host answers at once, they return at once; when it answers with a promise
// (its own dialog), the call is undone, made again once the answer is in,
// and returns a promise of its result. Every call is whole, so the page may
// call in meanwhile (to repaint, say); it should await the result before
// the next change.

import type { CalcTypes, SessionTypes, MessageHost, OpenProgress } from './types/session.js';
import type { MainWindowTypes } from './types/main-window.js';
import type { LoopEditorTypes } from './types/loop-editor.js';
import type { PanelTypes } from './types/panels.js';
import type { ResultTypes, TextMeasure } from './types/results.js';
import type { HelpTypes } from './types/help.js';
import type { PlaceIsolatorsTypes } from './types/place-isolators.js';

export * from './types/session.js';
export * from './types/main-window.js';
export * from './types/loop-editor.js';
export * from './types/panels.js';
export * from './types/results.js';
export * from './types/help.js';
export * from './types/place-isolators.js';

export interface FerroluxOptions {
  // 'indexeddb' (the default where there is IndexedDB) keeps the settings and
  // the user-defined panels in the browser's storage; 'memory' keeps nothing.
  storage?: 'indexeddb' | 'memory';
  // Variables for the program (LANG, HOME...); the locale otherwise follows
  // the browser's language.
  environment?: Record<string, string>;
  messageHost?: MessageHost;
  openProgress?: OpenProgress;
  // The page's text metrics for the printed report (or set module.measureText later).
  measureText?: TextMeasure;
  print?: (text: string) => void;
  printErr?: (text: string) => void;
}

export interface FerroluxModule extends CalcTypes, SessionTypes, MainWindowTypes, LoopEditorTypes, PanelTypes,
  ResultTypes, HelpTypes, PlaceIsolatorsTypes {
  // Emscripten's in-memory file system.
  FS: any;
  // Resolves once every change to the settings and panels so far is stored.
  flushStorage(): Promise<void>;
}

export default function createFerrolux(options?: FerroluxOptions): Promise<FerroluxModule>;
