// The loop editor over the main window, as the desktop's: the loop's name,
// its devices and totals over the voltage plot on the left, the parameters
// and the result on the right, Undo and Redo beside OK and Cancel. Every
// text, number and verdict is the loop editor core's, read again after
// every change.
import './loop.css';
import { html } from 'lit';
import type { LoopEditor } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { setHelpTopic } from '../help/Help.js';
import { openCableLayout } from '../windows/CableLayoutDialog.js';
import { openPlaceIsolators } from '../windows/PlaceIsolatorsDialog.js';
import { openCompareCables } from '../windows/CompareCablesDialog.js';
import { openHowManyMore } from '../windows/HowManyMoreDialog.js';
import { historyButtons, windowKey } from '../windows/HistoryButtons.js';
import { announceAccessKeys, keyed } from './AccessKeys.js';
import { chooseDeviceType } from './DeviceTypeChooserDialog.js';
import { LoopInput } from './LoopInput.js';
import { deviceTables, totals } from './LoopTables.js';
import { parametersColumn } from './ParametersColumn.js';
import { VoltagePlotView } from './VoltagePlotView.js';

// After a committed quantity's new results are drawn (the speed test reads it).
const quantityCommitted = 'ferrolux-quantity-committed';

class LoopEditorWindow {
  readonly core: LoopEditor;
  readonly input: LoopInput;
  readonly noRowsText: string;
  readonly filter = { text: '', inUseOnly: false };
  readonly tabRows = { device: -1, other: -1 };
  private readonly modal: Modal;
  private readonly plot: VoltagePlotView;
  private closed!: () => void;

  constructor(private readonly app: App, loop: number) {
    this.core = new app.module.LoopEditor(app.session, loop);
    this.noRowsText = app.module.noDeviceRowsText;
    this.modal = new Modal(this.core.caption(), () => void this.cancel());
    this.modal.element.classList.add('loop-editor');
    setHelpTopic(this.modal.element, this.core.helpTopic());
    this.modal.element.addEventListener('keydown', (event) => this.keydown(event));
    // A key the box refuses beeps and is dropped, as on the desktop.
    const accepts = (key: string, decimalPoint: boolean) =>
      app.module.loopEntryAccepts(key, decimalPoint) || (app.boxes.beep(), false);
    this.input = new LoopInput(accepts, () => this.redraw(), (key) => this.committed(key),
      (to) => to instanceof Node && this.root.contains(to) && to !== this.root.querySelector('#btnCancel'));
    this.plot = new VoltagePlotView(app.module, app.session, loop, () => this.redraw());
  }

  get root(): HTMLElement {
    return this.modal.element;
  }

  // Resolves once the editor has closed.
  run(): Promise<void> {
    return new Promise((resolve) => {
      this.closed = resolve;
      this.redraw();
      this.modal.open('#txtLoopName');
      this.plot.observe(this.root.querySelector('#picVoltagePlot')!);
    });
  }

  // A change of a control other than a number box, refused while a call or
  // a refused number holds the editor (the control shows the core's again).
  change(action: () => void, replot = true): void {
    if (this.input.held) {
      this.redraw();
      return;
    }
    action();
    if (replot) this.replot();
    else this.redraw();
  }

  private replot(): void {
    this.plot.refresh();
    this.redraw();
  }

  filterDevices(text: string, inUseOnly: boolean): void {
    if (!this.input.held) {
      Object.assign(this.filter, { text, inUseOnly });
      this.core.setDeviceFilter(text, inUseOnly);
    }
    this.redraw();
  }

  async addRow(): Promise<void> {
    if (this.input.held) return;
    const type = await this.input.call(() => chooseDeviceType(this.app.module, this.app.session));
    if (type === undefined || type === null) return;
    const row = this.core.addDeviceRow(type);
    this.replot();
    this.root.querySelector<HTMLElement>(`[data-entry="device:${row}"]`)?.focus();
  }

  private committed(key: string): void {
    this.replot();
    if (key.startsWith('device:') || key.startsWith('other:')) performance.mark(quantityCommitted);
  }

  private step(undo: boolean): void {
    this.change(() => (undo ? this.core.undo() : this.core.redo()));
  }

  // The layout window works on the loop; what its OK writes is read again here.
  async cableLayout(): Promise<void> {
    if (this.input.held) return;
    if (await this.input.call(() => openCableLayout(this.app, this.core))) this.replot();
  }

  // OK there puts the isolators into the loop: a step of the editor, read again here.
  private async placeIsolators(): Promise<void> {
    if (this.input.held) return;
    if (await this.input.call(() => openPlaceIsolators(this.app, this.core))) this.replot();
  }

  // A cable used there is the editor's step, read again here.
  async compareCables(): Promise<void> {
    if (this.input.held) return;
    if (await this.input.call(() => openCompareCables(this.app, this.core))) this.replot();
  }

  // Add places them through the editor; what it added is read again here.
  async howManyMore(other: boolean, row: number): Promise<void> {
    if (this.input.held) return;
    if (await this.input.call(() => openHowManyMore(this.app, this.core, row, other))) this.replot();
  }

  private async ok(): Promise<void> {
    if (this.input.held) return;
    const done = await this.input.call(() => this.core.ok());
    if (done) this.close();
    else if (done === false) this.root.querySelector<HTMLElement>('#txtTotalLength')?.focus();
  }

  // Cancel and Esc: a typed number goes with the changes, once the core agrees.
  private async cancel(): Promise<void> {
    if (this.input.pending) return;
    this.input.abandon();
    if (await this.input.call(() => this.core.cancel())) this.close();
  }

  private close(): void {
    this.input.closing = true;
    this.plot.dispose();
    this.modal.close();
    this.core.delete();
    this.closed();
  }

  // Alt and a letter; Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) undo and redo the
  // editor's steps, but for a box's own typing.
  private keydown(event: KeyboardEvent): void {
    const row = /^(device|other):(\d+)$/.exec((event.target as HTMLElement).dataset?.entry ?? '');
    if (row && event.ctrlKey && event.key.toLowerCase() === 'm') {
      event.preventDefault();
      void this.howManyMore(row[1] === 'other', Number(row[2]));
      return;
    }
    windowKey(event, this.root, this.input, (undo) => this.step(undo));
  }

  // The name's box is not bound live: it keeps the name as typed, while the
  // core's is trimmed.
  redraw(): void {
    const core = this.core;
    const caption = core.caption();
    const parameters = core.parameters();
    const results = this.input.stale ? core.staleResults() : core.results();
    const history = core.history();
    this.root.setAttribute('aria-label', caption);
    this.modal.draw(html`<div class="body">
      <h2>${caption}</h2>
      <div class="editor">
        <div class="loop-main">
          <div class="loop-name">
            <label for="txtLoopName">${keyed('Loop &Name')}</label>
            <input type="text" id="txtLoopName" placeholder="Where the loop runs, for example: Yard and loading bays"
              autocomplete="off" .value=${core.loopName()} @input=${(event: InputEvent) => this.change(() =>
                core.setLoopName((event.target as HTMLInputElement).value), false)}>
          </div>
          <div class="tables">${deviceTables(this)}</div>
          ${totals(results, parameters.maxAlarm)}
          ${this.plot.render()}
        </div>
        ${parametersColumn(this, parameters, results)}
      </div>
      <div class="buttons">
        ${historyButtons(history, (undo) => this.step(undo))}
        <button type="button" id="btnPlaceIsolators" @click=${() => void this.placeIsolators()}>${keyed('&Place Isolators...')}</button>
        <span class="spacer"></span>
        <button type="button" class="primary" id="btnOK" @click=${() => void this.ok()}>OK</button>
        <button type="button" id="btnCancel" @click=${() => void this.cancel()}>Cancel</button>
      </div>
    </div>`);
    announceAccessKeys(this.root);
  }
}

// Opens the editor on the loop; resolves once it has closed, the loop kept
// with OK (a step of the document's history) or put back with Cancel.
export function openLoopEditor(app: App, loop: number): Promise<void> {
  return new LoopEditorWindow(app, loop).run();
}
