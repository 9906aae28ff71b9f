// The app: the module, the started session and the main window's core, and
// the one rule of the page's own: one user action at a time. An action that
// asks a question lasts until it is answered; the next one waits for it, and
// the window is drawn again from the cores after each.
import { html, render } from 'lit';
import type { FerroluxModule, MainWindow, Session } from 'ferrolux';
import type { MessageBoxes } from '../dialogs/MessageBoxes.js';
import { MainView } from '../main/MainView.js';

export class App {
  readonly main: MainWindow;
  private readonly view: MainView;
  private pending: Promise<void> = Promise.resolve();
  // Performance marks to set once the window is next drawn (the speed test reads them).
  private marks: string[] = [];

  constructor(readonly module: FerroluxModule, readonly session: Session, readonly boxes: MessageBoxes,
              private readonly root: HTMLElement) {
    this.main = new module.MainWindow(session);
    this.view = new MainView(this);
  }

  show(): void {
    this.root.replaceChildren();  // the "Starting" line
    this.markWhenDrawn('ferrolux-ready');
    this.refresh();
    this.view.focusFirst();
  }

  // The catalogues did not load: their messages have been shown.
  fail(): void {
    this.root.replaceChildren();
    render(html`<p class="starting" role="alert">Harvex Ferrolux cannot work without its catalogues.</p>`, this.root);
  }

  // Runs the action once every earlier one is done, then draws the window again.
  act(action: () => unknown): Promise<void> {
    const next = this.pending.then(action).catch((error: unknown) => {
      console.error(error);
      return this.boxes.show(`Harvex Ferrolux met an internal error: ${error instanceof Error ? error.message : error}`,
                             16, 'Harvex Ferrolux');
    }).then(() => this.refresh());
    this.pending = next;
    return next;
  }

  markWhenDrawn(name: string): void {
    this.marks.push(name);
  }

  refresh(): void {
    document.title = this.main.windowTitle();
    render(this.view.render(), this.root);
    this.view.drawn();
    for (const name of this.marks.splice(0)) performance.mark(name);
  }
}
