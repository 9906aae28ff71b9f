// Undo and Redo as the loop editor and the cable layout show them: under
// the table, each named after its step as the desktop's tip names it, and
// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) for them.
import { html, type TemplateResult } from 'lit';
import type { HistoryTexts } from 'ferrolux';
import { plain } from '../loop/AccessKeys.js';

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
export function historyKey(event: KeyboardEvent): 'undo' | 'redo' | null {
  if (!(event.ctrlKey || event.metaKey) || event.altKey) return null;
  const key = event.key.toLowerCase();
  if (key === 'z') return event.shiftKey ? 'redo' : 'undo';
  return key === 'y' ? 'redo' : null;
}
