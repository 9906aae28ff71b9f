// The project properties window, as the desktop's: the project's one-line
// fields, the notes and the spare capacity every loop must keep, with the
// labels and limits of the project core. OK stores them (one undo step of
// the site); Cancel and Esc ask first after a change. A read-only site shows
// them with Close only.
import './ProjectDialog.css';
import { html } from 'lit';
import { live } from 'lit/directives/live.js';
import type { ProjectBox, ProjectBoxes, ProjectWindow } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { OneAtATime } from '../dialogs/OneAtATime.js';
import { setHelpTopic } from '../help/Help.js';
import { announceAccessKeys, keyed, takeAccessKeys } from '../loop/AccessKeys.js';

const boxId = (box: ProjectBox) => `txt${box[0].toUpperCase()}${box.slice(1)}`;

class ProjectDialogWindow {
  private readonly core: ProjectWindow;
  private readonly modal: Modal;
  private boxes: ProjectBoxes;
  private readonly asking = new OneAtATime();
  private closed!: () => void;

  constructor(private readonly app: App) {
    this.core = new app.module.ProjectWindow(app.session);
    this.boxes = this.core.boxes();
    this.modal = new Modal(this.core.caption(), () => void this.cancel());
    setHelpTopic(this.modal.element, this.core.helpTopic());
    this.modal.element.classList.add('project-properties');
    takeAccessKeys(this.modal.element);
  }

  run(): Promise<void> {
    return new Promise((resolve) => {
      this.closed = resolve;
      this.redraw();
      this.modal.open('#txtNumber');
    });
  }

  private set(change: Partial<ProjectBoxes>): void {
    this.boxes = { ...this.boxes, ...change };
    this.redraw();
  }

  private async ok(): Promise<void> {
    const boxes = this.boxes;
    const refusal = await this.asking.run(() => this.core.ok(boxes));
    if (refusal === null) this.close();
    else if (refusal) {
      await this.app.boxes.settled();
      this.modal.element.querySelector<HTMLElement>(`#${boxId(refusal.box)}`)?.focus();
    }
  }

  private async cancel(): Promise<void> {
    const boxes = this.boxes;
    if (await this.asking.run(() => this.core.mayDiscard(boxes))) this.close();
  }

  private close(): void {
    this.modal.close();
    this.core.delete();
    this.closed();
  }

  private redraw(): void {
    const readOnly = !this.core.editable();
    const spare = Array.from({ length: this.core.mostSpare() + 1 }, (_, at) => at);
    this.modal.draw(html`<div class="body">
      <h2>${this.core.caption()}</h2>
      <div class="content form">
        ${this.core.lines().map(({ box, label }) => html`
          <label for=${boxId(box)}>${keyed(label)}</label>
          <input type="text" id=${boxId(box)} autocomplete="off" maxlength=${this.core.longestLine()} ?readonly=${readOnly}
            .value=${live(this.boxes[box])}
            @input=${(event: InputEvent) => this.set({ [box]: (event.target as HTMLInputElement).value })}>`)}
        <label for="txtNotes">${keyed(this.core.notesLabel())}</label>
        <textarea id="txtNotes" rows="6" ?readonly=${readOnly} .value=${live(this.boxes.notes)}
          @input=${(event: InputEvent) => this.set({ notes: (event.target as HTMLTextAreaElement).value })}></textarea>
        <label for="spnSpare">${keyed(this.core.spareLabel())}</label>
        <select id="spnSpare" ?disabled=${readOnly}
          @change=${(event: Event) => this.set({ spareRequired: (event.target as HTMLSelectElement).selectedIndex })}>
          ${spare.map((percent) => html`<option .selected=${live(percent === this.boxes.spareRequired)}>${
            percent === 0 ? this.core.noSpare() : `${percent} %`}</option>`)}
        </select>
      </div>
      <div class="buttons">
        ${readOnly ? html`<button type="button" id="btnCancel" @click=${() => this.close()}>Close</button>` : html`
        <button type="button" class="primary" id="btnOK" @click=${() => void this.ok()}>OK</button>
        <button type="button" id="btnCancel" @click=${() => void this.cancel()}>Cancel</button>`}
      </div>
    </div>`);
    announceAccessKeys(this.modal.element);
  }
}

// Opens the project properties window on the site; resolves once it has closed.
export function openProjectProperties(app: App): Promise<void> {
  return new ProjectDialogWindow(app).run();
}
