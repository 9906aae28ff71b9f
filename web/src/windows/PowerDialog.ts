// The power supply window, as the desktop's: the rule with its periods and
// factor, the panel's own currents, the ancillary loads and the fitted
// battery, with the summary and the working under them, worked out by the
// power core from the boxes as they are typed. OK stores them (one undo
// step of the site); Cancel and Esc ask first after a change.
import './PowerDialog.css';
import { html, nothing, type TemplateResult } from 'lit';
import { live } from 'lit/directives/live.js';
import type { PowerBox, PowerBoxes, PowerLoadBoxes, PowerRefusal, PowerResult, PowerWindow } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { OneAtATime } from '../dialogs/OneAtATime.js';
import { setHelpTopic } from '../help/Help.js';
import { announceAccessKeys, keyed, takeAccessKeys } from '../loop/AccessKeys.js';

type LoadField = keyof PowerLoadBoxes;
type OwnBox = 'standbyHours' | 'alarmMinutes' | 'factor' | 'panelStandby' | 'panelAlarm' | 'fitted';

const boxIds: Record<OwnBox, string> = {
  standbyHours: 'txtStandby', alarmMinutes: 'txtAlarm', factor: 'txtFactor',
  panelStandby: 'txtPanelStandby', panelAlarm: 'txtPanelAlarm', fitted: 'cmbFitted',
};
const loadFields: Record<string, LoadField> = { loadQuantity: 'quantity', loadStandby: 'standby', loadAlarm: 'alarm' };
const loadColumns: [LoadField, string][] = [
  ['description', 'Description'], ['quantity', 'Quantity'], ['standby', 'Standby (mA each)'], ['alarm', 'Alarm (mA each)']];

class PowerDialogWindow {
  private readonly core: PowerWindow;
  private readonly modal: Modal;
  private boxes: PowerBoxes;
  // The load Remove Load takes: the row last in use, -1 for none.
  private currentLoad = -1;
  private readonly asking = new OneAtATime();
  private closed!: () => void;

  constructor(private readonly app: App) {
    this.core = new app.module.PowerWindow(app.session);
    this.boxes = this.core.boxes();
    this.modal = new Modal(this.core.caption(), () => void this.cancel());
    setHelpTopic(this.modal.element, this.core.helpTopic());
    this.modal.element.classList.add('power-supply');
    takeAccessKeys(this.modal.element);
  }

  run(): Promise<void> {
    return new Promise((resolve) => {
      this.closed = resolve;
      this.redraw();
      this.modal.open('#cmbRule');
    });
  }

  private set(change: Partial<PowerBoxes>): void {
    this.boxes = { ...this.boxes, ...change };
    this.redraw();
  }

  private setLoad(row: number, field: LoadField, text: string): void {
    this.set({ loads: this.boxes.loads.map((load, at) => (at === row ? { ...load, [field]: text } : load)) });
  }

  // A new rule, or voice evacuation ticked or cleared: the core gives the rule's periods and factor.
  private chooseRule(rule: number, voiceEvacuation: boolean): void {
    this.boxes = this.core.withRule(this.boxes, rule, voiceEvacuation);
    this.redraw();
  }

  private addLoad(): void {
    this.currentLoad = this.boxes.loads.length;
    this.set({ loads: [...this.boxes.loads, this.core.newLoad()] });
    this.loadBox(this.currentLoad, 'description')?.focus();
  }

  private removeLoad(): void {
    if (this.currentLoad < 0) return;
    const loads = this.boxes.loads.filter((_, at) => at !== this.currentLoad);
    this.currentLoad = Math.min(this.currentLoad, loads.length - 1);
    this.set({ loads });
    (this.loadBox(this.currentLoad, 'description') ?? this.modal.element.querySelector<HTMLElement>('#btnAddLoad'))?.focus();
  }

  private focusLoad(row: number): void {
    if (this.currentLoad === row) return;
    this.currentLoad = row;
    this.redraw();
  }

  private loadBox(row: number, field: LoadField): HTMLInputElement | null {
    return this.modal.element.querySelector(`input[data-load="${row}"][data-field=${field}]`);
  }

  private boxOf(refusal: PowerRefusal): HTMLInputElement | null {
    const field = loadFields[refusal.box];
    return field ? this.loadBox(refusal.row, field) : this.modal.element.querySelector(`#${boxIds[refusal.box as OwnBox]}`);
  }

  private async ok(): Promise<void> {
    const boxes = this.boxes;
    const refusal = await this.asking.run(() => this.core.ok(boxes));
    if (refusal === null) this.close();
    else if (refusal) {
      // The refusal's box may still be open: the focus goes back once it is answered.
      await this.app.boxes.settled();
      const box = this.boxOf(refusal);
      box?.focus();
      box?.select();
    }
  }

  private async cancel(): Promise<void> {
    const boxes = this.boxes;
    if (await this.asking.run(() => this.core.mayDiscard(boxes))) this.close();
  }

  private close(): void {
    this.modal.close();
    this.core.delete();
    this.closed();
  }

  // A number box of the window's own, marked while the core refuses it.
  private box(box: OwnBox, refused: PowerBox | undefined, extra: { disabled?: boolean; placeholder?: string } = {}) {
    return html`<input type="text" class="number" id=${boxIds[box]} autocomplete="off" spellcheck="false"
      inputmode="decimal" placeholder=${extra.placeholder ?? nothing} ?disabled=${extra.disabled}
      aria-invalid=${refused === box ? 'true' : 'false'} .value=${live(this.boxes[box] as string)}
      @input=${(event: InputEvent) => this.set({ [box]: (event.target as HTMLInputElement).value })}>`;
  }

  private rule(refused: PowerBox | undefined): TemplateResult {
    const { rule, voiceEvacuation } = this.boxes;
    return html`<fieldset class="group" id="fraRule"><legend>Rule</legend><div class="form">
      <label for="cmbRule">${keyed('&Rule:')}</label>
      <select id="cmbRule" @change=${(event: Event) =>
        this.chooseRule((event.target as HTMLSelectElement).selectedIndex, voiceEvacuation)}>
        ${this.core.ruleNames().map((name, at) => html`<option .selected=${live(at === rule)}>${name}</option>`)}
      </select>
      <label class="check wide"><input type="checkbox" id="chkVoice" .checked=${live(voiceEvacuation)}
        ?disabled=${!this.core.voiceEvacuationOffered(rule)}
        @change=${(event: Event) => this.chooseRule(rule, (event.target as HTMLInputElement).checked)}>
        <span>${keyed('&Voice evacuation (15 min alarm period)')}</span></label>
      <label for="txtStandby">${keyed('&Standby Period (h):')}</label>${this.box('standbyHours', refused)}
      <label for="txtAlarm">${keyed('&Alarm Period (min):')}</label>${this.box('alarmMinutes', refused)}
      <label for="txtFactor">${keyed('&Factor:')}</label>
      ${this.box('factor', refused, { disabled: !this.core.factorEditable(rule) })}
    </div></fieldset>`;
  }

  private panel(refused: PowerBox | undefined): TemplateResult {
    return html`<fieldset class="group" id="fraPanel"><legend>Control Panel's Own Currents</legend><div class="form">
      <label for="txtPanelStandby">${keyed('Standb&y (mA):')}</label>
      ${this.box('panelStandby', refused, { placeholder: "Panel's own" })}
      <span class="note" id="lblPanelStandbyHint">${this.core.panelStandbyHint()}</span>
      <label for="txtPanelAlarm">${keyed('&In Alarm (mA):')}</label>
      ${this.box('panelAlarm', refused, { placeholder: "Panel's own" })}
      <span class="note" id="lblPanelAlarmHint">${this.core.panelAlarmHint()}</span>
    </div></fieldset>`;
  }

  private loads(refused: PowerRefusal | null): TemplateResult {
    const loads = this.boxes.loads;
    const invalid = (row: number, field: LoadField) => refused !== null && refused.row === row &&
      loadFields[refused.box] === field;
    return html`<fieldset class="group" id="fraLoads">
      <legend><label for="loadDescription0">${keyed('Ancillary &Loads on the Battery')}</label></legend>
      <div class="loads">
        <div class="rows-scroll"><table class="rows" id="grdLoads" aria-label="Ancillary Loads on the Battery">
          <colgroup><col><col class="quantity"><col class="current"><col class="current"></colgroup>
          <thead><tr>${loadColumns.map(([field, heading]) =>
            html`<th scope="col" class=${field === 'description' ? '' : 'num'}>${heading}</th>`)}</tr></thead>
          <tbody>${loads.map((load, row) => html`<tr class=${row === this.currentLoad ? 'current' : ''}
              @focusin=${() => this.focusLoad(row)}>
            ${loadColumns.map(([field, heading]) => html`<td><input type="text" data-load=${row} data-field=${field}
              id=${field === 'description' ? `loadDescription${row}` : nothing}
              class=${field === 'description' ? '' : 'number'} autocomplete="off" spellcheck="false"
              aria-label=${`${heading}, load ${row + 1}`} aria-invalid=${invalid(row, field) ? 'true' : 'false'}
              .value=${live(load[field])}
              @input=${(event: InputEvent) => this.setLoad(row, field, (event.target as HTMLInputElement).value)}></td>`)}
          </tr>`)}</tbody>
        </table></div>
        <div class="side">
          <button type="button" id="btnAddLoad" @click=${() => this.addLoad()}>${keyed('A&dd Load')}</button>
          <button type="button" id="btnRemoveLoad" ?disabled=${this.currentLoad < 0 || this.currentLoad >= loads.length}
            @click=${() => this.removeLoad()}>${keyed('Re&move Load')}</button>
        </div>
      </div>
    </fieldset>`;
  }

  private battery(shown: PowerResult): TemplateResult {
    const refused = shown.refused?.box;
    return html`<fieldset class="group" id="fraBattery"><legend>Battery</legend>
      <div class="fitted">
        <label for="cmbFitted">${keyed('Fitted &Battery (Ah):')}</label>
        <input type="text" class="number" id="cmbFitted" list="lstBatteries" autocomplete="off" spellcheck="false"
          aria-invalid=${refused === 'fitted' ? 'true' : 'false'} .value=${live(this.boxes.fitted)}
          @input=${(event: InputEvent) => this.set({ fitted: (event.target as HTMLInputElement).value })}>
        <datalist id="lstBatteries">${this.core.batteryChoices().map((choice) => html`<option value=${choice}></option>`)}</datalist>
        <span class="note">12 V batteries, in pairs for a 24 V panel</span>
      </div>
      <p id="lblSummary" class=${shown.pass ? 'pass' : 'fail'} role="status">${shown.summary}</p>
      <pre id="txtWorking" role="region" tabindex="0" aria-label="Working">${shown.working.join('\n')}</pre>
    </fieldset>`;
  }

  private redraw(): void {
    const shown = this.core.result(this.boxes);
    const refused = shown.refused;
    this.modal.draw(html`<div class="body">
      <h2>${this.core.caption()}</h2>
      <div class="content power-supply-content">
        <div class="top">${this.rule(refused?.box)}${this.panel(refused?.box)}</div>
        ${this.loads(refused)}
        ${this.battery(shown)}
      </div>
      <div class="buttons">
        <button type="button" class="primary" id="btnOK" @click=${() => void this.ok()}>OK</button>
        <button type="button" id="btnCancel" @click=${() => void this.cancel()}>Cancel</button>
      </div>
    </div>`);
    announceAccessKeys(this.modal.element);
  }
}

// Opens the power supply window on the site; resolves once it has closed.
export function openPowerSupply(app: App): Promise<void> {
  return new PowerDialogWindow(app).run();
}
