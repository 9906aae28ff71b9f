// The about box: the product, its version, what it does and who makes it,
// as the core words them.
import './help.css';
import { html } from 'lit';
import type { FerroluxModule } from 'ferrolux';
import { Modal } from '../dialogs/Modal.js';

export function openAbout(module: FerroluxModule): void {
  const about = module.aboutBox();
  const modal = new Modal('About Ferrolux', () => modal.close());
  modal.element.classList.add('about-box');
  modal.draw(html`<div class="body">
    <h2>About Ferrolux</h2>
    <div class="content">
      <p class="product">${about.title}</p>
      <p>${about.version}</p>
      <p>${about.description}</p>
      <p class="copyright">${about.copyright}</p>
    </div>
    <div class="buttons"><button type="button" class="primary" autofocus @click=${() => modal.close()}>OK</button></div>
  </div>`);
  modal.open();
}
