// The File menu's commands: a new site, a file opened from the computer or
// one of the sample sites, and the document saved as a download under its
// name. The questions before a change is lost, and every message, are the
// session's.
import type { App } from '../app/App.js';
import type { MenuEntry } from '../main/Menu.js';

export class FileCommands {
  constructor(private readonly app: App) {}

  menuEntries(): MenuEntry[] {
    const samples = this.app.module.sampleSites();
    return [
      { label: 'New', key: 0, shortcut: 'Ctrl+Alt+N', run: () => this.app.act(() => this.newSite()) },
      { label: 'Open...', key: 0, shortcut: 'Ctrl+O', run: () => this.app.act(() => this.openFromComputer()) },
      { group: 'Open Sample Site' },
      ...samples.map((sample) => ({ label: sample.site, run: () => this.app.act(() => this.openSample(sample.path)) })),
      'separator',
      { label: 'Save', key: 0, shortcut: 'Ctrl+S', run: () => this.app.act(() => this.save()) },
    ];
  }

  // The File menu's keys; true when the key was one of them.
  shortcut(event: KeyboardEvent): boolean {
    if (!(event.ctrlKey || event.metaKey)) return false;
    const key = event.key.toLowerCase();
    if (key === 'o' && !event.altKey) this.app.act(() => this.openFromComputer());
    else if (key === 's' && !event.altKey) this.app.act(() => this.save());
    else if (key === 'n' && event.altKey) this.app.act(() => this.newSite());
    else return false;
    return true;
  }

  async newSite(): Promise<void> {
    if (await this.app.session.checkSaved()) this.app.session.newDocument();
  }

  async openFromComputer(): Promise<void> {
    if (!(await this.app.session.checkSaved())) return;
    const file = await pickFile('.qlx,.QLX');
    if (file) await this.openBytes(file.name, new Uint8Array(await file.arrayBuffer()));
  }

  async openSample(path: string): Promise<void> {
    if (!(await this.app.session.checkSaved())) return;
    await this.openBytes(path.slice(path.lastIndexOf('/') + 1), this.app.module.FS.readFile(path) as Uint8Array);
  }

  async openBytes(name: string, bytes: Uint8Array): Promise<void> {
    await this.app.session.open(name, bytes, false);
  }

  async save(): Promise<void> {
    const bytes = await this.app.session.save();
    if (bytes) download(this.documentName(), bytes);
  }

  private documentName(): string {
    const path = this.app.session.path();
    return path.slice(path.lastIndexOf('/') + 1);
  }
}

// The browser's file picker; null when the user closes it without a file.
function pickFile(accept: string): Promise<File | null> {
  return new Promise((resolve) => {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accept;
    input.addEventListener('change', () => resolve(input.files?.[0] ?? null));
    input.addEventListener('cancel', () => resolve(null));
    input.click();
  });
}

export function download(name: string, bytes: Uint8Array): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}
