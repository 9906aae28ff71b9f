// The options' units of measurement: metric or imperial, each with the
// units it shows, stored by the options core on OK (the options' other
// pages come with the other windows). A refusal has been told by the core;
// the dialog then stays open.
import { html } from 'lit';
import type { OptionsDialog } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { captionLabel, mnemonic } from './Menu.js';

const choices = ['&Metric', '&Imperial'];

export class UnitsDialog {
  private readonly core: OptionsDialog;

  constructor(app: App) {
    this.core = new app.module.OptionsDialog(app.session);
  }

  run(): Promise<void> {
    return new Promise((resolve) => {
      const modal = new Modal(this.core.caption(), () => finish());
      const finish = () => {
        modal.close();
        this.core.delete();
        resolve();
      };
      const ok = async () => {
        if ((await this.core.ok()) === null) finish();
      };
      const choose = (units: number) => {
        this.core.setUnits(units);
        draw();
        modal.element.querySelectorAll<HTMLInputElement>('input[type=radio]')[units].focus();
      };
      // The choices' letters, with Alt or without (the dialog has no text box).
      modal.element.addEventListener('keydown', (event) => {
        if (event.ctrlKey || event.metaKey) return;
        const units = choices.findIndex((text) => {
          const { label, key } = mnemonic(text);
          return label[key].toLowerCase() === event.key.toLowerCase();
        });
        if (units >= 0) choose(units);
        else if (event.key === 'Enter' && (event.target as HTMLElement).tagName === 'INPUT') void ok();
        else return;
        event.preventDefault();
      });
      const draw = () => {
        const units = this.core.units();
        modal.draw(html`<form class="body units-dialog" @submit=${(event: Event) => { event.preventDefault(); void ok(); }}>
          <h2>${this.core.caption()}</h2>
          <div class="content">
            <fieldset>
              <legend>Units</legend>
              <p class="note">Select units of measurement for input and output.</p>
              ${choices.map((text, value) => {
                const labels = this.core.unitLabels(value);
                return html`<label class="unit-choice">
                  <input type="radio" name="units" .checked=${units === value} ?autofocus=${units === value}
                    aria-labelledby=${`unit${value}`} aria-describedby=${`units${value}`}
                    @change=${() => choose(value)}>
                  <span class="unit-name" id=${`unit${value}`}>${captionLabel(text)}</span>
                  <span class="unit-labels" id=${`units${value}`}>
                    <span>${labels.length}</span><span>${labels.impedance}</span><span>${labels.impedanceTemp}</span>
                  </span>
                </label>`;
              })}
            </fieldset>
          </div>
          <div class="buttons">
            <button type="submit" class="primary">OK</button>
            <button type="button" @click=${finish}>Cancel</button>
          </div>
        </form>`);
      };
      draw();
      modal.open();
    });
  }
}
