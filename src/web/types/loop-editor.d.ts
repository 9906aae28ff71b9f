// The loop editor and its cable layout window, as the desktop's frmLoop and
// frmCableLayout drive their cores. Every text, number and verdict is the
// core's; a refused entry has been told in a box (titled with the caption)
// and leaves the loop as it was: the page keeps the box open with the text
// and lets OK, Add Row, Undo and Redo wait until it is corrected or
// abandoned.

import type { Deletable, MaybePromise, Session } from './session.js';

// A row of the device or Other Device table; `row` goes back to the commits.
export interface LoopRow {
  row: number;
  name: string;
  quantity: string;
  quiescent: string;
  alarm: string;
}

// An entry of the cable list: a catalogue cable, or -1 for "User-Defined".
export interface CableEntry {
  name: string;
  cable: number;
}

// 0 Max Volt Drop, 1 Max Cable Run, 2 Min Cable Size.
export type CalcType = 0 | 1 | 2;

export interface LoopParameterTexts {
  calcType: CalcType;
  // The entry of cables() shown as chosen.
  cableEntry: number;
  // The box that shows the calculation's result is not editable.
  totalLengthEditable: boolean;
  cableListEditable: boolean;
  impedanceEditable: boolean;
  impedance: string;
  totalLength: string;
  firstLength: string;
  maxOutputs: string;
  slider: number;  // 0 to 100
  interfaceLedsShown: boolean;
  interfaceLedsDisabled: boolean;
  impedanceUnits: string;
  impedanceConditions: string;
  lengthUnits: string;
  maxAlarm: string;       // "(max. permissible = n mA)"
  cableRunLimit: string;  // shown while limitCableRunVisible
}

export interface LoopEditorResults {
  quantity: string;
  quiescentDevices: string;
  alarmDevices: string;
  quiescentTotal: string;
  alarmTotal: string;
  panelLimit: string;
  panelLimitVisible: boolean;
  maxVoltDrop: string;
  voltDrop: string;
  showsTotalLength: boolean;  // Max Cable Run: totalLength is a result
  totalLength: string;
  showsCable: boolean;        // Min Cable Size: the cable is a result
  limitCableRunVisible: boolean;
  passFail: string;           // two lines
  satisfactory: boolean;
  explanation: string;
  alongCable: string;         // "Along the cable: ...", empty without devices
  alongCablePass: boolean;
  spare: string;              // "Spare capacity: ...", empty without devices
  spareBelow: boolean;        // below the spare the project asks for
}

// Undo and Redo: the steps' names (empty when none, the control greyed) and
// the items as they read, with "&" before the mnemonic.
export interface HistoryTexts {
  undoName: string;
  redoName: string;
  undoItem: string;
  redoItem: string;
}

export interface LoopEditor extends Deletable {
  loopNum(): number;
  // "Loop 3" or "Loop 3 - Yard and loading bays": the window's title.
  caption(): string;
  // The loop editor's help topic (F1).
  helpTopic(): number;
  loopName(): string;
  setLoopName(text: string): void;

  // The device rows the filter leaves on show; the Other Device rows.
  deviceRows(): LoopRow[];
  otherRows(): LoopRow[];
  // False: the device table shows noDeviceRowsText instead.
  hasDeviceRows(): boolean;
  // The row of a type (from the device-type chooser), added with quantity 0
  // when there is none; it is on show whatever the filter.
  addDeviceRow(type: number): number;
  setDeviceFilter(text: string, inUseOnly: boolean): void;
  // False when refused (and told why).
  commitDeviceQuantity(row: number, text: string): MaybePromise<boolean>;
  commitOtherQuantity(row: number, text: string): MaybePromise<boolean>;

  cables(): CableEntry[];
  parameters(): LoopParameterTexts;
  setCalcType(calcType: CalcType): void;
  // "User-Defined" only opens the impedance to typing.
  chooseCableEntry(entry: number): void;
  commitImpedance(text: string): MaybePromise<boolean>;
  commitTotalLength(text: string): MaybePromise<boolean>;
  commitFirstLength(text: string): MaybePromise<boolean>;
  commitMaxOutputs(text: string): MaybePromise<boolean>;
  moveSlider(position: number): void;
  setInterfaceLedsDisabled(disabled: boolean): void;

  results(): LoopEditorResults;
  // What shows while a typed value waits for its commit (the verdict asks
  // for Enter; the stale results and the line along the cable are empty).
  staleResults(): LoopEditorResults;

  // The editor's own steps; after one, read every control again.
  history(): HistoryTexts;
  undo(): boolean;
  redo(): boolean;
  hasChanges(): boolean;
  // OK: false when the user wants to give the total cable run first (the
  // page then focuses it). True: the editor's changes are one step of the
  // document's history; the page closes the editor.
  ok(): MaybePromise<boolean>;
  // Cancel or Escape: asks "Discard the changes to loop N?" when there are
  // any; true when the loop is back as it was and the page closes the editor.
  cancel(): MaybePromise<boolean>;
}

export interface CableLayoutRow {
  number: string;
  address: string;
  type: string;
  others: string;
  distance: string;  // empty without one
  length: string;    // from the point before with a distance
  canMoveUp: boolean;
  canMoveDown: boolean;
}

// Opened from the editor's Cable Layout button; the editor must outlive it.
export interface CableLayout extends Deletable {
  // "Cable Layout - Loop 3 - ...".
  caption(): string;
  // "m" or "ft"; the long form for the note above the table.
  lengthUnits(longForm: boolean): string;
  rows(): CableLayoutRow[];
  // An empty text clears the point's distance; false when refused.
  commitDistance(row: number, text: string): MaybePromise<boolean>;
  commitLength(row: number, text: string): MaybePromise<boolean>;
  // step -1 (up) or +1 (down): the row the point is on now, -1 when refused.
  move(row: number, step: -1 | 1): MaybePromise<number>;
  // Asks before it replaces distances the points have; false when refused
  // or answered Cancel.
  spaceEvenly(): MaybePromise<boolean>;
  // Rows of an address and a distance, tab or comma separated, from the
  // clipboard; one box tells the rows that were not taken.
  paste(text: string): MaybePromise<void>;
  history(): HistoryTexts;
  undo(): boolean;
  redo(): boolean;
  hasChanges(): boolean;
  // OK: the layout into the loop, a step "Cable Layout" of the editor; then
  // read the editor again.
  ok(): void;
  // Asks "Discard the changes to the cable layout of loop N?" when there
  // are any; true when the page closes the window.
  cancel(): MaybePromise<boolean>;
  // The topic F1 opens.
  helpTopic(): number;
}

// A row of the cable comparison: the texts of each column, as the desktop's.
export interface CableComparisonRow {
  cable: string;
  impedance: string;
  voltDrop: string;
  verdict: string;
  longestRun: string;
  whole: string;
  openIn: string;
  openOut: string;
  // "Smallest", "Passes", or why it fails.
  result: string;
  smallest: boolean;
  pass: boolean;
  ownCable: boolean;
  canUse: boolean;
}

// frmCompareCables: every enabled cable on the editor's loop, read-only.
export interface CableComparison extends Deletable {
  // "Compare Cables - Loop 3 - ...".
  caption(): string;
  explanation(): string;
  headings(): string[];
  rows(): CableComparisonRow[];
  // The row selected on opening, -1 without rows.
  firstSelectedRow(): number;
  // Chooses the row's cable as the editor's cable list does (a step of the
  // editor); false, changing nothing, when the row cannot be used.
  useCable(row: number): boolean;
  helpTopic(): number;
}

// How many more of a row's device type or Other Device the loop takes, over
// its editor; the editor must outlive it.
export interface HowManyMore extends Deletable {
  // "How Many More? - Loop 3".
  caption(): string;
  itemText(): string;
  // All at the far end of the cable, else where the editor places them.
  setAtFarEnd(farEnd: boolean): void;
  // "12 more fit; one more fails: Alarm Current Too High".
  answerText(): string;
  // "Add 12"; enabled when any fit.
  addText(): string;
  addEnabled(): boolean;
  // Adds them as one step of the editor; then read the editor again.
  add(): boolean;
  helpTopic(): number;
}

export interface LoopEditorTypes {
  // Opens on loop 1 to 8 of the session's document (RangeError for another);
  // the session must outlive it.
  LoopEditor: new (session: Session, loop: number) => LoopEditor;
  CableLayout: new (editor: LoopEditor) => CableLayout;
  CableComparison: new (editor: LoopEditor) => CableComparison;
  // The core's row of the device table (`other` false) or the Other Device
  // table (RangeError for another).
  HowManyMore: new (editor: LoopEditor, row: number, other: boolean) => HowManyMore;
  // Whether a number box takes a typed character: quantities and the
  // impedance take a decimal point; a refused key beeps and is dropped.
  loopEntryAccepts(key: string, decimalPoint: boolean): boolean;
  noDeviceRowsText: string;
}
