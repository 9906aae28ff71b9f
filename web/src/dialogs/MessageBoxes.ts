// The core's message boxes and questions as the page's own dialogs, one at a
// time in the order asked. The style's buttons, icon and default button are
// the classic message-box values the core uses.
import { html, type TemplateResult } from 'lit';
import type { MessageHost } from 'ferrolux';
import { Modal } from './Modal.js';

const Result = { OK: 1, Cancel: 2, Abort: 3, Retry: 4, Ignore: 5, Yes: 6, No: 7 } as const;

interface Button {
  label: TemplateResult;
  name: string;
  result: number;
}

const button = (name: string, key: number, result: number): Button => ({
  name, result, label: html`${name.slice(0, key)}<u class="key">${name[key]}</u>${name.slice(key + 1)}`,
});
const ok = button('OK', 0, Result.OK);
const cancel = button('Cancel', 0, Result.Cancel);
const buttonSets: Button[][] = [
  [ok],
  [ok, cancel],
  [button('Abort', 0, Result.Abort), button('Retry', 0, Result.Retry), button('Ignore', 0, Result.Ignore)],
  [button('Yes', 0, Result.Yes), button('No', 0, Result.No), cancel],
  [button('Yes', 0, Result.Yes), button('No', 0, Result.No)],
  [button('Retry', 0, Result.Retry), cancel],
];

const icons: Record<number, { kind: string; glyph: string; meaning: string }> = {
  16: { kind: 'critical', glyph: '✕', meaning: 'Error' },
  32: { kind: 'question', glyph: '?', meaning: 'Question' },
  48: { kind: 'exclamation', glyph: '!', meaning: 'Warning' },
  64: { kind: 'information', glyph: 'i', meaning: 'Information' },
};

export class MessageBoxes implements MessageHost {
  private queue: Promise<unknown> = Promise.resolve();
  private audio: AudioContext | undefined;

  show(text: string, style: number, caption: string): Promise<number> {
    const buttons = buttonSets[style & 7] ?? [ok];
    const chosen = Math.min((style >> 8) & 3, buttons.length - 1);
    const escape = buttons.find((b) => b.result === Result.Cancel) ?? (buttons.length === 1 ? buttons[0] : undefined);
    return this.ask(caption, text, icons[style & 0x70], buttons, chosen, escape?.result);
  }

  // As on the desktop, the second choice (the one that keeps things as they
  // are) is the default and Esc's.
  async choose(text: string, first: string, second: string, caption: string): Promise<boolean> {
    const answer = await this.ask(caption, text, icons[32], [
      { name: first, label: html`${first}`, result: 1 }, { name: second, label: html`${second}`, result: 2 }], 1, 2);
    return answer === 1;
  }

  // The desktop's beep for a box or a refused key: a short, quiet tone.
  beep(): void {
    try {
      this.audio ??= new AudioContext();
      const tone = this.audio.createOscillator();
      const volume = this.audio.createGain();
      volume.gain.value = 0.04;
      tone.frequency.value = 660;
      tone.connect(volume).connect(this.audio.destination);
      tone.start();
      tone.stop(this.audio.currentTime + 0.08);
    } catch {
      // No sound where the browser gives none.
    }
  }

  busy(shown: boolean): void {
    document.body.classList.toggle('busy', shown);
  }

  // Resolves once every box asked so far has been answered.
  settled(): Promise<unknown> {
    return this.queue;
  }

  private ask(caption: string, text: string, icon: (typeof icons)[number] | undefined, buttons: Button[],
              chosen: number, escapeResult?: number): Promise<number> {
    const answer = this.queue.then(() => new Promise<number>((resolve) => {
      const modal = new Modal(caption || 'Harvex Ferrolux', () => {
        if (escapeResult !== undefined) done(escapeResult);
      });
      const done = (result: number) => {
        modal.close();
        resolve(result);
      };
      modal.element.setAttribute('role', 'alertdialog');
      modal.element.setAttribute('aria-describedby', 'message-text');
      modal.element.addEventListener('keydown', (event) => {
        if (!event.altKey || event.ctrlKey || event.metaKey) return;
        const pressed = buttons.find((b) => b.name[0].toLowerCase() === event.key.toLowerCase());
        if (pressed) {
          event.preventDefault();
          done(pressed.result);
        }
      });
      modal.draw(html`<div class="body">
        <h2>${caption || 'Harvex Ferrolux'}</h2>
        <div class="content message">
          ${icon ? html`<span class="icon ${icon.kind}" role="img" aria-label=${icon.meaning}>${icon.glyph}</span>` : ''}
          <p id="message-text">${text}</p>
        </div>
        <div class="buttons">
          ${buttons.map((b, i) => html`<button type="button" class=${i === chosen ? 'primary' : ''}
            aria-label=${b.name} ?autofocus=${i === chosen} @click=${() => done(b.result)}>${b.label}</button>`)}
        </div>
      </div>`);
      modal.open();
    }));
    this.queue = answer;
    return answer;
  }
}
