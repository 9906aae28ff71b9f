// A menu bar's menu: a button that opens a list of items, driven by mouse or
// keyboard (arrows, Home, End, Enter, Esc), as a desktop menu is.
import { html, nothing, type TemplateResult } from 'lit';

export interface MenuItem {
  label: string;
  // The index of the access key's letter in the label (-1 for none).
  key?: number;
  shortcut?: string;
  disabled?: boolean;
  run: () => void;
}
export type MenuEntry = MenuItem | 'separator' | { group: string };

export function accessLabel(label: string, key = -1): TemplateResult {
  if (key < 0) return html`${label}`;
  return html`${label.slice(0, key)}<u class="key">${label[key]}</u>${label.slice(key + 1)}`;
}

export class Menu {
  private opened = false;

  constructor(readonly label: string, readonly key: number, private readonly redraw: () => void) {}

  get isOpen(): boolean {
    return this.opened;
  }

  open(): void {
    this.opened = true;
    this.redraw();
    requestAnimationFrame(() => this.items()[0]?.focus());
  }

  close(refocus = true): void {
    if (!this.opened) return;
    this.opened = false;
    this.redraw();
    if (refocus) this.button()?.focus();
  }

  render(entries: MenuEntry[]): TemplateResult {
    const id = `menu-${this.label.toLowerCase()}`;
    return html`<div class="menu" id=${id} @focusout=${(event: FocusEvent) => this.leave(event)}>
      <button type="button" aria-haspopup="menu" aria-expanded=${this.opened}
        @click=${() => (this.opened ? this.close() : this.open())}
        @keydown=${(event: KeyboardEvent) => { if (event.key === 'ArrowDown') { event.preventDefault(); this.open(); } }}
      >${accessLabel(this.label, this.key)}</button>
      ${this.opened ? html`<div role="menu" aria-label=${this.label} @keydown=${(event: KeyboardEvent) => this.keydown(event)}>
        ${entries.map((entry) => this.entry(entry))}
      </div>` : nothing}
    </div>`;
  }

  private entry(entry: MenuEntry): TemplateResult {
    if (entry === 'separator') return html`<div role="separator"></div>`;
    if ('group' in entry) return html`<div class="group" role="presentation">${entry.group}</div>`;
    return html`<button type="button" role="menuitem" ?disabled=${entry.disabled} data-key=${
      entry.key !== undefined && entry.key >= 0 ? entry.label[entry.key].toLowerCase() : ''}
      @click=${() => { this.close(); entry.run(); }}>
      <span>${accessLabel(entry.label, entry.key)}</span>${entry.shortcut ? html`<span class="shortcut">${entry.shortcut}</span>` : nothing}
    </button>`;
  }

  private menu(): HTMLElement | null {
    return document.getElementById(`menu-${this.label.toLowerCase()}`);
  }
  private button(): HTMLElement | null {
    return this.menu()?.querySelector(':scope > button') ?? null;
  }
  private items(): HTMLButtonElement[] {
    return [...(this.menu()?.querySelectorAll<HTMLButtonElement>('[role=menuitem]:not(:disabled)') ?? [])];
  }

  private keydown(event: KeyboardEvent): void {
    const items = this.items();
    const at = items.indexOf(document.activeElement as HTMLButtonElement);
    const go = (index: number) => items[(index + items.length) % items.length]?.focus();
    if (event.key === 'ArrowDown') go(at + 1);
    else if (event.key === 'ArrowUp') go(at - 1);
    else if (event.key === 'Home') go(0);
    else if (event.key === 'End') go(items.length - 1);
    else if (event.key === 'Escape') this.close();
    else if (event.key === 'Tab') this.close(false);
    else {
      const keyed = items.find((item) => item.dataset.key === event.key.toLowerCase());
      if (!keyed || event.ctrlKey || event.metaKey) return;
      keyed.click();
    }
    event.preventDefault();
  }

  // Focus gone elsewhere: the menu closes, as a desktop menu does.
  private leave(event: FocusEvent): void {
    const to = event.relatedTarget as Node | null;
    if (this.opened && to && !this.menu()?.contains(to)) this.close(false);
  }
}
