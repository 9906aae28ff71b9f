// The open flow's progress and its unknown-device question. An open in the
// browser takes a moment, so the progress is a status line rather than a
// window; the question is a dialog of its three answers.
import { html } from 'lit';
import type { OpenProgress } from 'ferrolux';
import { Modal } from './Modal.js';

type UnknownAnswer = 'Y' | 'A' | 'C';

export class OpenProgressWindow implements OpenProgress {
  // Set by the app once the module is loaded: the question's text.
  unknownText: (loop: number, address: number, deviceType: number) => string = () => '';
  private readonly status: HTMLElement;

  constructor() {
    this.status = document.createElement('p');
    this.status.className = 'open-status';
    this.status.setAttribute('role', 'status');
    document.body.append(this.status);
  }

  file(text: string): void {
    this.status.textContent = text;
  }

  close(): void {
    this.status.textContent = '';
  }

  cancelRequested(): boolean {
    return false;
  }

  unknownResponse(loop: number, address: number, deviceType: number): Promise<UnknownAnswer> {
    return new Promise((resolve) => {
      const modal = new Modal('Unknown Device Type', () => done('C'));
      const done = (answer: UnknownAnswer) => {
        modal.close();
        resolve(answer);
      };
      modal.element.setAttribute('role', 'alertdialog');
      modal.draw(html`<div class="body">
        <h2>Unknown Device Type</h2>
        <div class="content message">
          <span class="icon question" role="img" aria-label="Question">?</span>
          <p>${this.unknownText(loop, address, deviceType)}</p>
        </div>
        <div class="buttons">
          <button type="button" class="primary" autofocus @click=${() => done('Y')}>Yes</button>
          <button type="button" @click=${() => done('A')}>Yes to All</button>
          <button type="button" @click=${() => done('C')}>Cancel</button>
        </div>
      </div>`);
      modal.open();
    });
  }
}
