// The main window's loops: a row per loop the panel has, with its devices,
// currents and verdicts, the totals under them and the battery line. A row
// opens its loop's editor from its Details button, a double-click, or Enter
// while it has the focus; the arrows move between the rows, one of which is
// in the tab order.
import { html, nothing, type TemplateResult } from 'lit';
import type { MainLoopRow } from 'ferrolux';
import type { App } from '../app/App.js';
import { openLoopEditor } from '../loop/LoopEditorDialog.js';

const loops = [1, 2, 3, 4, 5, 6, 7, 8];
const spareHeading = 'What is left of the loop\'s tightest limit: its alarm current, its devices, its volt drop, the ' +
  'volts along the cable and its fullest isolator section; red below the spare the project asks for';
const alongCableHeading = 'Every check along the cable: each device\'s voltage over its minimum with the loop whole ' +
  'or open at either end, and the points in each isolator section against its limit; the first that fails is shown';

export class LoopTable {
  // The row in the tab order.
  private current = 1;

  constructor(private readonly app: App) {}

  render(): TemplateResult {
    const main = this.app.main;
    const rows = loops.map((loop) => main.loopRow(loop)).filter((row): row is MainLoopRow => row?.shown === true);
    if (!rows.some((row) => row.loop === this.current)) this.current = rows[0]?.loop ?? 1;
    const totals = main.totals();
    const power = main.powerLine();
    return html`<section class="card loops" aria-labelledby="loopsHeading">
      <h2 id="loopsHeading">Loops</h2>
      <div class="table-wrap">
        <table class="grid" aria-labelledby="loopsHeading">
          <colgroup><col class="c-loop"><col class="c-name"><col class="c-num"><col class="c-num"><col class="c-num">
            <col class="c-verdict"><col class="c-button"><col class="c-along"><col class="c-spare"></colgroup>
          <thead><tr>
            <th scope="col">Loop</th><th scope="col">Name</th><th scope="col" class="num">Devices</th>
            <th scope="col" class="num">Quiescent</th><th scope="col" class="num">Alarm</th>
            <th scope="col">Verdict</th><th scope="col"><span class="sr-only">Details</span></th>
            <th scope="col" title=${alongCableHeading}>Along the Cable</th>
            <th scope="col" title=${spareHeading}>Spare</th>
          </tr></thead>
          <tbody @keydown=${(event: KeyboardEvent) => this.keydown(event)}
            @focusin=${(event: FocusEvent) => this.focused(event)}>${rows.map((row) => this.row(row))}</tbody>
          <tfoot>
            <tr>
              <th scope="row">Total</th><td></td>
              <td class="num">${totals.devices}</td>
              <td class="num">${totals.quiescent}</td>
              <td class="num">${totals.alarm}</td>
              <td class=${totals.satisfactory ? 'pass' : 'fail'}>${totals.passFail}</td>
              <td></td><td></td>
              ${this.spare(totals)}
            </tr>
            ${totals.alarmNoteVisible ? html`<tr class="note">
              <td colspan="3"></td><td colspan="2" class="num fail">${totals.alarmNotes}</td><td colspan="4"></td>
            </tr>` : nothing}
          </tfoot>
        </table>
      </div>
      <p class="power ${power.pass ? '' : 'fail'}">${power.text}</p>
    </section>`;
  }

  private row(row: MainLoopRow): TemplateResult {
    const along = row.alongCableHint ? 'hint' : row.alongCablePass ? 'pass' : 'fail';
    return html`<tr data-loop=${row.loop} tabindex=${row.loop === this.current ? 0 : -1}
      @dblclick=${() => this.open(row.loop)}>
      <th scope="row">${row.loop}</th>
      <td class="row-name">${row.name}</td>
      <td class="num">${row.devices}</td>
      <td class="num">${row.quiescent}</td>
      <td class="num">${row.alarm}</td>
      <td class=${row.satisfactory ? 'pass' : 'fail'}>${row.passFail}</td>
      <td><button type="button" aria-label=${`Details of loop ${row.loop}`}
        title=${`Devices, cable and calculation of loop ${row.loop}`} @click=${() => this.open(row.loop)}>Details...</button></td>
      <td class="along ${row.alongCable ? along : ''}" title=${row.alongCableDetails.join('\n') || nothing}>${row.alongCable}</td>
      ${this.spare(row)}
    </tr>`;
  }

  private spare(cell: { spare: string; spareBelow: boolean; spareDetails: string[] }): TemplateResult {
    return html`<td class="spare ${cell.spareBelow ? 'fail' : ''}" title=${cell.spareDetails.join('\n') || nothing}>${cell.spare}</td>`;
  }

  focusFirstButton(): void {
    this.button(this.rowElements()[0])?.focus();
  }

  // The editor; once it closes, the focus goes on to the next loop's button, as on the desktop.
  private open(loop: number): void {
    let closed = false;
    void this.app.act(async () => {
      await openLoopEditor(this.app, loop);
      closed = true;
    }).then(() => {
      if (closed) this.button(this.rowElements().find((row) => Number(row.dataset.loop) === loop + 1))?.focus();
    });
  }

  private keydown(event: KeyboardEvent): void {
    const row = event.target as HTMLElement;
    if (row.tagName !== 'TR') return;
    const rows = this.rowElements();
    const at = rows.indexOf(row as HTMLTableRowElement);
    const to = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: rows.length - 1 }[event.key];
    if (event.key === 'Enter') this.open(Number(row.dataset.loop));
    else if (to !== undefined) rows[Math.max(0, Math.min(rows.length - 1, to))]?.focus();
    else return;
    event.preventDefault();
  }

  // The row focused (or the one of the button focused) becomes the one in the tab order.
  private focused(event: FocusEvent): void {
    const row = (event.target as HTMLElement).closest<HTMLTableRowElement>('tr[data-loop]');
    if (!row) return;
    this.current = Number(row.dataset.loop);
    for (const other of this.rowElements()) other.tabIndex = other === row ? 0 : -1;
  }

  private rowElements(): HTMLTableRowElement[] {
    return [...document.querySelectorAll<HTMLTableRowElement>('.loops tbody tr[data-loop]')];
  }

  private button(row: HTMLTableRowElement | undefined): HTMLButtonElement | null {
    return row?.querySelector('button') ?? null;
  }
}
