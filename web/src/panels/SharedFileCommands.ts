// The File menu's ways to share what the browser keeps: the user-defined
// panels and the options handed out as the very files the program keeps
// (downloads), and taken in from a chosen file through the core's rules.
import type { MenuItem } from '../main/Menu.js';
import type { App } from '../app/App.js';
import { download, pickWithInput } from '../files/FileAccess.js';
import type { SharedFile, SharedFiles } from 'ferrolux';

export function sharedFileEntries(app: App): { panels: MenuItem[]; options: MenuItem[] } {
  const items = app.module.sharedFileItems();
  const act = (work: (shared: SharedFiles) => Promise<unknown>) => () => void app.act(async () => {
    const shared = new app.module.SharedFiles(app.session);
    try {
      await work(shared);
    } finally {
      shared.delete();
    }
  });
  const hand = (file: SharedFile | null) => { if (file) download(file.name, file.bytes); };
  return {
    panels: [
      { text: items.exportPanels, run: act(async (shared) => hand(await shared.exportPanels())) },
      { text: items.importPanels, run: act((shared) => importPanels(app, shared)) },
    ],
    options: [
      { text: items.exportOptions, run: act(async (shared) => hand(await shared.exportOptions())) },
      { text: items.importOptions, run: act((shared) => importOptions(app, shared)) },
    ],
  };
}

async function chosenBytes(accept: string): Promise<{ name: string; bytes: Uint8Array } | null> {
  const file = await pickWithInput(accept);
  return file && { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
}

async function importPanels(app: App, shared: SharedFiles): Promise<void> {
  const chosen = await chosenBytes('.dat,.DAT');
  const done = chosen && await shared.importPanels(chosen.name, chosen.bytes);
  if (done?.failure) await app.boxes.show(done.failure, 48, done.caption);
}

// New options take effect as at a start: the page starts again once they are
// stored (after the question about an unsaved design).
async function importOptions(app: App, shared: SharedFiles): Promise<void> {
  if (!(await app.session.checkSaved())) return;
  const chosen = await chosenBytes('.conf');
  if (chosen && await shared.importOptions(chosen.name, chosen.bytes)) {
    await app.module.flushStorage();
    location.reload();
  }
}
