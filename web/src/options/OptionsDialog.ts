// The Options window: which device families are offered, the 'Standard'
// devices every loop shows, the units of measurement and the cable groups,
// on four tabs as the desktop has them. Every list, count and label is the
// options core's; nothing is stored before OK, and a refusal (told by the
// core) shows the tab it concerns.
import './options.css';
import { html, type TemplateResult } from 'lit';
import type { OptionsDialog as OptionsCore } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { setHelpTopic } from '../help/Help.js';
import { announceAccessKeys, keyed, pressAccessKey } from '../loop/AccessKeys.js';
import { mnemonic } from '../main/Menu.js';
import { checkList } from './CheckList.js';
import { TabStrip } from './TabStrip.js';

const tabs = ['Device &Families', "'&Standard' Devices", '&Units', '&Cables'];
const unitChoices = ['&Metric', '&Imperial'];
const UnitsTab = 2;

export class OptionsDialog {
  private readonly core: OptionsCore;
  private readonly modal: Modal;
  private readonly tabs: TabStrip;
  private finished: () => void = () => {};

  constructor(private readonly app: App) {
    this.core = new app.module.OptionsDialog(app.session);
    this.modal = new Modal(this.core.caption(), () => this.finish());
    this.tabs = new TabStrip('options', tabs, () => this.draw());
    this.modal.element.addEventListener('keydown', (event) => this.keydown(event));
  }

  run(): Promise<void> {
    return new Promise((resolve) => {
      this.finished = resolve;
      this.draw();
      this.modal.open('[role=tab][aria-selected=true]');
    });
  }

  private finish(): void {
    this.modal.close();
    this.core.delete();
    this.finished();
  }

  private async ok(): Promise<void> {
    const refusal = await this.core.ok();
    if (refusal === null) {
      this.finish();
      return;
    }
    await this.app.boxes.settled();
    this.tabs.show(refusal.tab, true);
  }

  // Alt and a letter acts on the shown page's controls and the tabs; on the
  // units page, whose only controls are its two choices, the letter alone too.
  private keydown(event: KeyboardEvent): void {
    const root = this.modal.element;
    const plainLetter = this.tabs.shown === UnitsTab && !event.ctrlKey && !event.metaKey && !event.altKey;
    const units = plainLetter ? unitChoices.findIndex((text) => {
      const { label, key } = mnemonic(text);
      return label[key].toLowerCase() === event.key.toLowerCase();
    }) : -1;
    if (units >= 0) this.chooseUnits(units);
    else if (event.key === 'Enter' && (event.target as HTMLElement).matches('input')) void this.ok();
    else if (!pressAccessKey(root, event)) return;
    event.preventDefault();
  }

  private chooseUnits(units: number): void {
    this.core.setUnits(units);
    this.draw();
    this.modal.element.querySelectorAll<HTMLInputElement>('input[type=radio]')[units].focus();
  }

  private draw(): void {
    this.modal.draw(html`<form class="body options-dialog" @submit=${(event: Event) => { event.preventDefault(); void this.ok(); }}>
      <h2>${this.core.caption()}</h2>
      <div class="content">${this.tabs.render((tab) => this.page(tab))}</div>
      <div class="buttons">
        <button type="submit" class="primary">OK</button>
        <button type="button" @click=${() => this.finish()}>Cancel</button>
      </div>
    </form>`);
    announceAccessKeys(this.modal.element);
    setHelpTopic(this.modal.element, this.core.helpTopic(this.tabs.shown));
  }

  private page(tab: number): TemplateResult {
    const core = this.core;
    const tick = (set: (entry: number, on: boolean) => void) => (entry: number, on: boolean) => { set(entry, on); this.draw(); };
    const entries = (list: { text: string; selected: boolean }[]) => list.map((e) => ({ text: e.text, checked: e.selected }));
    switch (tab) {
    case 0:
      return html`<p class="note">Select which families will be shown when adding new rows of devices.</p>
        ${checkList('Device families', entries(core.families()), tick((e, on) => core.setFamilySelected(e, on)))}
        <p class="count" role="status">${core.familyCountText()}</p>`;
    case 1:
      return html`<p class="note">Select which devices will always be shown in the Loop Data dialogue box, without needing to use Add Row.</p>
        ${checkList("'Standard' devices", entries(core.standardDevices()), tick((e, on) => core.setStandardSelected(e, on)))}
        <p class="count" role="status">${core.standardCountText()}</p>`;
    case UnitsTab:
      return this.unitsPage();
    default:
      return html`<p class="note">Select the groups of cable sizes that should be displayed:</p>
        ${checkList('Cable groups', core.cableGroups().map((g) => ({ text: g.name, checked: g.enabled })),
                    tick((e, on) => core.setCableGroupEnabled(e, on)))}`;
    }
  }

  private unitsPage(): TemplateResult {
    const units = this.core.units();
    return html`<p class="note">Select units of measurement for input and output.</p>
      ${unitChoices.map((text, value) => {
        const labels = this.core.unitLabels(value);
        return html`<label class="unit-choice">
          <input type="radio" name="units" .checked=${units === value} aria-labelledby=${`unit${value}`}
            aria-describedby=${`units${value}`} @change=${() => this.chooseUnits(value)}>
          <span class="unit-name" id=${`unit${value}`}>${keyed(text)}</span>
          <span class="unit-labels" id=${`units${value}`}>
            <span>${labels.length}</span><span>${labels.impedance}</span><span>${labels.impedanceTemp}</span>
          </span>
        </label>`;
      })}`;
  }
}
