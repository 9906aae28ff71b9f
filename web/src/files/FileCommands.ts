// The File menu's document commands: a new site; a file opened from the
// computer, dropped on the page, one of the recent files or a sample site;
// the document saved back to its file or as a download. The question before
// a change is lost, and every message of an open or a save, are the
// session's; the bytes saved are the core's, untouched.
import type { App } from '../app/App.js';
import type { MenuEntry, MenuItem } from '../main/Menu.js';
import {
  canSaveInPlace, chooseFileToOpen, chooseFileToSave, download, droppedFile, mayUse, writeToFile, type ChosenFile,
} from './FileAccess.js';
import { KnownFiles, type FileSource } from './KnownFiles.js';
import { askFileName } from './SaveNameDialog.js';

const baseName = (path: string): string => path.slice(path.lastIndexOf('/') + 1);

export class FileCommands {
  private readonly known = new KnownFiles();

  constructor(private readonly app: App) {
    // The browser's own question on leaving a changed site.
    window.addEventListener('beforeunload', (event) => {
      if (!app.session.dirty()) return;
      event.preventDefault();
      event.returnValue = '';  // the older browsers' way to ask
    });
    this.acceptDrops();
  }

  documentEntries(): MenuEntry[] {
    const act = (command: () => Promise<void>) => () => void this.app.act(command);
    return [
      { text: '&New', run: act(() => this.newSite()) },
      { text: '&Open...', shortcut: 'Ctrl+O', run: act(() => this.openFromComputer()) },
      'separator',
      { group: 'Open Sample Site', items: this.app.module.sampleSites().map((sample) => ({
        text: sample.site.replaceAll('&', '&&'), run: act(() => this.openSample(sample.name, sample.path)) })) },
      'separator',
      { text: '&Save', shortcut: 'Ctrl+S', run: act(() => this.save()) },
      { text: 'Save &As...', shortcut: 'Ctrl+Shift+S', run: act(() => this.saveAs()) },
    ];
  }

  // The recent files as the core keeps them (none while the list is empty).
  recentEntries(): MenuItem[] {
    return this.app.main.recentFiles().filter((file) => file.caption !== '')
      .map((file) => ({ text: file.caption, run: () => void this.app.act(() => this.openRecent(file.path)) }));
  }

  // The File menu's keys; true when the key was one of them. Browsers keep
  // Ctrl+N for a new window: New has its menu item.
  shortcut(event: KeyboardEvent): boolean {
    if (!(event.ctrlKey || event.metaKey) || event.altKey) return false;
    const key = event.key.toLowerCase();
    if (key === 'o' && !event.shiftKey) void this.app.act(() => this.openFromComputer());
    else if (key === 's') void this.app.act(() => (event.shiftKey ? this.saveAs() : this.save()));
    else return false;
    return true;
  }

  async newSite(): Promise<void> {
    if (await this.mayReplace()) this.app.session.newDocument();
  }

  async openFromComputer(): Promise<void> {
    if (!(await this.mayReplace())) return;
    const chosen = await chooseFileToOpen();
    if (chosen) await this.openChosen(chosen);
  }

  async openSample(name: string, path: string): Promise<void> {
    if (await this.mayReplace()) await this.open(name, this.app.module.FS.readFile(path), { sample: path });
  }

  async openRecent(path: string): Promise<void> {
    if (!(await this.mayReplace())) return;
    const source = await this.known.find(path);
    if (source && 'sample' in source) return this.open(baseName(path), this.app.module.FS.readFile(source.sample), source);
    const file = source && (await mayUse(source.handle, 'read')) ? await source.handle.getFile().catch(() => null) : null;
    if (file) return this.open(file.name, new Uint8Array(await file.arrayBuffer()), source);
    // No way back to the file from here: the user chooses it again.
    if (!(await this.app.main.askToChooseAgain(path))) return;
    const chosen = await chooseFileToOpen();
    if (chosen) await this.openChosen(chosen);
  }

  async save(): Promise<void> {
    // A new site where the browser can write files: its save dialog, so
    // that the next saves go back to the same file.
    if (!this.app.session.path() && canSaveInPlace()) return this.saveAs();
    const bytes = await this.app.session.save();
    if (bytes) await this.deliver(bytes);
  }

  async saveAs(): Promise<void> {
    const session = this.app.session;
    if (canSaveInPlace()) {
      const handle = await chooseFileToSave(baseName(session.path()));
      const bytes = handle && (await session.saveAs(handle.name));
      if (!handle || !bytes) return;
      await this.known.remember(session.path(), { handle });
      if (!(await writeToFile(handle, bytes))) download(baseName(session.path()), bytes);
    } else {
      const name = await askFileName(baseName(session.path()));
      const bytes = name && (await session.saveAs(name));
      if (!bytes) return;
      await this.known.remember(session.path(), null);
      download(baseName(session.path()), bytes);
    }
  }

  // Before New or an open: the core's question when the site has changed.
  private async mayReplace(): Promise<boolean> {
    const session = this.app.session;
    const changed = session.dirty();
    if (!(await session.checkSaved())) return false;
    // Answered "save now": the core has saved; its bytes go to the user's file.
    if (changed && !session.dirty()) await this.deliver(this.app.module.FS.readFile(session.path()));
    return true;
  }

  private openChosen({ file, handle }: ChosenFile): Promise<void> {
    return file.arrayBuffer().then((bytes) => this.open(file.name, new Uint8Array(bytes), handle && { handle }));
  }

  private async open(name: string, bytes: Uint8Array, source: FileSource | null): Promise<void> {
    const session = this.app.session;
    const before = session.path();
    const outcome = await session.open(name, bytes, false);
    // The document's path now names this file (or, when it did not open, a new site).
    if (outcome === 'opened' || session.path() !== before)
      await this.known.remember(session.path(), outcome === 'opened' ? source : null);
    this.app.markWhenDrawn('ferrolux-opened');
  }

  // The saved bytes into the document's own file where the page has its
  // handle, else a download under the document's name.
  private async deliver(bytes: Uint8Array): Promise<void> {
    const path = this.app.session.path();
    const source = await this.known.find(path);
    if (source && 'handle' in source && (await writeToFile(source.handle, bytes))) return;
    download(baseName(path), bytes);
  }

  // A file dropped anywhere on the page opens as Open... would open it.
  private acceptDrops(): void {
    const carriesFiles = (event: DragEvent) => event.dataTransfer?.types.includes('Files') ?? false;
    const shown = (on: boolean) => document.body.classList.toggle('drop-target', on);
    document.addEventListener('dragover', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      event.dataTransfer!.dropEffect = document.querySelector('dialog[open]') ? 'none' : 'copy';
      shown(!document.querySelector('dialog[open]'));
    });
    document.addEventListener('dragleave', (event) => {
      if (!event.relatedTarget) shown(false);
    });
    document.addEventListener('drop', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();  // never the browser's own opening of the file
      shown(false);
      if (document.querySelector('dialog[open]')) return;
      const dropped = droppedFile(event);
      if (!dropped) return;
      void this.app.act(async () => {
        const chosen = await dropped;
        if (chosen && (await this.mayReplace())) await this.openChosen(chosen);
      });
    });
  }
}
