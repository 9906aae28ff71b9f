// The loop editor's right-hand column, as the desktop lays it out: the
// calculation type, the cable, the outputs limit and the interface LEDs over
// the result, with its verdict, the line along the cable, the volt drop and
// the explanation. Enter moves along the parameters as on the desktop.
import { html, type TemplateResult } from 'lit';
import { live } from 'lit/directives/live.js';
import type { CalcType, LoopEditor, LoopEditorResults, LoopParameterTexts } from 'ferrolux';
import { keyed } from './AccessKeys.js';
import type { LoopInput } from './LoopInput.js';

export interface ParametersHost {
  readonly core: LoopEditor;
  readonly input: LoopInput;
  readonly root: HTMLElement;
  // A change of a control other than a number box.
  change(action: () => void): void;
  cableLayout(): void;
  compareCables(): void;
}

const calcTypes: [string, string][] = [
  ['optVoltDrop', 'Max &Volt Drop'], ['optCableRun', 'Max Cable &Run'], ['optCableSize', 'Min Cable &Size']];

// Where Enter goes from a control: the first of these that takes the focus.
const enterTargets: Record<string, string[]> = {
  optVoltDrop: ['#cmbCableSize'],
  optCableRun: ['#cmbCableSize'],
  optCableSize: ['#txtFirstLength'],
  cmbCableSize: ['#txtCableImpedance', '#txtTotalLength', '#txtFirstLength'],
  txtCableImpedance: ['#txtTotalLength', '#txtFirstLength'],
  txtTotalLength: ['#sldDistribution'],
  sldDistribution: ['#txtFirstLength'],
  txtFirstLength: ['#btnOK'],
  txtMaxOutputs: ['#grdOther tbody input', 'input[name=calcType]:checked'],
};

function enterTarget(root: HTMLElement, from: string): HTMLElement | null {
  for (const selector of enterTargets[from] ?? []) {
    const target = root.querySelector<HTMLInputElement>(selector);
    if (target && !target.disabled) return target;
  }
  return null;
}

// Enter on a control that is not a number box: on along the parameters.
function enter(root: HTMLElement) {
  return (event: KeyboardEvent) => {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    enterTarget(root, (event.target as HTMLElement).id)?.focus();
  };
}

function calculation(host: ParametersHost, p: LoopParameterTexts): TemplateResult {
  return html`<fieldset class="group" id="fraCalculation"><legend>Calculation</legend>
    <div class="calc-types">${calcTypes.map(([id, label], type) => html`<label class="check"><input type="radio"
        name="calcType" id=${id} .checked=${live(p.calcType === type)} @keydown=${enter(host.root)}
        @change=${() => host.change(() => host.core.setCalcType(type as CalcType))}><span>${keyed(label)}</span></label>`)}
    </div>
  </fieldset>`;
}

function cable(host: ParametersHost, p: LoopParameterTexts, r: LoopEditorResults): TemplateResult {
  const { core, input, root } = host;
  const units = (text: string) => html`<span class="units">${text}</span>`;
  return html`<fieldset class="group" id="fraCable"><legend>Cable</legend><div class="form">
    <label for="cmbCableSize">${keyed('Si&ze:')}</label>
    <select id="cmbCableSize" ?disabled=${!p.cableListEditable} @keydown=${enter(root)}
      @change=${(event: Event) => host.change(() => core.chooseCableEntry((event.target as HTMLSelectElement).selectedIndex))}>
      ${core.cables().map((entry, i) => html`<option .selected=${live(i === p.cableEntry)}>${entry.name}</option>`)}
    </select>
    <label for="txtCableImpedance">${keyed('&Impedance:')}</label>
    <span class="with-units">${input.box({ key: 'impedance', id: 'txtCableImpedance', committed: p.impedance,
      disabled: !p.impedanceEditable, decimalPoint: true, commit: (text) => core.commitImpedance(text),
      next: () => enterTarget(root, 'txtCableImpedance') })}${units(p.impedanceUnits)}</span>
    <span class="note" id="lblCableTypeUnitsNotes">${p.impedanceConditions}</span>

    <label for="txtTotalLength" class="gap">${keyed('Total &cable run:')}</label>
    <span class="with-units gap">${input.box({ key: 'totalLength', id: 'txtTotalLength',
      committed: r.showsTotalLength ? r.totalLength : p.totalLength, disabled: !p.totalLengthEditable,
      decimalPoint: false, commit: (text) => core.commitTotalLength(text),
      next: () => enterTarget(root, 'txtTotalLength') })}${units(p.lengthUnits)}</span>
    <span class="note wide">(from panel, around loop and then back to panel)</span>
    <span class="note wide" id="lblLimitCableRun" ?data-hidden=${!r.limitCableRunVisible}>${p.cableRunLimit}</span>

    <label for="sldDistribution" class="wide gap">${keyed('Device Distri&bution:')}</label>
    <input type="range" id="sldDistribution" class="wide" min="0" max="100" step="1" list="distributionTicks"
      .value=${live(String(p.slider))} @keydown=${enter(root)}
      @input=${(event: Event) => host.change(() => core.moveSlider(Number((event.target as HTMLInputElement).value)))}>
    <datalist id="distributionTicks">${[0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100].map((tick) => html`<option value=${tick}></option>`)}</datalist>
    <span class="ends wide"><span class="note">Best-case (evenly along cable)</span>
      <span class="note">Worst-case (all at one end of cable)</span></span>

    <label for="txtFirstLength" class="gap">${keyed('Cable run between panel && &1st device:')}</label>
    <span class="with-units gap">${input.box({ key: 'firstLength', id: 'txtFirstLength', committed: p.firstLength,
      decimalPoint: false, commit: (text) => core.commitFirstLength(text),
      next: () => enterTarget(root, 'txtFirstLength') })}${units(p.lengthUnits)}</span>
    <span class="layout-row wide"><span class="note">(largest of 2 values on each side of loop)</span>
      <button type="button" id="btnCableLayout" @click=${() => host.cableLayout()}>${keyed('Cable La&yout...')}</button>
      <button type="button" id="btnCompareCables" @click=${() => host.compareCables()}>${keyed('Co&mpare Cables...')}</button></span>
  </div></fieldset>`;
}

function limits(host: ParametersHost, p: LoopParameterTexts): TemplateResult {
  const { core, input, root } = host;
  return html`<fieldset class="group" id="fraLimits"><legend>Outputs and LEDs</legend><div class="form">
    <label for="txtMaxOutputs">${keyed('&Limit quantity of activated outputs to:')}</label>
    ${input.box({ key: 'maxOutputs', id: 'txtMaxOutputs', committed: p.maxOutputs, decimalPoint: false,
      commit: (text) => core.commitMaxOutputs(text), next: () => enterTarget(root, 'txtMaxOutputs') })}
    <label class="check wide" ?data-hidden=${!p.interfaceLedsShown}><span>${keyed('I&nterface LEDs disabled:')}</span>
      <input type="checkbox" id="chkDisableDIN" .checked=${live(p.interfaceLedsDisabled)}
        @change=${(event: Event) => host.change(() =>
          core.setInterfaceLedsDisabled((event.target as HTMLInputElement).checked))}></label>
  </div></fieldset>`;
}

function result(host: ParametersHost, r: LoopEditorResults): TemplateResult {
  const stale = host.input.stale;
  // Clicking the stale verdict leaves the box typed in, which commits it.
  const recalculate = (event: MouseEvent) => {
    if (!stale) return;
    event.preventDefault();
    host.root.querySelector<HTMLElement>('#btnOK')?.focus();
  };
  return html`<section class="group result" id="fraResult" aria-labelledby="lblResult">
    <h3 id="lblResult">Result</h3>
    <div id="lblPassFail" class=${`verdict ${stale ? 'stale' : r.satisfactory ? 'pass' : 'fail'}`} role="status"
      @mousedown=${recalculate}>${r.passFail}</div>
    <p id="lblAlongCable" class=${r.alongCablePass ? '' : 'fail'} ?hidden=${r.alongCable === ''}>${r.alongCable}</p>
    <p id="lblSpare" class=${r.spareBelow ? 'fail' : ''} ?hidden=${r.spare === ''}>${r.spare}</p>
    <div class="volt-drop">
      <label for="txtVoltDrop">Volt drop:</label>
      <input type="text" id="txtVoltDrop" class="number" readonly tabindex="-1" .value=${r.voltDrop}>
      <span class="note" id="lblMaxVoltDrop">${r.maxVoltDrop}</span>
    </div>
    <p id="lblExplanation">${r.explanation}</p>
  </section>`;
}

export function parametersColumn(host: ParametersHost, p: LoopParameterTexts, r: LoopEditorResults): TemplateResult {
  return html`<div class="loop-side" id="scrParameters">
    ${calculation(host, p)}${cable(host, p, r)}${limits(host, p)}${result(host, r)}
  </div>`;
}
