// The main window, the power supply window, the options dialog and the
// device-type chooser. Each works on a started Session, which must outlive
// it; free each with delete() when its window closes. Every text, number and
// verdict is the core's: show them as they are.

import type { Deletable, MaybePromise, Session } from './session.js';
import type { HistoryTexts } from './loop-editor.js';

// A loop's row (1 to 8) of the main window.
export interface MainLoopRow {
  loop: number;
  // The current panel has this loop.
  shown: boolean;
  name: string;
  devices: string;
  quiescent: string;
  alarm: string;
  passFail: string;
  // Tints the verdict: green when true, red when false.
  satisfactory: boolean;
  // The loop along its cable ('' for a loop without devices).
  alongCable: string;
  alongCablePass: boolean;
  // Shown greyed, as a hint beside the loop's own verdict, rather than as a verdict.
  alongCableHint: boolean;
  // Every check behind it, a line each (the tooltip).
  alongCableDetails: string[];
  // The tightest limit's spare ('' without devices), red while below the
  // spare the project asks for; every limit in the details.
  spare: string;
  spareBelow: boolean;
  spareDetails: string[];
}

export interface MainTotals {
  devices: string;
  quiescent: string;
  alarm: string;
  passFail: string;
  satisfactory: boolean;
  alarmNoteVisible: boolean;
  // "(max. permissible = 1600 mA)", shown while alarmNoteVisible.
  alarmNotes: string;
  // Whether every loop keeps the spare asked for ('' when none is asked).
  spare: string;
  spareBelow: boolean;
  spareDetails: string[];
}

// The standby battery line under the totals.
export interface PowerLine {
  text: string;
  pass: boolean;
}

export interface PanelChoice {
  name: string;
  // The panel's place in the catalogue: what changePanel takes.
  position: number;
}

export interface PanelManufacturer {
  name: string;
  position: number;
  panels: PanelChoice[];
}

// The panel chooser: manufacturers with their panels (the user's own among
// them); the current panel's indexes in these lists, -1 for none.
export interface PanelOutline {
  manufacturers: PanelManufacturer[];
  selectedManufacturer: number;
  selectedPanel: number;
  // The current panel's manufacturer, shown beside the chooser ('' for none).
  manufacturer: string;
}

// Unchanged: already the current panel. Abandoned: the user cancelled a
// question, the current panel stays. Applied: every loop recalculated.
export type PanelChange = 'unchanged' | 'abandoned' | 'applied';

// A loop offered by the Copy Loop To and Clear Loop dialogs ("3  Yard").
export interface LoopChoice {
  loop: number;
  text: string;
}

// An entry of the File menu's recent files; both '' when unused.
export interface RecentFile {
  caption: string;
  path: string;
}

// What frmMain shows and does. After any call that changes the document
// (a panel change, a copy, a clear, undo or redo), read the rows, the totals
// and the Edit menu again.
export interface MainWindow extends Deletable {
  // null for a number outside 1 to 8.
  loopRow(loop: number): MainLoopRow | null;
  totals(): MainTotals;
  powerLine(): PowerLine;
  panelOutline(): PanelOutline;
  currentPanel(): number;
  // May ask before loops or devices the panel cannot hold are dropped.
  changePanel(position: number): MaybePromise<PanelChange>;
  siteName(): string;
  // Each key typed: the keys of one name typed in a row are one undo step.
  setSiteName(text: string): void;
  loopRowShown(loop: number): boolean;
  // Where a copy of `loop` goes unless the user says otherwise.
  nextShownLoop(loop: number): number;
  loopChoices(): LoopChoice[];
  // True when the copy or the clear was made (a refusal or a question may come first).
  copyLoop(from: number, to: number): MaybePromise<boolean>;
  clearLoop(loop: number): MaybePromise<boolean>;
  // The Edit menu's Undo and Redo; after either, read every part again.
  history(): HistoryTexts;
  undo(): boolean;
  redo(): boolean;
  recentFiles(): RecentFile[];
  // A recent file the page can no longer reach (no handle kept, or it has
  // moved): true when the user wants to choose it in the file picker.
  askToChooseAgain(path: string): MaybePromise<boolean>;
  windowTitle(): string;
}

// The power window's boxes as typed; `rule` is the place in ruleNames().
export interface PowerLoadBoxes {
  description: string;
  quantity: string;
  standby: string;
  alarm: string;
}

export interface PowerBoxes {
  rule: number;
  voiceEvacuation: boolean;
  standbyHours: string;
  alarmMinutes: string;
  factor: string;
  // '' for the panel's own.
  panelStandby: string;
  panelAlarm: string;
  loads: PowerLoadBoxes[];
  // 'None' or '' for no battery.
  fitted: string;
}

export type PowerBox =
  | 'standbyHours' | 'alarmMinutes' | 'factor' | 'panelStandby' | 'panelAlarm'
  | 'loadQuantity' | 'loadStandby' | 'loadAlarm' | 'fitted';

// The box to correct (`row`: the load, -1 for the other boxes) and why.
export interface PowerRefusal {
  box: PowerBox;
  row: number;
  message: string;
}

// What the window shows as the boxes change: the summary (the refusal's
// message while a box needs correcting) and the working, a line each.
export interface PowerResult {
  refused: PowerRefusal | null;
  summary: string;
  pass: boolean;
  working: string[];
}

export interface PowerWindow extends Deletable {
  caption(): string;
  helpTopic(): number;
  ruleNames(): string[];
  // The boxes for the site's settings.
  boxes(): PowerBoxes;
  // A new rule, or voice evacuation ticked or cleared: the periods and the factor become the rule's.
  withRule(boxes: PowerBoxes, rule: number, voiceEvacuation: boolean): PowerBoxes;
  voiceEvacuationOffered(rule: number): boolean;
  factorEditable(rule: number): boolean;
  // The boxes of a load just added.
  newLoad(): PowerLoadBoxes;
  panelStandbyHint(): string;
  panelAlarmHint(): string;
  batteryChoices(): string[];
  hasChanges(boxes: PowerBoxes): boolean;
  result(boxes: PowerBoxes): PowerResult;
  // OK: null once stored (one undo step), else the refusal, already told.
  ok(boxes: PowerBoxes): MaybePromise<PowerRefusal | null>;
  // Cancel: true when the window may close (asks first after a change).
  mayDiscard(boxes: PowerBoxes): MaybePromise<boolean>;
}

export interface ProjectBoxes {
  number: string;
  client: string;
  designer: string;
  checkedBy: string;
  revision: string;
  revisionDate: string;
  // Lines end with '\n'.
  notes: string;
  // Percent of every loop, 0 for none.
  spareRequired: number;
}

export type ProjectBox = keyof ProjectBoxes;
export type ProjectLineBox = Exclude<ProjectBox, 'notes' | 'spareRequired'>;

export interface ProjectWindow extends Deletable {
  caption(): string;
  helpTopic(): number;
  // The one-line boxes in order, each label with its '&'.
  lines(): { box: ProjectLineBox; label: string }[];
  notesLabel(): string;
  spareLabel(): string;
  // What the spare capacity box shows at 0.
  noSpare(): string;
  longestLine(): number;
  mostSpare(): number;
  // False for a read-only site: the boxes are shown, not taken.
  editable(): boolean;
  boxes(): ProjectBoxes;
  hasChanges(boxes: ProjectBoxes): boolean;
  // OK: null once stored (one undo step), else the box to correct, already told.
  ok(boxes: ProjectBoxes): MaybePromise<{ box: ProjectBox; message: string } | null>;
  // Cancel: true when the window may close (asks first after a change).
  mayDiscard(boxes: ProjectBoxes): MaybePromise<boolean>;
}

// An entry of the family list (`number`: the family) or of the Standard
// Devices list (`number`: the device type code).
export interface OptionsListEntry {
  text: string;
  number: number;
  selected: boolean;
}

export interface CableGroupChoice {
  name: string;
  group: number;
  enabled: boolean;
}

export interface UnitLabels {
  length: string;
  impedance: string;
  impedanceTemp: string;
}

// Tabs: 0 families, 1 Standard Devices, 2 units, 3 cables.
export interface OptionsRefusal {
  tab: number;
  message: string;
}

// What frmOptions shows and does; nothing is stored before ok().
export interface OptionsDialog extends Deletable {
  caption(): string;
  families(): OptionsListEntry[];
  // Read again after a family is selected or unselected.
  standardDevices(): OptionsListEntry[];
  cableGroups(): CableGroupChoice[];
  // 0 metric, 1 imperial.
  units(): number;
  setFamilySelected(entry: number, selected: boolean): void;
  setStandardSelected(entry: number, selected: boolean): void;
  setCableGroupEnabled(entry: number, enabled: boolean): void;
  setUnits(units: number): void;
  familyCountText(): string;
  standardCountText(): string;
  unitLabels(units: number): UnitLabels;
  helpTopic(tab: number): number;
  // null once stored; else the refusal, already told, and the tab to show.
  ok(): MaybePromise<OptionsRefusal | null>;
}

export interface DeviceTypeFamily {
  name: string;
  family: number;
  types: { name: string; code: number }[];
}

// An outline item: indexes into outline(), `type` null for the family itself.
export interface DeviceTypeItem {
  family: number;
  type: number | null;
}

// What frmDeviceType shows and does.
export interface DeviceTypeChooser extends Deletable {
  caption(): string;
  // The choice, or why there is none.
  headingText(): string;
  expandHint(): string;
  // No families to offer: show only the heading.
  isEmpty(): boolean;
  outline(): DeviceTypeFamily[];
  current(): DeviceTypeItem | null;
  // `family` null makes no item current.
  setCurrent(family: number | null, type: number | null): void;
  // OK is enabled.
  checkEnables(): boolean;
  // The chosen type's code; null while OK is disabled or after saying the type cannot be chosen.
  ok(): MaybePromise<number | null>;
}

export interface MainWindowTypes {
  MainWindow: new (session: Session) => MainWindow;
  PowerWindow: new (session: Session) => PowerWindow;
  ProjectWindow: new (session: Session) => ProjectWindow;
  OptionsDialog: new (session: Session) => OptionsDialog;
  DeviceTypeChooser: new (session: Session) => DeviceTypeChooser;
}
