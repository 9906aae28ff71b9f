// A list of tick boxes that is one stop of the tab order: the arrow keys,
// Home and End move through it, Space ticks.
import { html, type TemplateResult } from 'lit';

export interface CheckItem {
  text: string;
  checked: boolean;
}

export function checkList(label: string, items: CheckItem[], tick: (item: number, checked: boolean) => void): TemplateResult {
  const keydown = (event: KeyboardEvent) => {
    const boxes = [...(event.currentTarget as HTMLElement).querySelectorAll<HTMLInputElement>('input')];
    const at = boxes.indexOf(event.target as HTMLInputElement);
    const to = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: boxes.length - 1,
                 PageDown: at + 10, PageUp: at - 10 }[event.key];
    if (to === undefined || at < 0) return;
    event.preventDefault();
    const box = boxes[Math.max(0, Math.min(boxes.length - 1, to))];
    boxes.forEach((each) => (each.tabIndex = each === box ? 0 : -1));
    box.focus();
  };
  return html`<div class="checklist" role="group" aria-label=${label} @keydown=${keydown}>
    ${items.map((item, at) => html`<label>
      <input type="checkbox" .checked=${item.checked} tabindex=${at === 0 ? 0 : -1}
        @change=${(event: Event) => tick(at, (event.target as HTMLInputElement).checked)}>
      <span>${item.text}</span></label>`)}
  </div>`;
}
