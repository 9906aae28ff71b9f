// The control-panel editor: a user-defined panel's figures, box by box in
// the desktop's order, each key checked by the core (Enter goes on to the
// next box); a standard panel shown only. OK hands the boxes to the core,
// which refuses (the box to correct gets the focus), asks, or stores.
import './panels.css';
import { html, nothing, type TemplateResult } from 'lit';
import type { PanelEditor } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { announceAccessKeys, keyed, takeAccessKeys } from '../loop/AccessKeys.js';

interface Row {
  label: string;
  units?: string;
  note?: string;
}

// In field order (PanelField); the power supply's from FirstPowerRow on.
const rows: Row[] = [
  { label: '&Name:' },
  { label: 'Manufacturer:' },
  { label: 'Number of &Loops:' },
  { label: 'Loop Driver &Impedance:', units: 'ohms', note: '(positive + negative connections)' },
  { label: "Ma&x. LED's in Alarm condition:", units: 'per loop' },
  { label: "Max. &Remote LED's in Alarm condition:", units: 'per loop' },
  { label: 'Max. &Outputs activated:', units: 'per loop', note: '(I/O Units, Output Units, Sounders)' },
  { label: 'Max. Loop &Current:', units: 'mA per loop' },
  { label: '&Total Current available to Loops:', note: '(when in radial topology)' },
  { label: 'Min. Loop Driver Output &Voltage:', note: '(at final battery voltage, excluding Pulse voltage)' },
  { label: 'Max. Points &between Isolators:', units: 'per section', note: '(devices a short circuit takes out)' },
  { label: 'Panel &Standby Current:', units: 'mA', note: '(on battery, loops excluded)' },
  { label: 'Panel Alar&m Current:', units: 'mA', note: '(loops excluded)' },
  { label: 'Max. Battery Ca&pacity:', units: 'Ah', note: '(the largest it can hold and charge)' },
  { label: 'C&harger Current:', units: 'mA' },
];
const FirstPowerRow = 11;
const ManufacturerRow = 1;
const OkField = rows.length;

// Opens the editor on the panel at this catalogue position (-1 for a new
// one) and resolves once it closes.
export async function editPanel(app: App, position: number): Promise<void> {
  const core = new app.module.PanelEditor(app.session);
  try {
    if (await core.open(position)) await new PanelEditorDialog(app, core).run();
  } finally {
    core.delete();
  }
}

class PanelEditorDialog {
  private readonly modal: Modal;
  private finished: () => void = () => {};

  constructor(private readonly app: App, private readonly core: PanelEditor) {
    this.modal = new Modal(app.module.panelEditorCaption, () => this.finish());
    takeAccessKeys(this.modal.element);
  }

  run(): Promise<void> {
    return new Promise((resolve) => {
      this.finished = resolve;
      this.draw();
      this.fill(this.core.boxes());
      this.modal.open(this.core.readOnly() ? '.close' : '#panelField0');
    });
  }

  private finish(): void {
    this.modal.close();
    this.finished();
  }

  private box(field: number): HTMLInputElement {
    return this.modal.element.querySelector<HTMLInputElement>(`#panelField${field}`)!;
  }

  private fill(texts: string[]): void {
    texts.forEach((text, field) => (this.box(field).value = text));
  }

  private focusField(field: number, select: boolean): void {
    if (field >= OkField) {
      this.modal.element.querySelector<HTMLButtonElement>(this.core.readOnly() ? '.close' : '.ok')?.focus();
      return;
    }
    const box = this.box(field);
    box.focus();
    if (select) box.select();
  }

  // A typed key as the core sees it: Enter as "\r"; editing and moving keys,
  // and shortcuts, pass untouched.
  private keydown(field: number, event: KeyboardEvent): void {
    const typed = event.key === 'Enter' ? '\r'
      : event.ctrlKey || event.altKey || event.metaKey || [...event.key].length !== 1 ? null : event.key;
    if (typed === null) return;
    const action = this.app.module.panelKeyPressed(field, typed);
    if (action === 'accept') return;
    event.preventDefault();
    if (action === 'next') this.focusField(this.app.module.nextPanelField(field), false);
    else this.app.boxes.beep();
  }

  private async ok(): Promise<void> {
    const outcome = await this.core.ok(rows.map((_, field) => this.box(field).value));
    this.box(0).value = outcome.name;
    if (outcome.close) {
      this.finish();
      return;
    }
    // A refusal's box is shown while the call goes on: the focus once it is gone.
    await this.app.boxes.settled();
    this.focusField(outcome.focus, true);
  }

  private draw(): void {
    const readOnly = this.core.readOnly();
    const line = (row: Row, field: number): TemplateResult => {
      const locked = readOnly || field === ManufacturerRow;
      // The name and the manufacturer are words, the rest figures.
      const words = field <= ManufacturerRow;
      return html`<label for=${`panelField${field}`}>${keyed(row.label)}</label>
        <input type="text" id=${`panelField${field}`} class=${words ? 'words' : 'number'} ?readonly=${locked}
          tabindex=${field === ManufacturerRow ? -1 : 0} spellcheck="false" autocomplete="off"
          aria-describedby=${row.units || row.note ? `panelNote${field}` : nothing}
          @keydown=${(event: KeyboardEvent) => this.keydown(field, event)}>
        ${words ? nothing : html`<span class="units" id=${`panelNote${field}`}>${row.units ?? ''}${row.units && row.note ? ' ' : ''}<span
          class="note">${row.note ?? ''}</span></span>`}`;
    };
    this.modal.draw(html`<form class="body panel-editor" @submit=${(event: Event) => event.preventDefault()}>
      <h2>${this.app.module.panelEditorCaption}</h2>
      <div class="content">
        <div class="panel-grid">${rows.slice(0, FirstPowerRow).map((row, at) => line(row, at))}</div>
        <fieldset>
          <legend>Power Supply (optional)</legend>
          <div class="panel-grid">${rows.slice(FirstPowerRow).map((row, at) => line(row, FirstPowerRow + at))}</div>
        </fieldset>
      </div>
      <div class="buttons">
        <p class="notes" role="note">${this.core.notes()}</p>
        ${readOnly ? nothing : html`<button type="button" class="primary ok" @click=${() => void this.ok()}>OK</button>`}
        <button type="button" class="close" @click=${() => this.finish()}>${keyed(this.core.closeCaption())}</button>
      </div>
    </form>`);
    announceAccessKeys(this.modal.element);
  }
}
