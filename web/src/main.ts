// The browser app's start: the module with the page's dialogs as its hosts,
// the session started, then the main window.
import './app.css';
import createFerrolux from 'ferrolux';
import { App } from './app/App.js';
import { MessageBoxes } from './dialogs/MessageBoxes.js';
import { OpenProgressWindow } from './dialogs/OpenProgressWindow.js';
import { keepOffline } from './offline/Offline.js';

async function start(root: HTMLElement): Promise<void> {
  const boxes = new MessageBoxes();
  const progress = new OpenProgressWindow();
  // The module takes the locale from the browser's language itself.
  const module = await createFerrolux({ messageHost: boxes, openProgress: progress });
  progress.unknownText = module.unknownDeviceText;
  const session = new module.Session();
  const started = await session.start();
  const app = new App(module, session, boxes, root);
  if (!started) {
    app.fail();
    return;
  }
  app.show();
  keepOffline();
}

start(document.getElementById('app')!).catch((error: unknown) => {
  const root = document.getElementById('app')!;
  root.textContent = `Harvex Ferrolux could not start: ${error instanceof Error ? error.message : String(error)}`;
  console.error(error);
});
