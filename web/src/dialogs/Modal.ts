// A modal dialog of the page: a <dialog> shown over everything, its content
// drawn by lit, Esc handled by its owner, and the focus given back to where
// it was when the dialog closes.
import { render, type TemplateResult } from 'lit';

export class Modal {
  readonly element: HTMLDialogElement;
  private readonly returnFocus: Element | null;

  // `onEscape` decides what Esc does (nothing by default).
  constructor(label: string, private readonly onEscape: () => void = () => {}) {
    this.returnFocus = document.activeElement;
    this.element = document.createElement('dialog');
    this.element.setAttribute('aria-label', label);
    this.element.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.onEscape();
    });
    document.body.append(this.element);
  }

  draw(content: TemplateResult): void {
    render(content, this.element);
  }

  open(focus?: string): void {
    this.element.showModal();
    const first = focus ? this.element.querySelector<HTMLElement>(focus) : null;
    (first ?? this.element.querySelector<HTMLElement>('[autofocus]'))?.focus();
  }

  close(): void {
    this.element.close();
    this.element.remove();
    if (this.returnFocus instanceof HTMLElement && this.returnFocus.isConnected) this.returnFocus.focus();
  }
}
