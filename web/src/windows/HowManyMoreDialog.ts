// How many more of a loop editor row's device type or Other Device fit, as
// the desktop's window: where they go, the answer with the check that stops
// one more, and Add, one step of the editor. Every text is the core's.
import './HowManyMoreDialog.css';
import { html } from 'lit';
import { live } from 'lit/directives/live.js';
import type { HowManyMore, LoopEditor } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { setHelpTopic } from '../help/Help.js';

class HowManyMoreWindow {
  private readonly core: HowManyMore;
  private readonly modal: Modal;
  private farEnd = false;
  private added = false;
  private closed!: (added: boolean) => void;

  constructor(app: App, editor: LoopEditor, row: number, other: boolean) {
    this.core = new app.module.HowManyMore(editor, row, other);
    this.modal = new Modal(this.core.caption(), () => this.close());
    setHelpTopic(this.modal.element, this.core.helpTopic());
    this.modal.element.classList.add('how-many-more');
  }

  // Resolves once the window has closed: true when Add placed some.
  run(): Promise<boolean> {
    return new Promise((resolve) => {
      this.closed = resolve;
      this.redraw();
      this.modal.open('#optEvenly');
    });
  }

  private choose(farEnd: boolean): void {
    this.farEnd = farEnd;
    this.core.setAtFarEnd(farEnd);
    this.redraw();
  }

  private add(): void {
    if (this.core.add()) this.added = true;
    this.redraw();
  }

  private close(): void {
    this.modal.close();
    this.core.delete();
    this.closed(this.added);
  }

  private redraw(): void {
    const core = this.core;
    const placement = (id: string, farEnd: boolean, text: string) => html`<label class="check">
      <input type="radio" name="placement" id=${id} .checked=${live(this.farEnd === farEnd)}
        @change=${() => this.choose(farEnd)}><span>${text}</span></label>`;
    this.modal.draw(html`<div class="body">
      <h2>${core.caption()}</h2>
      <div class="content">
      <p>Type: <strong id="lblType">${core.itemText()}</strong></p>
      <fieldset><legend>Placed</legend>
        ${placement('optEvenly', false, 'Evenly, where the loop editor places them')}
        ${placement('optFarEnd', true, 'All at the far end of the cable (the worst place)')}
      </fieldset>
      <p>How many more: <output id="lblAnswer" aria-live="polite">${core.answerText()}</output></p>
      </div>
      <div class="buttons">
        <span class="spacer"></span>
        <button type="button" id="btnAddMore" ?disabled=${!core.addEnabled()} @click=${() => this.add()}>${core.addText()}</button>
        <button type="button" id="btnClose" @click=${() => this.close()}>Close</button>
      </div>
    </div>`);
  }
}

export function openHowManyMore(app: App, editor: LoopEditor, row: number, other: boolean): Promise<boolean> {
  return new HowManyMoreWindow(app, editor, row, other).run();
}
