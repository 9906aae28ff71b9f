// A row of tabs over one shown page, as a desktop tab control: the arrow
// keys, Home and End move between the tabs and show each, Alt and a tab's
// letter shows it (through the access keys of its owner).
import { html, type TemplateResult } from 'lit';
import { keyed } from '../loop/AccessKeys.js';

export class TabStrip {
  shown = 0;

  constructor(private readonly id: string, private readonly captions: string[], private readonly redraw: () => void) {}

  show(tab: number, focus = false): void {
    this.shown = tab;
    this.redraw();
    if (focus) document.getElementById(this.tabId(tab))?.focus();
  }

  render(page: (tab: number) => TemplateResult): TemplateResult {
    return html`<div class="tabstrip" role="tablist" @keydown=${(event: KeyboardEvent) => this.keydown(event)}>
        ${this.captions.map((caption, tab) => html`<button type="button" role="tab" id=${this.tabId(tab)}
          aria-selected=${tab === this.shown} aria-controls=${this.pageId(tab)} tabindex=${tab === this.shown ? 0 : -1}
          @click=${() => this.show(tab, true)}>${keyed(caption)}</button>`)}
      </div>
      <div class="tabpage" role="tabpanel" id=${this.pageId(this.shown)} aria-labelledby=${this.tabId(this.shown)}>
        ${page(this.shown)}
      </div>`;
  }

  private tabId(tab: number): string {
    return `${this.id}-tab${tab}`;
  }
  private pageId(tab: number): string {
    return `${this.id}-page${tab}`;
  }

  private keydown(event: KeyboardEvent): void {
    const count = this.captions.length;
    const to = { ArrowRight: this.shown + 1, ArrowLeft: this.shown - 1, Home: 0, End: count - 1 }[event.key];
    if (to === undefined || event.altKey || event.ctrlKey) return;
    event.preventDefault();
    this.show((to + count) % count, true);
  }
}
