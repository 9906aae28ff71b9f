// The module's API as JavaScript sees it: createFerrolux() from
// ferrolux.mjs, then the bound classes and functions on the module. Each
// area's declarations are in types/.
//
// Calls that can show a message box or ask a question return a promise when
// the page's host answers with one (the call is suspended meanwhile): await
// every such call before the next call into the module.

import type { CalcTypes, SessionTypes, MessageHost, OpenProgress } from './types/session.js';
import type { MainWindowTypes } from './types/main-window.js';
import type { LoopEditorTypes } from './types/loop-editor.js';
import type { PanelTypes } from './types/panels.js';
import type { ResultTypes } from './types/results.js';

export * from './types/session.js';
export * from './types/main-window.js';
export * from './types/loop-editor.js';
export * from './types/panels.js';
export * from './types/results.js';

export interface FerroluxOptions {
  // 'indexeddb' (the default where there is IndexedDB) keeps the settings and
  // the user-defined panels in the browser's storage; 'memory' keeps nothing.
  storage?: 'indexeddb' | 'memory';
  // Variables for the program (LANG, HOME...); the locale otherwise follows
  // the browser's language.
  environment?: Record<string, string>;
  messageHost?: MessageHost;
  openProgress?: OpenProgress;
  print?: (text: string) => void;
  printErr?: (text: string) => void;
}

export interface FerroluxModule extends CalcTypes, SessionTypes, MainWindowTypes, LoopEditorTypes, PanelTypes,
  ResultTypes {
  // Emscripten's in-memory file system.
  FS: any;
  // Resolves once every change to the settings and panels so far is stored.
  flushStorage(): Promise<void>;
}

export default function createFerrolux(options?: FerroluxOptions): Promise<FerroluxModule>;
