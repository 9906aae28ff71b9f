// The options' unit setting: metric or imperial, stored by the options core
// on OK (the rest of the options window comes with the other windows).
import { html } from 'lit';
import type { OptionsDialog } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';

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
      const draw = () => {
        const units = this.core.units();
        const labels = this.core.unitLabels(units);
        modal.draw(html`<form class="body" @submit=${(event: Event) => { event.preventDefault(); void ok(); }}>
          <h2>${this.core.caption()}</h2>
          <div class="content">
            <fieldset class="units"><legend>Units</legend>
              ${['Metric', 'Imperial'].map((name, value) => html`<label><input type="radio" name="units"
                .checked=${units === value} ?autofocus=${units === value}
                @change=${() => { this.core.setUnits(value); draw(); }}> ${name}</label>`)}
            </fieldset>
            <p class="hint">Lengths in ${labels.length}; impedance in ${labels.impedance} ${labels.impedanceTemp}</p>
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
