// The help window: the help's pages, bundled beside the app, in a frame over
// every other window, as the desktop's help window stands over a dialog that
// asks for it. One window is shown at a time; a new topic replaces the page.
import './help.css';
import { html } from 'lit';
import { Modal } from '../dialogs/Modal.js';

const title = 'Harvex Ferrolux Help';
const pages = 'help/index.html';

let shown: { modal: Modal; frame: HTMLIFrameElement } | null = null;

// `anchor`: "topic-3", "contents" or "using-help".
export function showHelpPage(anchor: string): void {
  const address = `${pages}#${anchor}`;
  if (shown) {
    // A page of its own origin from disk (file://): its location is all the app may set.
    shown.frame.contentWindow?.location.replace(new URL(address, document.baseURI).href);
    return;
  }
  const modal = new Modal(title, () => close());
  modal.element.classList.add('help-window');
  const close = () => {
    shown = null;
    modal.close();
  };
  modal.draw(html`<div class="body">
    <h2>${title}</h2>
    <div class="toolbar">
      <button type="button" id="btnContents" @click=${() => showHelpPage('contents')}>Contents</button>
      <span class="spacer"></span>
      <button type="button" id="btnClose" @click=${close}>Close</button>
    </div>
    <iframe title=${title} src=${address}></iframe>
  </div>`);
  const frame = modal.element.querySelector('iframe')!;
  // Keys in the page are the page's own; Esc there closes the window too
  // where the page may be reached (served, not from disk).
  frame.addEventListener('load', () => frame.contentDocument?.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') close();
  }));
  modal.open('#btnClose');
  shown = { modal, frame };
}
