// The calculator's command line, the session and the hosts the page gives.

export type MaybePromise<T> = T | Promise<T>;

// Anything bound from C++ is freed with delete() when the page is done with it.
export interface Deletable {
  delete(): void;
}

export interface StringList extends Deletable {
  push_back(word: string): void;
  resize(size: number, word: string): void;
  size(): number;
  get(index: number): string | undefined;
  set(index: number, word: string): boolean;
}

export interface CalcRun {
  status: number;
  out: string;
  err: string;
}

export interface CalcTypes {
  StringList: new () => StringList;
  // ferrolux-calc's command line over the module's file system.
  runCalc(words: StringList): CalcRun;
}

// The page's message boxes. `style` and the answers are the classic values
// (MsgStyle and MsgResult in platform/MessageHost.h); `fallback` is the
// box's default button.
export interface MessageHost {
  show?(text: string, style: number, caption: string, fallback: number): MaybePromise<number>;
  // A question of two buttons of its own words: true for the first.
  choose?(text: string, first: string, second: string, caption: string): MaybePromise<boolean>;
  beep?(iconBits: number): void;
  busy?(shown: boolean): void;
}

// The open-progress window.
export interface OpenProgress {
  show?(): void;
  file?(text: string): void;
  percent?(percent: number): void;
  close?(): void;
  cancelRequested?(): boolean;
  // The unknown-device question: 'Y' leaves the address empty, 'A' does so
  // for every later unknown type of this open, 'C' stops the open.
  unknownResponse?(loop: number, address: number, deviceType: number): MaybePromise<'Y' | 'A' | 'C'>;
}

export type OpenOutcome = 'opened' | 'notFound' | 'refused' | 'cancelled' | 'noPanel' | 'failed';

export interface Session extends Deletable {
  // The catalogues, the settings and a new document; false when a catalogue
  // failed to load (its messages have been shown).
  start(): MaybePromise<boolean>;
  open(name: string, bytes: Uint8Array, readOnly: boolean): MaybePromise<OpenOutcome>;
  // The bytes written; null when the save failed or was refused (and said why).
  save(): MaybePromise<Uint8Array | null>;
  saveAs(name: string): MaybePromise<Uint8Array | null>;
  newDocument(): void;
  // "Configuration data has not been saved." before New, Open or leaving;
  // false when the user stays.
  checkSaved(): MaybePromise<boolean>;
  path(): string;
  dirty(): boolean;
}

// A sample site built into the module: `site` its site name, `name` its
// file's name, `path` where the module's file system holds it.
export interface SampleSite {
  site: string;
  name: string;
  path: string;
}

export interface SessionTypes {
  Session: new () => Session;
  sampleSites(): SampleSite[];
  // What the unknown-device question of an open says (OpenProgress.unknownResponse).
  unknownDeviceText(loop: number, address: number, deviceType: number): string;
}
