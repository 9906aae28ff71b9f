// Place Isolators, over the loop editor, as the desktop's: the isolator and
// the most points a section may hold, the loop's sections now and after, and
// what OK will put in. Every text is the window's core's; OK puts the
// isolators in as one step of the editor; Cancel and Esc change nothing.
import './PlaceIsolatorsDialog.css';
import { html } from 'lit';
import { live } from 'lit/directives/live.js';
import type { LoopEditor, PlaceIsolators } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { setHelpTopic } from '../help/Help.js';
import { announceAccessKeys, keyed, takeAccessKeys } from '../loop/AccessKeys.js';

class PlaceIsolatorsWindow {
  private readonly core: PlaceIsolators;
  private readonly modal: Modal;
  private closed!: (placed: boolean) => void;

  constructor(app: App, editor: LoopEditor) {
    this.core = new app.module.PlaceIsolators(editor);
    this.modal = new Modal(this.core.caption(), () => this.close(false));
    setHelpTopic(this.modal.element, this.core.helpTopic());
    this.modal.element.classList.add('place-isolators');
    takeAccessKeys(this.modal.element);
  }

  // Resolves once the window has closed: true when OK put isolators in.
  run(): Promise<boolean> {
    return new Promise((resolve) => {
      this.closed = resolve;
      this.redraw();
      this.modal.open('#cboKind');
    });
  }

  private limit(text: string): void {
    const limit = Number.parseInt(text, 10);
    if (Number.isFinite(limit)) this.core.setLimit(limit);
    this.redraw();
  }

  private ok(): void {
    if (this.core.ok()) this.close(true);
    else this.redraw();
  }

  private close(placed: boolean): void {
    this.modal.close();
    this.core.delete();
    this.closed(placed);
  }

  private redraw(): void {
    const core = this.core;
    const kinds = core.kinds();
    this.modal.draw(html`<div class="body">
      <h2>${core.caption()}</h2>
      <div class="content form">
        <label for="cboKind">${keyed('&Isolator:')}</label>
        <select id="cboKind" ?disabled=${kinds.length === 0}
          @change=${(event: Event) => { core.setKind((event.target as HTMLSelectElement).selectedIndex); this.redraw(); }}>
          ${kinds.map((name, at) => html`<option .selected=${live(at === core.kind())}>${name}</option>`)}
        </select>
        <label for="spnLimit">${keyed('&Most points in a section:')}</label>
        <input type="number" id="spnLimit" min=${core.minLimit()} max=${core.maxLimit()} .value=${live(String(core.limit()))}
          @input=${(event: InputEvent) => this.limit((event.target as HTMLInputElement).value)}>
        <span>Sections now:</span><p id="lblBefore">${core.beforeText()}</p>
        <span>Sections after:</span><p id="lblAfter">${core.afterText()}</p>
        <p id="lblOutcome" class="wide" role="status">${core.outcomeText()}</p>
      </div>
      <div class="buttons">
        <button type="button" class="primary" id="btnOK" ?disabled=${!core.canApply()} @click=${() => this.ok()}>OK</button>
        <button type="button" id="btnCancel" @click=${() => this.close(false)}>Cancel</button>
      </div>
    </div>`);
    announceAccessKeys(this.modal.element);
  }
}

// Opens Place Isolators on the editor's loop; resolves once it has closed,
// true when OK put isolators in (a step of the editor).
export function openPlaceIsolators(app: App, editor: LoopEditor): Promise<boolean> {
  return new PlaceIsolatorsWindow(app, editor).run();
}
