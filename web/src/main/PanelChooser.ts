// The control panel chooser: the core's outline of manufacturers with their
// panels (the user's own among them) as one list grouped by manufacturer,
// and the current panel's manufacturer beside it. As on the desktop, the
// arrow keys do not change the panel while the list is closed (Alt+Down
// opens it), so that no panel is chosen, with its questions, on the way.
import { html, type TemplateResult } from 'lit';
import { live } from 'lit/directives/live.js';
import type { PanelOutline } from 'ferrolux';

const passingKeys = new Set(['Tab', 'Enter', ' ', 'Escape', 'F4']);

export function panelChooser(id: string, outline: PanelOutline, current: number,
                             choose: (position: number) => void): TemplateResult {
  const keydown = (event: KeyboardEvent) => {
    if (!event.altKey && !event.ctrlKey && !event.metaKey && !passingKeys.has(event.key)) event.preventDefault();
  };
  return html`<div class="panel-choice">
    <select id=${id} aria-keyshortcuts="Alt+P" .value=${live(String(current))} @keydown=${keydown}
      @change=${(event: Event) => choose(Number((event.target as HTMLSelectElement).value))}>
      ${outline.manufacturers.map((maker) => html`<optgroup label=${maker.name}>
        ${maker.panels.map((panel) => html`<option value=${panel.position}
          ?selected=${panel.position === current}>${panel.name}</option>`)}
      </optgroup>`)}
    </select>
    <span class="manufacturer">${outline.manufacturer}</span>
  </div>`;
}
