// How the loop editor takes input. One call into the core at a time: a call
// that asks (a refusal's box, a question) holds every other change until it
// is answered. A number typed waits in its box, the results shown as stale,
// until Enter or leaving the box commits it; a refused number stays in its
// box, with the focus, until it is corrected or abandoned with Esc, and
// holds the other changes meanwhile.
import { html, type TemplateResult } from 'lit';
import { ifDefined } from 'lit/directives/if-defined.js';
import { live } from 'lit/directives/live.js';
import type { MaybePromise } from 'ferrolux';

export interface NumberBox {
  // Which box: 'device:3', 'other:0', 'impedance'...
  key: string;
  id?: string;
  // The name for assistive technology when no <label> names the box.
  label?: string;
  // The core's text for the box.
  committed: string;
  disabled?: boolean;
  decimalPoint: boolean;
  commit: (text: string) => MaybePromise<boolean>;
  // Where Enter (or an arrow key in a table) goes once the value is in.
  next: (key: string, box: HTMLInputElement) => HTMLElement | null | undefined;
  // A box of a table's rows: Up and Down move along them, as Enter does,
  // and the table is one stop of the Tab key, at the box last in use.
  rows?: { tabStop: boolean; focused: () => void };
}

const settle = <T, R>(value: MaybePromise<T>, then: (value: T) => R): MaybePromise<R> =>
  value instanceof Promise ? value.then(then) : then(value);

export class LoopInput {
  private typed: { key: string; text: string } | null = null;
  private refused = false;
  private calling = false;
  // Set as the window closes: boxes losing the focus then commit nothing.
  closing = false;

  constructor(private readonly accepts: (key: string, decimalPoint: boolean) => boolean,
              private readonly redraw: () => void,
              private readonly committed: (key: string) => void,
              // Whether leaving a box for this control commits it: not for
              // Cancel, which needs no valid entry, nor for another window
              // (a message box: a refusal's shows as the box keeps the focus).
              private readonly commitsOnLeaving: (to: EventTarget | null) => boolean) {}

  // A typed value waits for its commit: the results shown are stale.
  get stale(): boolean {
    return this.typed !== null;
  }

  get pending(): boolean {
    return this.calling;
  }

  // Nothing else may change the editor now.
  get held(): boolean {
    return this.calling || this.refused;
  }

  // Whether the element is the box whose typed text waits for its commit.
  holdsTyping(element: Element | null): boolean {
    return this.typed !== null && element instanceof HTMLInputElement && element.dataset.entry === this.typed.key;
  }

  // Makes the call unless another is pending (then undefined); synchronous
  // when the core answers at once.
  call<T>(call: () => MaybePromise<T>): MaybePromise<T> | undefined {
    if (this.calling) return undefined;
    this.calling = true;
    let result: MaybePromise<T>;
    try {
      result = call();
    } catch (error) {
      this.calling = false;
      throw error;
    }
    if (!(result instanceof Promise)) {
      this.calling = false;
      return result;
    }
    return result.finally(() => {
      this.calling = false;
    });
  }

  // The typed value and the refusal go; the box shows the core's value again.
  abandon(): void {
    this.typed = null;
    this.refused = false;
    this.redraw();
  }

  box(box: NumberBox): TemplateResult {
    const text = this.typed?.key === box.key ? this.typed.text : box.committed;
    return html`<input type="text" class="number" id=${ifDefined(box.id)} aria-label=${ifDefined(box.label)}
      data-entry=${box.key}
      inputmode=${box.decimalPoint ? 'decimal' : 'numeric'} autocomplete="off" spellcheck="false"
      tabindex=${ifDefined(box.rows ? (box.rows.tabStop ? 0 : -1) : undefined)}
      ?disabled=${box.disabled} .value=${live(text)}
      @keydown=${(event: KeyboardEvent) => this.keydown(event, box)}
      @input=${(event: InputEvent) => this.typedIn(event, box)}
      @focusout=${(event: FocusEvent) => this.left(event, box)}
      @focus=${(event: FocusEvent) => {
        (event.target as HTMLInputElement).select();
        box.rows?.focused();
      }}>`;
  }

  // The box's value into the core: true when it is in (or nothing was typed).
  commit(box: NumberBox, element: HTMLInputElement): MaybePromise<boolean> {
    if (this.typed?.key !== box.key) return true;
    const text = this.typed.text;
    const made = this.call(() => box.commit(text));
    if (made === undefined) return false;
    return settle(made, (accepted) => {
      this.refused = !accepted;
      if (accepted) {
        this.typed = null;
        this.committed(box.key);
      } else {
        this.redraw();
        element.focus();
        element.select();
      }
      return accepted;
    });
  }

  private async keydown(event: KeyboardEvent, box: NumberBox): Promise<void> {
    const element = event.target as HTMLInputElement;
    const moves = event.key === 'Enter' || (box.rows && (event.key === 'ArrowDown' || event.key === 'ArrowUp'));
    if (moves) {
      event.preventDefault();
      if (await this.commit(box, element)) box.next(event.key, element)?.focus();
    } else if (event.key === 'Escape' && this.typed?.key === box.key) {
      event.preventDefault();  // the window's Cancel is for an Esc with nothing typed
      this.abandon();
      element.select();
    } else if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey &&
               !this.accepts(event.key, box.decimalPoint)) {
      event.preventDefault();
    }
  }

  private typedIn(event: InputEvent, box: NumberBox): void {
    this.typed = { key: box.key, text: (event.target as HTMLInputElement).value };
    this.redraw();
  }

  private left(event: FocusEvent, box: NumberBox): void {
    if (this.closing || this.calling || this.typed?.key !== box.key || !this.commitsOnLeaving(event.relatedTarget)) return;
    void this.commit(box, event.target as HTMLInputElement);
  }
}
