// The device-type chooser over the loop editor, as the desktop's: the
// families as an outline, each opening to its types, driven by mouse or
// keyboard (arrows, Home, End, + and -, Enter for OK, Esc for Cancel). The
// heading, the hint and any refusal are the core's.
import { html, nothing, type TemplateResult } from 'lit';
import type { DeviceTypeChooser, DeviceTypeItem, FerroluxModule, Session } from 'ferrolux';
import { Modal } from '../dialogs/Modal.js';

const same = (a: DeviceTypeItem | null, b: DeviceTypeItem) => a?.family === b.family && a?.type === b.type;

class ChooserWindow {
  private readonly core: DeviceTypeChooser;
  private readonly modal: Modal;
  private readonly expanded = new Set<number>();
  private asking = false;
  private done!: (code: number | null) => void;

  constructor(module: FerroluxModule, session: Session) {
    this.core = new module.DeviceTypeChooser(session);
    this.modal = new Modal(this.core.caption(), () => this.finish(null));
    this.modal.element.classList.add('device-type-chooser');
  }

  run(): Promise<number | null> {
    return new Promise((resolve) => {
      this.done = resolve;
      this.draw();
      this.modal.open('[role=treeitem][tabindex="0"], button');
    });
  }

  private finish(code: number | null): void {
    if (this.asking) return;
    this.modal.close();
    this.core.delete();
    this.done(code);
  }

  private async ok(): Promise<void> {
    if (this.asking || !this.core.checkEnables()) return;
    this.asking = true;
    const code = await this.core.ok();
    this.asking = false;
    if (code !== null) this.finish(code);
  }

  // The items on show, families and the types of the open ones, in order.
  private shown(): DeviceTypeItem[] {
    return this.core.outline().flatMap((family, f) => [{ family: f, type: null },
      ...(this.expanded.has(f) ? family.types.map((_, t) => ({ family: f, type: t })) : [])]);
  }

  private choose(item: DeviceTypeItem): void {
    this.core.setCurrent(item.family, item.type);
    this.draw();
    this.modal.element.querySelector<HTMLElement>('[role=treeitem][tabindex="0"]')?.focus();
  }

  private toggle(family: number, open = !this.expanded.has(family)): void {
    if (open) this.expanded.add(family);
    else this.expanded.delete(family);
    this.choose({ family, type: null });
  }

  private keydown(event: KeyboardEvent): void {
    const shown = this.shown();
    const current = this.core.current();
    const at = shown.findIndex((item) => same(current, item));
    const family = current?.family ?? 0;
    const isFamily = current?.type === null;
    const hasTypes = (this.core.outline()[family]?.types.length ?? 0) > 0;
    const moves: Record<string, () => void> = {
      ArrowDown: () => this.choose(shown[Math.min(at + 1, shown.length - 1)]),
      ArrowUp: () => this.choose(shown[Math.max(at - 1, 0)]),
      Home: () => this.choose(shown[0]),
      End: () => this.choose(shown[shown.length - 1]),
      ArrowRight: () => (isFamily && !this.expanded.has(family) ? this.toggle(family, true)
        : isFamily && hasTypes ? this.choose({ family, type: 0 }) : undefined),
      ArrowLeft: () => (isFamily ? this.toggle(family, false) : this.choose({ family, type: null })),
      '+': () => this.toggle(family, true),
      '-': () => this.toggle(family, false),
      Enter: () => void this.ok(),
    };
    const move = moves[event.key];
    if (!move || shown.length === 0) return;
    event.preventDefault();
    move();
  }

  private item(name: string, item: DeviceTypeItem, children?: TemplateResult): TemplateResult {
    const current = same(this.core.current(), item);
    const family = item.type === null;
    return html`<li role="treeitem" aria-selected=${current} tabindex=${current ? 0 : -1}
        aria-expanded=${family ? String(this.expanded.has(item.family)) : nothing}
        @click=${(event: Event) => { event.stopPropagation(); this.choose(item); }}
        @dblclick=${(event: Event) => { event.stopPropagation(); if (family) this.toggle(item.family); else void this.ok(); }}>
      <span class="item"><span class="twisty" aria-hidden="true"
        @click=${(event: Event) => { if (family) { event.stopPropagation(); this.toggle(item.family); } }}
        >${family ? (this.expanded.has(item.family) ? '▾' : '▸') : ''}</span>${name}</span>
      ${children ?? nothing}
    </li>`;
  }

  private draw(): void {
    const core = this.core;
    this.modal.draw(html`<div class="body">
      <h2>${core.caption()}</h2>
      <div class="content chooser">
        <p id="lblChoose">${core.headingText()}</p>
        ${core.isEmpty() ? nothing : html`
          <ul role="tree" id="outDevices" aria-labelledby="lblChoose" @keydown=${(event: KeyboardEvent) => this.keydown(event)}>
            ${core.outline().map((family, f) => this.item(family.name, { family: f, type: null },
              this.expanded.has(f) ? html`<ul role="group">${family.types.map((type, t) =>
                this.item(type.name, { family: f, type: t }))}</ul>` : undefined))}
          </ul>
          <p class="hint" id="lblHint">${core.expandHint()}</p>`}
      </div>
      <div class="buttons">
        <button type="button" class="primary" id="btnOK" ?disabled=${!core.checkEnables()} @click=${() => void this.ok()}>OK</button>
        <button type="button" id="btnCancel" @click=${() => this.finish(null)}>Cancel</button>
      </div>
    </div>`);
  }
}

// The type chosen, or null when the chooser was cancelled.
export function chooseDeviceType(module: FerroluxModule, session: Session): Promise<number | null> {
  return new ChooserWindow(module, session).run();
}
