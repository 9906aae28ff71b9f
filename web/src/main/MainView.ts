// The main window: the site, its control panel, a row per loop with its
// results, the totals and the battery line, under the File and Edit menus.
// Every text is the main window core's.
import { html, nothing, type TemplateResult } from 'lit';
import type { MainLoopRow, PanelOutline } from 'ferrolux';
import type { App } from '../app/App.js';
import { FileCommands } from '../files/FileCommands.js';
import { openLoopEditor } from '../loop/LoopEditorDialog.js';
import { accessLabel, Menu, type MenuEntry } from './Menu.js';
import { UnitsDialog } from './UnitsDialog.js';

const loops = [1, 2, 3, 4, 5, 6, 7, 8];

export class MainView {
  readonly files: FileCommands;
  private readonly fileMenu: Menu;
  private readonly editMenu: Menu;

  constructor(private readonly app: App) {
    const redraw = () => app.refresh();
    this.files = new FileCommands(app);
    this.fileMenu = new Menu('File', 0, redraw);
    this.editMenu = new Menu('Edit', 0, redraw);
    document.addEventListener('keydown', (event) => this.shortcut(event));
    document.addEventListener('pointerdown', (event) => {
      for (const menu of [this.fileMenu, this.editMenu])
        if (menu.isOpen && !(event.target as Element).closest?.('.menu')) menu.close(false);
    });
  }

  focusFirst(): void {
    document.getElementById('txtName')?.focus();
  }

  render(): TemplateResult {
    const main = this.app.main;
    const totals = main.totals();
    const power = main.powerLine();
    return html`
      <nav class="menubar" role="menubar" aria-label="Main menu">
        ${this.fileMenu.render(this.fileEntries())}
        ${this.editMenu.render(this.editEntries())}
      </nav>
      <main>
        <div class="fields">
          <label for="txtName">${accessLabel('Site Name:', 5)}</label>
          <input id="txtName" type="text" placeholder="The site this loop design is for" accesskey="n"
            .value=${main.siteName()} @input=${(event: InputEvent) => this.siteNameTyped(event)}>
          <label for="cmbManufacturer">${accessLabel('Control Panel:', 8)}</label>
          ${this.panelChooser(main.panelOutline())}
        </div>
        <section class="card loops" aria-label="Loops">
          <table class="grid" aria-label="Loops">
            <thead><tr>
              <th scope="col">Loop</th><th scope="col">Name</th><th scope="col" class="num">Devices</th>
              <th scope="col" class="num">Quiescent</th><th scope="col" class="num">Alarm</th>
              <th scope="col">Verdict</th><th scope="col"><span class="sr-only">Details</span></th>
              <th scope="col" title="Every check along the cable: each device's voltage over its minimum with the loop whole or open at either end, and the points in each isolator section against its limit; the first that fails is shown">Along the Cable</th>
            </tr></thead>
            <tbody>${loops.map((loop) => main.loopRow(loop)).filter((row) => row?.shown).map((row) => this.loopRow(row!))}</tbody>
            <tfoot><tr>
              <td>Total</td><td></td>
              <td class="num" data-column="devices">${totals.devices}</td>
              <td class="num" data-column="quiescent">${totals.quiescent}</td>
              <td class="num" data-column="alarm">${totals.alarm}
                ${totals.alarmNoteVisible ? html`<div class="fail alarm-note">${totals.alarmNotes}</div>` : nothing}</td>
              <td class="verdict ${totals.satisfactory ? 'pass' : 'fail'}" data-column="verdict">${totals.passFail}</td>
              <td></td><td></td>
            </tr></tfoot>
          </table>
          <p class="power ${power.pass ? '' : 'fail'}" aria-label="Standby battery">${power.text}</p>
        </section>
      </main>`;
  }

  private loopRow(row: MainLoopRow): TemplateResult {
    const open = () => this.app.act(() => openLoopEditor(this.app, row.loop));
    return html`<tr data-loop=${row.loop} @dblclick=${open}>
      <th scope="row">${row.loop}</th>
      <td class="hint">${row.name}</td>
      <td class="num" data-column="devices">${row.devices}</td>
      <td class="num" data-column="quiescent">${row.quiescent}</td>
      <td class="num" data-column="alarm">${row.alarm}</td>
      <td class="verdict ${row.satisfactory ? 'pass' : 'fail'}" data-column="verdict">${row.passFail}</td>
      <td><button type="button" aria-label=${`Details of loop ${row.loop}`}
        title=${`Devices, cable and calculation of loop ${row.loop}`} @click=${open}>Details...</button></td>
      <td class=${row.alongCable === '' ? '' : row.alongCableHint ? 'hint' : row.alongCablePass ? 'pass' : 'fail'}
        data-column="alongCable" title=${row.alongCableDetails.join('\n')}>${row.alongCable}</td>
    </tr>`;
  }

  private panelChooser(outline: PanelOutline): TemplateResult {
    const maker = outline.manufacturers[outline.selectedManufacturer];
    const choose = (position: number) => this.app.act(() => this.app.main.changePanel(position));
    return html`<div class="panel-choice">
      <select id="cmbManufacturer" aria-label="Manufacturer" accesskey="p"
        @change=${(event: Event) => {
          const chosen = outline.manufacturers[(event.target as HTMLSelectElement).selectedIndex];
          if (chosen?.panels.length) choose(chosen.panels[0].position);
        }}>
        ${outline.manufacturers.map((m, i) => html`<option ?selected=${i === outline.selectedManufacturer}>${m.name}</option>`)}
      </select>
      <select id="cmbPanel" aria-label="Control Panel"
        @change=${(event: Event) => {
          const chosen = maker?.panels[(event.target as HTMLSelectElement).selectedIndex];
          if (chosen) choose(chosen.position);
        }}>
        ${(maker?.panels ?? []).map((p, i) => html`<option ?selected=${i === outline.selectedPanel}>${p.name}</option>`)}
      </select>
    </div>`;
  }

  private siteNameTyped(event: InputEvent): void {
    const text = (event.target as HTMLInputElement).value;
    this.app.act(() => this.app.main.setSiteName(text));
  }

  private fileEntries(): MenuEntry[] {
    return [
      ...this.files.menuEntries(),
      'separator',
      { label: 'Options...', key: 0, run: () => this.app.act(() => new UnitsDialog(this.app).run()) },
    ];
  }

  private editEntries(): MenuEntry[] {
    const history = this.app.main.history();
    const item = (text: string) => ({ label: text.replace('&', ''), key: text.indexOf('&') });
    return [
      { ...item(history.undoItem), shortcut: 'Ctrl+Z', disabled: history.undoName === '',
        run: () => this.app.act(() => this.app.main.undo()) },
      { ...item(history.redoItem), shortcut: 'Ctrl+Y', disabled: history.redoName === '',
        run: () => this.app.act(() => this.app.main.redo()) },
    ];
  }

  // The window's keys: Alt+F and Alt+E open their menus; Ctrl+Z and Ctrl+Y
  // undo and redo while no dialog is open; the file commands their own.
  private shortcut(event: KeyboardEvent): void {
    if (document.querySelector('dialog[open]')) return;
    const key = event.key.toLowerCase();
    if (event.altKey && !event.ctrlKey && (key === 'f' || key === 'e')) {
      event.preventDefault();
      (key === 'f' ? this.fileMenu : this.editMenu).open();
    } else if ((event.ctrlKey || event.metaKey) && !event.altKey && (key === 'z' || key === 'y')) {
      event.preventDefault();
      this.app.act(() => (key === 'z' ? this.app.main.undo() : this.app.main.redo()));
    } else if (this.files.shortcut(event)) {
      event.preventDefault();
    }
  }
}
