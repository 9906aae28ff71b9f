// Print... and the schedules' exports. The print dialog offers the loops the
// core offers (the list only for a panel of two loops or more); the core
// prints the report as drawing calls, measured with the report's own fonts,
// and the page draws them into a PDF to save or to open for the browser's
// print dialog. The schedules are the core's bytes, downloaded as they are.
import './report.css';
import { html, nothing } from 'lit';
import type { PrintChoices } from 'ferrolux';
import type { App } from '../app/App.js';
import { Modal } from '../dialogs/Modal.js';
import { setHelpTopic } from '../help/Help.js';
import { download } from '../files/FileAccess.js';
import { captionLabel, mnemonic, type MenuEntry } from '../main/Menu.js';
import { reportDrawing } from './ReportDrawing.js';

type Output = 'open' | 'save';
const buttons: { text: string; output: Output }[] = [{ text: '&Print', output: 'open' }, { text: '&Save as PDF...', output: 'save' }];
const listLabel = 'Print details of &loops:';

export class PrintCommands {
  constructor(private readonly app: App) {}

  printEntry(): MenuEntry {
    return { text: '&Print...', shortcut: 'Ctrl+P', run: () => this.print() };
  }

  exportEntries(): MenuEntry {
    const { module, session } = this.app;
    const names = () => module.outputFileNames(session);
    return { group: 'Export', items: [
      { text: 'Device &Schedule...', run: () => download(names().deviceSchedule, module.deviceScheduleCsv(session)) },
      { text: '&Address Schedule...', run: () => download(names().addressSchedule, module.addressScheduleCsv(session)) },
    ] };
  }

  // Ctrl+P, as the desktop has it.
  shortcut(event: KeyboardEvent): boolean {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || event.shiftKey || event.key.toLowerCase() !== 'p') return false;
    this.print();
    return true;
  }

  print(): void {
    void this.app.act(async () => {
      if (await this.app.module.printRefused(this.app.session)) return;
      // Loaded while the choices are made; a failure is met again, and told, when printing.
      reportDrawing().catch(() => {});
      const chosen = await this.choose(this.app.module.printChoices(this.app.session));
      if (chosen) await this.printLoops(chosen.loops, chosen.output, chosen.tab);
    });
  }

  // The report of `loops` measured with the fonts it is drawn in; the page's
  // own metrics are given back afterwards, for the loop editor's plot.
  private async printLoops(loops: number[], output: Output, tab: Window | null): Promise<void> {
    const { module, session } = this.app;
    const { reportMeasure, reportPdf } = await reportDrawing();
    const pageMeasure = module.measureText;
    module.measureText = reportMeasure;
    let report;
    try {
      report = await module.printReport(session, loops);
    } finally {
      module.measureText = pageMeasure;
    }
    const name = module.outputFileNames(session).report;
    const bytes = report && (await reportPdf(report, name.replace(/\.pdf$/i, '')));
    if (!bytes) {
      tab?.close();
      return;
    }
    if (output === 'save') {
      download(name, bytes);
      return;
    }
    const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type: 'application/pdf' }));
    if (tab) tab.location.href = url;
    else window.open(url, '_blank');
    // The tab has read it by then.
    setTimeout(() => URL.revokeObjectURL(url), 60_000);
  }

  // The dialog: the loops chosen and how the report goes out; null when cancelled.
  private choose(choices: PrintChoices): Promise<{ loops: number[]; output: Output; tab: Window | null } | null> {
    return new Promise((resolve) => {
      const selected = new Set(choices.loops.filter((loop) => loop.selected).map((loop) => loop.loop));
      const modal = new Modal('Print', () => finish(null));
      const finish = (output: Output | null) => {
        // The tab is opened while the click is still the user's: a browser blocks it later.
        const tab = output === 'open' ? window.open('', '_blank') : null;
        modal.close();
        resolve(output && { loops: choices.loops.map((l) => l.loop).filter((l) => selected.has(l)), output, tab });
      };
      modal.element.addEventListener('keydown', (event) => {
        if (!event.altKey || event.ctrlKey || event.metaKey) return;
        const key = event.key.toLowerCase();
        const button = buttons.find(({ text }) => { const { label, key: at } = mnemonic(text); return label[at].toLowerCase() === key; });
        if (button) finish(button.output);
        else if (key === 'l' && choices.listShown) modal.element.querySelector<HTMLInputElement>('.print-loops input')?.focus();
        else return;
        event.preventDefault();
      });
      const toggle = (loop: number, on: boolean) => (on ? selected.add(loop) : selected.delete(loop));
      modal.draw(html`<form class="body print-dialog" @submit=${(event: Event) => { event.preventDefault(); finish('open'); }}>
        <h2>Print</h2>
        ${choices.listShown ? html`<div class="content"><fieldset class="print-loops" aria-label=${mnemonic(listLabel).label}>
          <legend>${captionLabel(listLabel)}</legend>
          ${choices.loops.map((loop) => html`<label><input type="checkbox" .checked=${loop.selected}
            @change=${(event: Event) => toggle(loop.loop, (event.target as HTMLInputElement).checked)}>${loop.text}</label>`)}
        </fieldset></div>` : nothing}
        <div class="buttons">
          ${buttons.map(({ text, output }, at) => html`<button type=${at === 0 ? 'submit' : 'button'} class=${at === 0 ? 'primary' : ''}
            aria-keyshortcuts=${`Alt+${mnemonic(text).label[mnemonic(text).key]}`} ?autofocus=${at === 0}
            @click=${at === 0 ? nothing : () => finish(output)}>${captionLabel(text)}</button>`)}
          <button type="button" @click=${() => finish(null)}>Cancel</button>
        </div>
      </form>`);
      setHelpTopic(modal.element, this.app.module.helpMenuTopics().printing);
      modal.open();
    });
  }
}
