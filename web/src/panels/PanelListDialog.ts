// The list of user-defined panels, to pick one to edit or to delete. Every
// caption and the refusal of the panel in use are the list core's.
import { html } from 'lit';
import type { PanelList } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { announceAccessKeys, keyed, plain, takeAccessKeys } from '../loop/AccessKeys.js';
import { editPanel } from './PanelEditorDialog.js';

// The list in edit mode: the panel chosen goes on to the editor.
export async function editUserPanel(app: App): Promise<void> {
  const position = await showList(app, false);
  if (position >= 0) await editPanel(app, position);
}

export async function deleteUserPanels(app: App): Promise<void> {
  await showList(app, true);
}

// Resolves once the list closes: with the panel to edit, -1 for none.
async function showList(app: App, deleteMode: boolean): Promise<number> {
  const core = new app.module.PanelList(app.session, deleteMode);
  try {
    return await new PanelListDialog(core).run();
  } finally {
    core.delete();
  }
}

class PanelListDialog {
  private readonly modal: Modal;
  private finished: (position: number) => void = () => {};

  constructor(private readonly core: PanelList) {
    this.modal = new Modal(core.caption(), () => this.finish(-1));
    takeAccessKeys(this.modal.element);
  }

  run(): Promise<number> {
    return new Promise((resolve) => {
      this.finished = resolve;
      this.draw();
      this.modal.open('select');
    });
  }

  private finish(position: number): void {
    this.modal.close();
    this.finished(position);
  }

  private choose(event: Event): void {
    this.core.choose((event.target as HTMLSelectElement).selectedIndex);
    this.draw();
  }

  private async act(): Promise<void> {
    if (!this.core.actionEnabled()) return;
    if (!this.core.deleteMode()) {
      this.finish(this.core.chosenPosition());
      return;
    }
    const outcome = await this.core.deleteChosen();
    if (outcome.closeList) this.finish(-1);
    else if (outcome.deleted) {
      this.core.choose(-1);
      this.draw();
      this.modal.element.querySelector('select')?.focus();
    }
  }

  private draw(): void {
    const caption = this.core.caption();
    this.modal.draw(html`<div class="body panel-list">
      <h2>${caption}</h2>
      <div class="content">
        <select size="10" aria-label=${plain(caption)} @change=${(event: Event) => this.choose(event)}
          @dblclick=${() => void this.act()}
          @keydown=${(event: KeyboardEvent) => { if (event.key === 'Enter') { event.preventDefault(); void this.act(); } }}>
          ${this.core.items().map((item) => html`<option>${item.name}</option>`)}
        </select>
        <div class="side-buttons">
          <button type="button" class="primary" ?disabled=${!this.core.actionEnabled()}
            @click=${() => void this.act()}>${keyed(this.core.actionCaption())}</button>
          <button type="button" @click=${() => this.finish(-1)}>${keyed(this.core.closeCaption())}</button>
        </div>
      </div>
    </div>`);
    announceAccessKeys(this.modal.element);
  }
}
