// Every enabled cable on the editor's loop side by side, read-only, as the
// desktop's: the smallest passing cable marked, a failing row's result in
// red. Up and Down (or a click) choose a row; "Use This Cable" chooses its
// cable as the editor's cable list does; Close and Esc close the window.
// Every text is the cable comparison core's.
import './CompareCablesDialog.css';
import { html } from 'lit';
import type { CableComparison, CableComparisonRow, LoopEditor } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { setHelpTopic } from '../help/Help.js';
import { announceAccessKeys, keyed } from '../loop/AccessKeys.js';

const columns: (keyof CableComparisonRow)[] =
  ['cable', 'impedance', 'voltDrop', 'verdict', 'longestRun', 'whole', 'openIn', 'openOut', 'result'];
const textColumns = new Set<keyof CableComparisonRow>(['cable', 'verdict', 'result']);

class CompareCablesWindow {
  private readonly core: CableComparison;
  private readonly modal: Modal;
  private readonly rows: CableComparisonRow[];
  private current: number;
  private closed!: (used: boolean) => void;

  constructor(app: App, editor: LoopEditor) {
    this.core = new app.module.CableComparison(editor);
    this.rows = this.core.rows();
    this.current = this.core.firstSelectedRow();
    this.modal = new Modal(this.core.caption(), () => this.close(false));
    setHelpTopic(this.modal.element, this.core.helpTopic());
    this.modal.element.classList.add('compare-cables');
  }

  // Resolves once the window has closed: true when a cable was used.
  run(): Promise<boolean> {
    return new Promise((resolve) => {
      this.closed = resolve;
      this.redraw();
      this.modal.open('#grdCables tbody tr[tabindex="0"]');
    });
  }

  private choose(row: number): void {
    this.current = Math.max(0, Math.min(row, this.rows.length - 1));
    this.redraw();
    this.modal.element.querySelector<HTMLElement>('#grdCables tbody tr[tabindex="0"]')?.focus();
  }

  private keydown(event: KeyboardEvent): void {
    if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
    event.preventDefault();
    this.choose(this.current + (event.key === 'ArrowUp' ? -1 : 1));
  }

  private use(): void {
    if (this.core.useCable(this.current)) this.close(true);
  }

  private close(used: boolean): void {
    this.modal.close();
    this.core.delete();
    this.closed(used);
  }

  private redraw(): void {
    const headings = this.core.headings();
    const at = this.rows[this.current];
    this.modal.draw(html`<div class="body">
      <h2>${this.core.caption()}</h2>
      <p class="note" id="lblExplanation">${this.core.explanation()}</p>
      <div class="rows-scroll">
        <table class="rows" id="grdCables" role="grid" aria-readonly="true" aria-label="Cables" aria-describedby="lblExplanation"
          @keydown=${(event: KeyboardEvent) => this.keydown(event)}>
          <thead><tr>${headings.map((heading, i) =>
            html`<th scope="col" class=${textColumns.has(columns[i]) ? '' : 'num'}>${heading}</th>`)}</tr></thead>
          <tbody>${this.rows.map((row, r) => html`<tr tabindex=${r === this.current ? 0 : -1}
              aria-selected=${r === this.current ? 'true' : 'false'}
              class=${[r === this.current ? 'current' : '', row.smallest ? 'smallest' : '', row.ownCable ? 'own' : '']
                .join(' ')} @click=${() => this.choose(r)}>
            ${columns.map((column) => html`<td class=${[textColumns.has(column) ? '' : 'num',
              column === 'result' && !row.pass ? 'fails' : ''].join(' ')}>${row[column]}</td>`)}
          </tr>`)}</tbody>
        </table>
      </div>
      <div class="buttons">
        <button type="button" id="btnUseCable" ?disabled=${!at?.canUse}
          @click=${() => this.use()}>${keyed('&Use This Cable')}</button>
        <span class="spacer"></span>
        <button type="button" class="primary" id="btnClose" @click=${() => this.close(false)}>Close</button>
      </div>
    </div>`);
    announceAccessKeys(this.modal.element);
  }
}

// Opens the cable comparison of the editor's loop; resolves once it has
// closed, true when a cable was used (a step of the editor).
export function openCompareCables(app: App, editor: LoopEditor): Promise<boolean> {
  return new CompareCablesWindow(app, editor).run();
}
