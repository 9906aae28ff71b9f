// Labels written as the desktop writes them, "&" before the access key's
// letter ("&&" for an "&"), drawn with the letter underlined. Alt and the
// letter act on the labelled control as on the desktop: a box takes the
// focus, a button is pressed, an option chosen, a tick box ticked; a letter
// two controls share moves the focus between them.
import type { TemplateResult } from 'lit';
import { accessLabel } from '../main/Menu.js';

const ampersand = '\u0001';

function parse(label: string): { text: string; at: number } {
  const escaped = label.replaceAll('&&', ampersand);
  const at = escaped.indexOf('&');
  return { text: escaped.replace('&', '').replaceAll(ampersand, '&'), at };
}

// The label as read, without its marks.
export function plain(label: string): string {
  return parse(label).text;
}

// The label with its access key underlined.
export function keyed(label: string): TemplateResult {
  const { text, at } = parse(label);
  return accessLabel(text, at);
}

// The control an underlined letter belongs to: its button, or its label's control.
function controlOf(letter: Element): HTMLElement | null {
  return letter.closest('button') ?? letter.closest('label')?.control ?? null;
}

function usable(control: HTMLElement): boolean {
  return !(control as HTMLInputElement).disabled && control.checkVisibility({ visibilityProperty: true });
}

function controlsWith(root: HTMLElement, key: string): HTMLElement[] {
  return [...root.querySelectorAll('u.key')]
    .filter((letter) => letter.textContent?.toLowerCase() === key)
    .map(controlOf).filter((control): control is HTMLElement => control !== null && usable(control));
}

// Tells assistive technology each control's access key.
export function announceAccessKeys(root: HTMLElement): void {
  for (const letter of root.querySelectorAll('u.key'))
    controlOf(letter)?.setAttribute('aria-keyshortcuts', `Alt+${letter.textContent?.toUpperCase()}`);
}

// Alt and a letter pressed in `root`: true when a control there has it.
// A window whose Alt+letter keys press its own controls and nothing else.
export function takeAccessKeys(root: HTMLElement): void {
  root.addEventListener('keydown', (event) => {
    if (pressAccessKey(root, event)) event.preventDefault();
  });
}

export function pressAccessKey(root: HTMLElement, event: KeyboardEvent): boolean {
  if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return false;
  const controls = controlsWith(root, event.key.toLowerCase());
  if (controls.length === 0) return false;
  if (controls.length > 1) {
    const at = controls.indexOf(document.activeElement as HTMLElement);
    controls[(at + 1) % controls.length].focus();
    return true;
  }
  const [control] = controls;
  control.focus();
  const input = control as HTMLInputElement;
  if (control instanceof HTMLButtonElement || input.type === 'checkbox' || input.type === 'radio') control.click();
  return true;
}
