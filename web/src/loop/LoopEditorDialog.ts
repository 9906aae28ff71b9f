// The loop editor over the main window.
import type { App } from '../app/App.js';

export async function openLoopEditor(app: App, loop: number): Promise<void> {
  throw new Error(`the loop editor (loop ${loop}) is not built yet: ${app.session.path()}`);
}
