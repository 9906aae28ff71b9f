// The control-panel editor (frmPanel) and the list of user-defined panels
// (frmDeletePanels). Both work on the session, which must outlive them.
// Saving or deleting a panel writes the user's panel file, which the module
// keeps in the browser's storage.

import type { Deletable, MaybePromise, Session } from './session.js';

// The editor's boxes in tab and Enter order, as indices of boxes():
// 0 Name, 1 Manufacturer (shown only), 2 Loops, 3 Impedance, 4 LED,
// 5 RemoteLED, 6 Output, 7 LoopCurrent, 8 TotalCurrent, 9 Voltage,
// 10 IsolatorPoints, then the optional power supply figures 11
// StandbyCurrent, 12 AlarmCurrent, 13 MaxBattery, 14 ChargerCurrent; 15 is
// the OK button.
export type PanelField = number;

export interface PanelOkOutcome {
  // Close the editor; otherwise the focus goes to `focus`, its text selected.
  close: boolean;
  focus: PanelField;
  // A panel was stored (or loops were cleared): refill the panel chooser
  // and the panel menus (customPanelMenu).
  changed: boolean;
  // The name as OK read it, for the name box.
  name: string;
}

export interface PanelEditor extends Deletable {
  // The panel at this catalogue position, or -1 for a new one; false (after
  // a box) when there is none: the editor closes.
  open(panelNum: number): MaybePromise<boolean>;
  // A standard panel is only shown: locked boxes, no OK, "Close".
  readOnly(): boolean;
  notes(): string;
  closeCaption(): string;
  boxes(): string[];
  // The boxes' texts in field order: checks, asks and stores.
  ok(entries: string[]): MaybePromise<PanelOkOutcome>;
}

export interface PanelListItem {
  name: string;
  position: number;  // in the catalogue, for PanelEditor.open
}

export interface PanelDeleteOutcome {
  deleted: boolean;    // the item has left the list
  closeList: boolean;  // it was the last one: close the list
}

export interface PanelList extends Deletable {
  deleteMode(): boolean;
  caption(): string;
  actionCaption(): string;  // "&Delete" or "&Edit..."
  closeCaption(): string;
  items(): PanelListItem[];
  // An item clicked (its index in items()), -1 for none.
  choose(item: number): void;
  actionEnabled(): boolean;
  // Edit mode: the chosen panel's position for the editor, -1 for none.
  chosenPosition(): number;
  // Delete mode: the panel in use is refused with a message.
  deleteChosen(): MaybePromise<PanelDeleteOutcome>;
}

// A file of the user's as the program keeps it: the name to save it under
// and its bytes exactly.
export interface SharedFile {
  name: string;
  bytes: Uint8Array;
}

// What an import of panels stored; `failure` is why it stopped part way
// ('' when it did not), for the page to tell.
export interface PanelImport {
  added: number;
  replaced: number;
  changed: boolean;
  failure: string;
  // The caption to tell it under.
  caption: string;
}

// The user-defined panel file and the settings file handed out and taken in.
export interface SharedFiles extends Deletable {
  // null, after a box, while there is no such file yet.
  exportPanels(): MaybePromise<SharedFile | null>;
  exportOptions(): MaybePromise<SharedFile | null>;
  // The chosen file `name`: null when refused (told why); a panel whose name
  // is a user-defined panel's asks first, Yes / No / Cancel each.
  importPanels(name: string, bytes: Uint8Array): MaybePromise<PanelImport | null>;
  // True once the settings file is replaced; the page then starts again.
  importOptions(name: string, bytes: Uint8Array): MaybePromise<boolean>;
}

export interface SharedFileItems {
  exportPanels: string;
  importPanels: string;
  exportOptions: string;
  importOptions: string;
}

export interface PanelTypes {
  SharedFiles: new (session: Session) => SharedFiles;
  // The File menu's captions for them.
  sharedFileItems(): SharedFileItems;
  PanelEditor: new (session: Session) => PanelEditor;
  // Edit mode (false) or delete mode (true).
  PanelList: new (session: Session, deleteMode: boolean) => PanelList;
  panelEditorCaption: string;
  // What a typed character does in a box ("\r" for Enter): taken, the focus
  // on to nextPanelField, or refused with a beep.
  panelKeyPressed(field: PanelField, key: string): 'accept' | 'next' | 'refuse';
  nextPanelField(field: PanelField): PanelField;
  // Whether the Edit and Delete user-defined panel items are offered.
  customPanelMenu(session: Session): boolean;
}
