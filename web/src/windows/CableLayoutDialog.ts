// The cable layout of a loop, over its editor, as the desktop's: each
// point's distance along the cable, or its length from the point before,
// typed in the table and committed with Enter or on leaving the cell; the
// points moved up and down, spaced evenly, or pasted from a spreadsheet;
// Undo and Redo under the table. Every text, refusal and question is the
// cable layout core's; the table is read again after each change.
import './CableLayoutDialog.css';
import { html } from 'lit';
import { repeat } from 'lit/directives/repeat.js';
import type { CableLayout, CableLayoutRow, LoopEditor } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { setHelpTopic } from '../help/Help.js';
import { announceAccessKeys, keyed } from '../loop/AccessKeys.js';
import { LoopInput } from '../loop/LoopInput.js';
import { historyButtons, windowKey } from './HistoryButtons.js';

type Column = 'distance' | 'length';

const columnBoxes = (column: Column) => `input[data-entry^="${column}:"]`;

// The same column of the next row for Enter and Down, of the row before for Up; the last row keeps it.
function sameColumn(key: string, box: HTMLInputElement): HTMLElement | null {
  const row = box.closest('tr');
  const next = key === 'ArrowUp' ? row?.previousElementSibling : row?.nextElementSibling;
  return next?.querySelector<HTMLInputElement>(columnBoxes(box.dataset.entry!.split(':')[0] as Column)) ?? box;
}

class CableLayoutWindow {
  private readonly core: CableLayout;
  private readonly modal: Modal;
  private readonly input: LoopInput;
  // The point Move Up and Move Down act on: the row last in use.
  private current = 0;
  private closed!: (kept: boolean) => void;

  constructor(private readonly app: App, editor: LoopEditor) {
    this.core = new app.module.CableLayout(editor);
    this.modal = new Modal(this.core.caption(), () => void this.cancel());
    setHelpTopic(this.modal.element, this.core.helpTopic());
    this.root.classList.add('cable-layout');
    this.root.addEventListener('keydown', (event) => this.keydown(event));
    // Any text may be typed: the core says what it refuses.
    this.input = new LoopInput(() => true, () => this.redraw(), () => this.redraw(),
      (to) => to instanceof Node && this.root.contains(to) && to !== this.root.querySelector('#btnCancel'));
  }

  private get root(): HTMLElement {
    return this.modal.element;
  }

  // Resolves once the window has closed: true when OK wrote the layout into the loop.
  run(): Promise<boolean> {
    return new Promise((resolve) => {
      this.closed = resolve;
      this.redraw();
      this.modal.open(`#grdCableLayout ${columnBoxes('distance')}`);
    });
  }

  // A change other than a typed cell, made once nothing holds the window.
  private async change(action: () => unknown): Promise<void> {
    if (this.input.held) return;
    await this.input.call(action);
    this.redraw();
  }

  private move(step: -1 | 1): Promise<void> {
    return this.change(async () => {
      const now = await this.core.move(this.current, step);
      if (now >= 0) this.current = now;
    });
  }

  private paste(text: string): Promise<void> {
    return this.change(() => this.core.paste(text));
  }

  // The Paste button reads the clipboard where the browser lets it; Ctrl+V
  // in the table always brings the text.
  private async pasteButton(): Promise<void> {
    let text: string;
    try {
      text = await navigator.clipboard.readText();
    } catch {
      await this.app.boxes.show('This browser does not let the page read the clipboard: click in the table and ' +
                                'press Ctrl+V.', 64, this.core.caption());
      this.root.querySelector<HTMLElement>('#grdCableLayout input[tabindex="0"]')?.focus();
      return;
    }
    await this.paste(text);
  }

  private pasted(event: ClipboardEvent): void {
    event.preventDefault();
    void this.paste(event.clipboardData?.getData('text/plain') ?? '');
  }

  private step(undo: boolean): void {
    if (this.input.held || this.input.stale) return;
    if (undo ? this.core.undo() : this.core.redo()) this.redraw();
  }

  private ok(): void {
    if (this.input.held) return;
    this.core.ok();
    this.close(true);
  }

  // Cancel and Esc: a typed cell goes with the changes, once the core agrees.
  private async cancel(): Promise<void> {
    if (this.input.pending) return;
    this.input.abandon();
    if (await this.input.call(() => this.core.cancel())) this.close(false);
  }

  private close(kept: boolean): void {
    this.input.closing = true;
    this.modal.close();
    this.core.delete();
    this.closed(kept);
  }

  private keydown(event: KeyboardEvent): void {
    windowKey(event, this.root, this.input, (undo) => this.step(undo));
  }

  private cell(row: CableLayoutRow, at: number, column: Column, heading: string) {
    return this.input.box({
      key: `${column}:${at}`, label: `${heading} of point ${row.number}`,
      committed: column === 'distance' ? row.distance : row.length, decimalPoint: true,
      commit: (text) => (column === 'distance' ? this.core.commitDistance(at, text) : this.core.commitLength(at, text)),
      next: sameColumn,
      rows: { tabStop: at === this.current, focused: () => this.focusRow(at) },
    });
  }

  private focusRow(at: number): void {
    if (this.current === at) return;
    this.current = at;
    this.redraw();
  }

  private redraw(): void {
    const core = this.core;
    const rows = core.rows();
    this.current = Math.min(this.current, Math.max(rows.length - 1, 0));
    const units = core.lengthUnits(false);
    const distance = `Distance (${units})`;
    const length = `From Previous (${units})`;
    const at = rows[this.current];
    this.modal.draw(html`<div class="body">
      <h2>${core.caption()}</h2>
      <p class="note" id="lblCableLayoutNote">Each point's distance along the cable from the panel's loop OUT terminal,
        in ${core.lengthUnits(true)}, or the length of cable from the point before. A point without a distance is
        placed between its neighbours that have one; with none at all, the points are placed as the loop's volt drop
        assumes.</p>
      <div class="layout">
        <div class="points">
          <div class="rows-scroll">
            <table class="rows" id="grdCableLayout" aria-label="Cable layout" aria-describedby="lblCableLayoutNote"
              @paste=${(event: ClipboardEvent) => this.pasted(event)}>
              <colgroup><col class="number"><col class="address"><col class="type"><col><col class="length"><col class="length"></colgroup>
              <thead><tr>
                <th scope="col" class="num">No.</th><th scope="col" class="num">Address</th>
                <th scope="col">Device Type</th><th scope="col">Other Devices</th>
                <th scope="col" class="num">${distance}</th><th scope="col" class="num">${length}</th>
              </tr></thead>
              <tbody>${repeat(rows, (_, i) => i, (row, i) => html`<tr class=${i === this.current ? 'current' : ''}
                  @mousedown=${() => this.focusRow(i)}>
                <td class="num">${row.number}</td><td class="num">${row.address}</td>
                <th scope="row" title=${row.type}>${row.type}</th><td title=${row.others}>${row.others}</td>
                <td class="length">${this.cell(row, i, 'distance', 'Distance')}</td>
                <td class="length">${this.cell(row, i, 'length', 'From previous')}</td>
              </tr>`)}</tbody>
            </table>
          </div>
          <div class="history">${historyButtons(core.history(), (undo) => this.step(undo))}</div>
        </div>
        <div class="side">
          <button type="button" id="btnMoveUp" ?disabled=${!at?.canMoveUp}
            @click=${() => void this.move(-1)}>${keyed('&Move Up')}</button>
          <button type="button" id="btnMoveDown" ?disabled=${!at?.canMoveDown}
            @click=${() => void this.move(1)}>${keyed('Move &Down')}</button>
          <button type="button" id="btnSpaceEvenly" class="gap" ?disabled=${rows.length === 0}
            title="Every point where the loop's volt drop takes it: the first run, then even steps to the end of the cable"
            @click=${() => void this.change(() => core.spaceEvenly())}>${keyed('&Space Evenly')}</button>
          <button type="button" id="btnPaste" title="Two columns from a spreadsheet: address, and distance from the panel"
            @click=${() => void this.pasteButton()}>${keyed('&Paste')}</button>
          <span class="spacer"></span>
          <button type="button" class="primary" id="btnOK" @click=${() => void this.ok()}>OK</button>
          <button type="button" id="btnCancel" @click=${() => void this.cancel()}>Cancel</button>
        </div>
      </div>
    </div>`);
    this.root.setAttribute('aria-label', core.caption());
    announceAccessKeys(this.root);
  }
}

// Opens the cable layout of the editor's loop; resolves once it has closed,
// true when OK wrote the layout into the loop (a step of the editor).
export function openCableLayout(app: App, editor: LoopEditor): Promise<boolean> {
  return new CableLayoutWindow(app, editor).run();
}
