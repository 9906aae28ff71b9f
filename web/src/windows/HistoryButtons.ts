// Undo and Redo as the loop editor and the cable layout show them: under
// the table, each named after its step as the desktop's tip names it, and
// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) for them with the windows' access keys.
import { html, type TemplateResult } from 'lit';
import type { HistoryTexts } from 'ferrolux';
import { plain, pressAccessKey } from '../loop/AccessKeys.js';
import type { LoopInput } from '../loop/LoopInput.js';

function historyButton(undo: boolean, history: HistoryTexts, step: (undo: boolean) => void): TemplateResult {
  const text = plain(undo ? history.undoItem : history.redoItem);
  return html`<button type="button" id=${undo ? 'btnUndo' : 'btnRedo'} aria-label=${text}
    title=${`${text} (${undo ? 'Ctrl+Z' : 'Ctrl+Y'})`} ?disabled=${(undo ? history.undoName : history.redoName) === ''}
    @click=${() => step(undo)}><span aria-hidden="true">${undo ? '↶' : '↷'}</span> ${undo ? 'Undo' : 'Redo'}</button>`;
}

export function historyButtons(history: HistoryTexts, step: (undo: boolean) => void): TemplateResult {
  return html`${historyButton(true, history, step)}${historyButton(false, history, step)}`;
}

// Which step a key asks for: 'undo', 'redo', or null for another key.
function historyKey(event: KeyboardEvent): 'undo' | 'redo' | null {
  if (!(event.ctrlKey || event.metaKey) || event.altKey) return null;
  const key = event.key.toLowerCase();
  if (key === 'z') return event.shiftKey ? 'redo' : 'undo';
  return key === 'y' ? 'redo' : null;
}

// A window's keys: Alt and a letter for its controls; Ctrl+Z and Ctrl+Y for
// its steps, but for a box's own typing.
export function windowKey(event: KeyboardEvent, root: HTMLElement, input: LoopInput, step: (undo: boolean) => void): void {
  if (pressAccessKey(root, event)) {
    event.preventDefault();
    return;
  }
  const asked = historyKey(event);
  if (!asked || input.holdsTyping(document.activeElement)) return;
  event.preventDefault();
  step(asked === 'undo');
}
