// A menu bar of menus that open lists of items, driven by mouse or keyboard
// as a desktop menu bar is: Alt and a menu's letter opens it, the arrows move
// through its items and to the next menu, a letter runs its item (or moves
// between the items that share it), Esc closes it.
import { html, nothing, type TemplateResult } from 'lit';

export interface MenuItem {
  // The caption, "&" before the access key's letter ("Save &As...").
  text: string;
  shortcut?: string;
  disabled?: boolean;
  run: () => void;
}
export type MenuEntry = MenuItem | 'separator' | { group: string; items: MenuItem[] };

export interface MenuDefinition {
  text: string;
  entries: () => MenuEntry[];
}

// A caption's parts: the label without "&" ("&&" for "&" itself) and the
// index of its access key (-1 for none).
export function mnemonic(text: string): { label: string; key: number } {
  let label = '';
  let key = -1;
  for (let at = 0; at < text.length; at++) {
    if (text[at] === '&' && at + 1 < text.length) {
      at++;
      if (text[at] !== '&' && key < 0) key = label.length;
    }
    label += text[at];
  }
  return { label, key };
}

export function accessLabel(label: string, key = -1): TemplateResult {
  if (key < 0) return html`${label}`;
  return html`${label.slice(0, key)}<u class="key">${label[key]}</u>${label.slice(key + 1)}`;
}

// A caption with "&" drawn with its access key underlined.
export function captionLabel(text: string): TemplateResult {
  const { label, key } = mnemonic(text);
  return accessLabel(label, key);
}

export class MenuBar {
  private opened = -1;

  constructor(private readonly menus: MenuDefinition[], private readonly redraw: () => void) {
    document.addEventListener('pointerdown', (event) => {
      if (this.opened >= 0 && !(event.target as Element).closest?.('.menubar')) this.close(false);
    });
  }

  get isOpen(): boolean {
    return this.opened >= 0;
  }

  // Alt and a menu's letter: true when it opened one.
  accessKey(event: KeyboardEvent): boolean {
    if (!event.altKey || event.ctrlKey || event.metaKey) return false;
    const at = this.menus.findIndex((menu) => {
      const { label, key } = mnemonic(menu.text);
      return key >= 0 && label[key].toLowerCase() === event.key.toLowerCase();
    });
    if (at < 0) return false;
    this.open(at);
    return true;
  }

  open(at: number): void {
    this.opened = at;
    this.redraw();
    this.items()[0]?.focus();
  }

  close(refocus = true): void {
    if (this.opened < 0) return;
    const button = this.button(this.opened);
    this.opened = -1;
    this.redraw();
    if (refocus) button?.focus();
  }

  // `title`: the window's title, shown at the bar's end.
  render(title: string): TemplateResult {
    return html`<nav class="menubar" aria-label="Menu bar" @focusout=${(event: FocusEvent) => this.leave(event)}>
      ${this.menus.map((menu, at) => this.renderMenu(menu, at))}
      <span class="window-title" aria-hidden="true">${title}</span>
    </nav>`;
  }

  private renderMenu(menu: MenuDefinition, at: number): TemplateResult {
    const { label, key } = mnemonic(menu.text);
    const shown = this.opened === at;
    return html`<div class="menu" data-menu=${at}>
      <button type="button" aria-haspopup="menu" aria-expanded=${shown} aria-keyshortcuts=${`Alt+${label[key]}`}
        @click=${() => (shown ? this.close() : this.open(at))}
        @keydown=${(event: KeyboardEvent) => { if (event.key === 'ArrowDown') { event.preventDefault(); this.open(at); } }}
      >${accessLabel(label, key)}</button>
      ${shown ? html`<div role="menu" aria-label=${label} @keydown=${(event: KeyboardEvent) => this.keydown(event)}>
        ${menu.entries().map((entry) => this.entry(entry))}
      </div>` : nothing}
    </div>`;
  }

  private entry(entry: MenuEntry): TemplateResult {
    if (entry === 'separator') return html`<div role="separator"></div>`;
    if ('group' in entry) {
      return html`<div role="group" aria-label=${entry.group}>
        <div class="group" aria-hidden="true">${entry.group}</div>
        ${entry.items.map((item) => this.item(item))}
      </div>`;
    }
    return this.item(entry);
  }

  private item(item: MenuItem): TemplateResult {
    const { label, key } = mnemonic(item.text);
    return html`<button type="button" role="menuitem" ?disabled=${item.disabled}
      data-key=${key >= 0 ? label[key].toLowerCase() : ''} aria-keyshortcuts=${item.shortcut ?? nothing}
      @click=${() => { this.close(); item.run(); }}>
      <span>${accessLabel(label, key)}</span>${item.shortcut ? html`<span class="shortcut" aria-hidden="true">${item.shortcut}</span>` : nothing}
    </button>`;
  }

  private menuElement(at: number): HTMLElement | null {
    return document.querySelector(`.menubar [data-menu="${at}"]`);
  }
  private button(at: number): HTMLElement | null {
    return this.menuElement(at)?.querySelector(':scope > button') ?? null;
  }
  private items(): HTMLButtonElement[] {
    return [...(this.menuElement(this.opened)?.querySelectorAll<HTMLButtonElement>('[role=menuitem]:not(:disabled)') ?? [])];
  }

  private keydown(event: KeyboardEvent): void {
    const items = this.items();
    const at = items.indexOf(document.activeElement as HTMLButtonElement);
    const go = (index: number) => items[(index + items.length) % items.length]?.focus();
    const neighbour = (step: number) => this.open((this.opened + step + this.menus.length) % this.menus.length);
    if (event.key === 'ArrowDown') go(at + 1);
    else if (event.key === 'ArrowUp') go(at - 1);
    else if (event.key === 'Home') go(0);
    else if (event.key === 'End') go(items.length - 1);
    else if (event.key === 'ArrowRight') neighbour(1);
    else if (event.key === 'ArrowLeft') neighbour(-1);
    else if (event.key === 'Escape') this.close();
    else if (event.key === 'Tab') this.close(false);
    else {
      if (event.ctrlKey || event.metaKey || event.key.length !== 1) return;
      const keyed = items.filter((item) => item.dataset.key === event.key.toLowerCase());
      if (keyed.length === 1) keyed[0].click();
      else if (keyed.length > 1) (keyed.find((item) => items.indexOf(item) > at) ?? keyed[0]).focus();
      else return;
    }
    event.preventDefault();
  }

  // Focus gone elsewhere: the menu closes, as a desktop menu does.
  private leave(event: FocusEvent): void {
    const to = event.relatedTarget as Node | null;
    if (this.opened >= 0 && to && !this.menuElement(this.opened)?.contains(to)) this.close(false);
  }
}
