// The main window: the File, Edit and Help menus, the site's name, its control
// panel and the loops with their results. Every text is the main window
// core's; the window is drawn again from it after each action.
import './main.css';
import { html, type TemplateResult } from 'lit';
import type { App } from '../app/App.js';
import { FileCommands } from '../files/FileCommands.js';
import { HelpCommands } from '../help/Help.js';
import { PrintCommands } from '../report/PrintCommands.js';
import { LoopTable } from './LoopTable.js';
import { captionLabel, MenuBar, type MenuEntry, type MenuItem } from './Menu.js';
import { panelChooser } from './PanelChooser.js';
import { OptionsDialog } from '../options/OptionsDialog.js';
import { editPanel } from '../panels/PanelEditorDialog.js';
import { deleteUserPanels, editUserPanel } from '../panels/PanelListDialog.js';
import { sharedFileEntries } from '../panels/SharedFileCommands.js';
import { openPowerSupply } from '../windows/PowerDialog.js';
import { openProjectProperties } from '../windows/ProjectDialog.js';

export class MainView {
  readonly files: FileCommands;
  private readonly printing: PrintCommands;
  private readonly menus: MenuBar;
  private readonly loops: LoopTable;
  // The site name box holds what was typed while the core keeps it trimmed:
  // the box is written from the core only after other actions.
  private typing = false;

  constructor(private readonly app: App) {
    this.files = new FileCommands(app);
    this.printing = new PrintCommands(app);
    this.loops = new LoopTable(app);
    const help = new HelpCommands(app.module);
    this.menus = new MenuBar([
      { text: '&File', entries: () => this.fileEntries() },
      { text: '&Edit', entries: () => this.editEntries() },
      { text: '&Help', entries: () => help.entries() },
    ], () => app.refresh());
    document.addEventListener('keydown', (event) => this.shortcut(event));
  }

  focusFirst(): void {
    this.siteNameBox()?.focus();
  }

  render(): TemplateResult {
    const main = this.app.main;
    return html`
      ${this.menus.render(main.windowTitle())}
      <main>
        <div class="fields site">
          <label for="txtName">${captionLabel('Site &Name:')}</label>
          <input id="txtName" type="text" placeholder="The site this loop design is for" aria-keyshortcuts="Alt+N"
            spellcheck="false" autocomplete="off" @input=${(event: InputEvent) => this.siteNameTyped(event)}
            @keydown=${(event: KeyboardEvent) => this.siteNameKey(event)}>
          <label for="cmbPanel">${captionLabel('Control &Panel:')}</label>
          ${panelChooser('cmbPanel', main.panelOutline(), main.currentPanel(),
                         (position) => void this.app.act(() => this.app.main.changePanel(position)))}
        </div>
        ${this.loops.render()}
        <div class="main-buttons">
          <button type="button" id="btnPower" @click=${() => this.powerSupply()}
            title="The standby battery the site needs, by the rule of your standard">${captionLabel('Po&wer Supply...')}</button>
          <span class="spacer"></span>
          <!-- Alt+P is the control panel's box's. -->
          <button type="button" @click=${() => this.printing.print()}>Print...</button>
        </div>
      </main>`;
  }

  // After each drawing: the site name box shows the core's name unless it is being typed.
  drawn(): void {
    const box = this.siteNameBox();
    if (box && !this.typing && box.value !== this.app.main.siteName()) box.value = this.app.main.siteName();
    this.typing = false;
  }

  private siteNameBox(): HTMLInputElement | null {
    return document.getElementById('txtName') as HTMLInputElement | null;
  }

  private siteNameTyped(event: InputEvent): void {
    const text = (event.target as HTMLInputElement).value;
    void this.app.act(() => {
      this.typing = true;
      this.app.main.setSiteName(text);
    });
  }

  // Enter in the site name goes on to the first loop, as on the desktop.
  private siteNameKey(event: KeyboardEvent): void {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    this.loops.focusFirstButton();
  }

  private fileEntries(): MenuEntry[] {
    const recent = this.files.recentEntries();
    const shared = sharedFileEntries(this.app);
    return [
      ...this.files.documentEntries(),
      'separator',
      this.printing.printEntry(),
      this.printing.exportEntries(),
      'separator',
      { text: 'Project P&roperties...', run: () => void this.app.act(() => openProjectProperties(this.app)) },
      { text: 'Po&wer Supply...', run: () => this.powerSupply() },
      { text: '&Options...', run: () => void this.app.act(() => new OptionsDialog(this.app).run()) },
      ...shared.options,
      this.panelEntries(shared.panels),
      ...(recent.length ? ['separator' as const, ...recent] : []),
    ];
  }

  private powerSupply(): void {
    void this.app.act(() => openPowerSupply(this.app));
  }

  // The desktop's "User-Defined Panels" submenu, with the panels' sharing.
  private panelEntries(sharing: MenuItem[]): MenuEntry {
    const app = this.app;
    const none = !app.module.customPanelMenu(app.session);
    return { group: 'User-Defined Panels', items: [
      { text: '&Add...', run: () => void app.act(() => editPanel(app, -1)) },
      { text: '&Edit...', disabled: none, run: () => void app.act(() => editUserPanel(app)) },
      { text: '&Delete...', disabled: none, run: () => void app.act(() => deleteUserPanels(app)) },
      ...sharing,
    ] };
  }

  private editEntries(): MenuEntry[] {
    const history = this.app.main.history();
    return [
      { text: history.undoItem, shortcut: 'Ctrl+Z', disabled: history.undoName === '', run: () => this.undo(true) },
      { text: history.redoItem, shortcut: 'Ctrl+Y', disabled: history.redoName === '', run: () => this.undo(false) },
    ];
  }

  private undo(back: boolean): void {
    void this.app.act(() => (back ? this.app.main.undo() : this.app.main.redo()));
  }

  // The window's keys while no dialog is open: Alt and a menu's or a box's
  // letter; Ctrl+Z and Ctrl+Y (Ctrl+Shift+Z) undo and redo through the core,
  // also in the site name box; the file commands' own.
  private shortcut(event: KeyboardEvent): void {
    if (event.defaultPrevented || document.querySelector('dialog[open]')) return;
    if (this.boxKey(event) || this.menus.accessKey(event) || this.undoKey(event) || this.files.shortcut(event) ||
        this.printing.shortcut(event))
      event.preventDefault();
  }

  private boxKey(event: KeyboardEvent): boolean {
    const box = event.altKey && !event.ctrlKey && !event.metaKey &&
      { n: 'txtName', p: 'cmbPanel', w: 'btnPower' }[event.key.toLowerCase()];
    if (box) document.getElementById(box)?.focus();
    if (box === 'btnPower') this.powerSupply();
    return Boolean(box);
  }

  private undoKey(event: KeyboardEvent): boolean {
    const key = event.key.toLowerCase();
    if (!(event.ctrlKey || event.metaKey) || event.altKey || (key !== 'z' && key !== 'y')) return false;
    this.undo(key === 'z' && !event.shiftKey);
    return true;
  }
}
