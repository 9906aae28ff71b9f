// Save As where the browser has no save dialog of its own: the file's name,
// asked in a small dialog; the file then comes as a download.
import { html } from 'lit';
import { Modal } from '../dialogs/Modal.js';
import { captionLabel } from '../main/Menu.js';

// The name typed; null for Cancel or Esc.
export function askFileName(preset: string): Promise<string | null> {
  return new Promise((resolve) => {
    const title = 'Save Configuration Data';
    const modal = new Modal(title, () => done(null));
    const done = (name: string | null) => {
      modal.close();
      resolve(name);
    };
    const submit = (event: Event) => {
      event.preventDefault();
      const name = modal.element.querySelector('input')!.value.trim();
      if (name) done(name);
    };
    modal.element.addEventListener('keydown', (event) => {
      if (event.altKey && event.key.toLowerCase() === 'n') {
        event.preventDefault();
        modal.element.querySelector('input')!.focus();
      }
    });
    modal.draw(html`<form class="body" @submit=${submit}>
      <h2>${title}</h2>
      <div class="content fields save-name">
        <label for="saveName">${captionLabel('File &name:')}</label>
        <input id="saveName" type="text" required spellcheck="false" autocomplete="off" .value=${preset}>
      </div>
      <div class="buttons">
        <button type="submit" class="primary">Save</button>
        <button type="button" @click=${() => done(null)}>Cancel</button>
      </div>
    </form>`);
    modal.open('#saveName');
    modal.element.querySelector('input')!.select();
  });
}
