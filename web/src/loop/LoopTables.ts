// The loop editor's tables: the addressable devices by type, found by part
// of a name or by being in use, and the Other Devices, each with a quantity
// box, and the totals under their columns, numbers under numbers.
import { html, nothing, type TemplateResult } from 'lit';
import { live } from 'lit/directives/live.js';
import { repeat } from 'lit/directives/repeat.js';
import type { LoopEditor, LoopEditorResults, LoopRow } from 'ferrolux';
import { keyed } from './AccessKeys.js';
import type { LoopInput } from './LoopInput.js';

export interface TablesHost {
  readonly core: LoopEditor;
  readonly input: LoopInput;
  readonly noRowsText: string;
  readonly filter: { text: string; inUseOnly: boolean };
  // The row of each table whose box the Tab key stops at.
  readonly tabRows: { device: number; other: number };
  filterDevices(text: string, inUseOnly: boolean): void;
  redraw(): void;
  addRow(): void;
  // How many more of a row's type (its context menu, Ctrl+M in its box).
  howManyMore(other: boolean, row: number): void;
}

// The same columns in every table, so that the totals line up.
const columns = html`<colgroup><col><col class="qty"><col class="current"><col class="current"></colgroup>`;

// The next row's quantity box for Enter and Down, the one before for Up; the last row keeps it.
function nextRow(key: string, box: HTMLInputElement): HTMLElement | null {
  const row = box.closest('tr');
  const next = key === 'ArrowUp' ? row?.previousElementSibling : row?.nextElementSibling;
  return next?.querySelector<HTMLInputElement>('input') ?? box;
}

function rows(host: TablesHost, table: 'device' | 'other', shown: LoopRow[], caption: string): TemplateResult {
  const commit = table === 'device'
    ? (row: number) => (text: string) => host.core.commitDeviceQuantity(row, text)
    : (row: number) => (text: string) => host.core.commitOtherQuantity(row, text);
  const stop = shown.some((row) => row.row === host.tabRows[table]) ? host.tabRows[table] : shown[0]?.row;
  const focused = (row: number) => () => {
    if (host.tabRows[table] === row) return;
    host.tabRows[table] = row;
    host.redraw();
  };
  return html`<div class="rows-scroll"><table class="rows" id=${table === 'device' ? 'grdDevices' : 'grdOther'}
      aria-label=${caption}>
    ${columns}
    <thead><tr>
      <th scope="col">${table === 'device' ? 'Device Type' : 'Other Device'}</th>
      <th scope="col" class="num">Qty</th><th scope="col" class="num">Quiescent</th><th scope="col" class="num">Alarm</th>
    </tr></thead>
    <tbody>${repeat(shown, (row) => row.row, (row) => html`<tr @contextmenu=${(event: MouseEvent) => {
        event.preventDefault();
        host.howManyMore(table === 'other', row.row);
      }}>
      <th scope="row">${row.name}</th>
      <td class="qty">${host.input.box({
        key: `${table}:${row.row}`, label: `Quantity of ${row.name}`, committed: row.quantity, decimalPoint: true,
        commit: commit(row.row), next: nextRow, rows: { tabStop: row.row === stop, focused: focused(row.row) } })}</td>
      <td class="num">${row.quiescent}</td><td class="num">${row.alarm}</td>
    </tr>`)}</tbody>
  </table></div>`;
}

export function deviceTables(host: TablesHost): TemplateResult {
  const { core, filter } = host;
  const others = core.otherRows();
  const filterKeys = (event: KeyboardEvent) => {
    const box = event.target as HTMLInputElement;
    if (event.key === 'Escape' && box.value !== '') {
      event.preventDefault();  // the filter empties first, and only then Esc cancels
      host.filterDevices('', filter.inUseOnly);
    } else if (event.key === 'Enter') {
      event.preventDefault();
      box.ownerDocument.querySelector<HTMLInputElement>('#grdDevices tbody input')?.focus();
    }
  };
  return html`<section class="devices" aria-labelledby="lblDevices">
    <div class="section-heading">
      <h3 id="lblDevices">Addressable Devices</h3>
      <label for="txtDeviceFilter">${keyed('&Find:')}</label>
      <input type="search" id="txtDeviceFilter" placeholder="Part of a device type's name" autocomplete="off"
        .value=${live(filter.text)} @keydown=${filterKeys}
        @input=${(event: InputEvent) => host.filterDevices((event.target as HTMLInputElement).value, filter.inUseOnly)}>
      <label class="check"><input type="checkbox" id="chkInUseOnly" .checked=${live(filter.inUseOnly)}
        @change=${(event: Event) => host.filterDevices(filter.text, (event.target as HTMLInputElement).checked)}>
        <span>${keyed('Only types in &use')}</span></label>
      <button type="button" id="btnAdd" @click=${() => host.addRow()}>${keyed('&Add Row...')}</button>
    </div>
    ${core.hasDeviceRows() ? rows(host, 'device', core.deviceRows(), 'Addressable Devices')
      : html`<p class="no-rows" id="panDevices">${host.noRowsText}</p>`}
  </section>
  ${others.length ? html`<section class="others" aria-labelledby="lblOther">
    <h3 id="lblOther">Other Devices</h3>
    ${rows(host, 'other', others, 'Other Devices')}
  </section>` : nothing}`;
}

export function totals(results: LoopEditorResults, maxAlarm: string): TemplateResult {
  const star = results.panelLimitVisible ? html`<span class="star">*</span>` : nothing;
  return html`<div class="totals-frame"><table class="rows totals" id="tblTotals" aria-label="Loop totals">
    ${columns}
    <tbody>
      <tr><th scope="row">Addressable devices</th><td class="num" id="lblQty_99">${results.quantity}</td>
        <td class="num" id="lblQuiescent_99">${results.quiescentDevices}</td>
        <td class="num" id="lblAlarm_99">${star}${results.alarmDevices}</td></tr>
      <tr class="loop-total"><th scope="row">Loop total</th><td></td>
        <td class="num" id="lblQuiescent_100">${results.quiescentTotal}</td>
        <td class="num" id="lblAlarm_100">${star}${results.alarmTotal}</td></tr>
      <tr class="notes"><td colspan="4"><div><span id="lblPanelLimit">${results.panelLimitVisible ? results.panelLimit : ''}</span>
        <span id="lblMaxAlarm">${maxAlarm}</span></div></td></tr>
    </tbody>
  </table></div>`;
}
