// The help as the desktop opens it: F1 in a window that has a topic of its
// own opens that topic, elsewhere the contents; the Help menu opens the
// contents, the glossary, how to use the help, how to contact Harvex and
// the about box. The topics are the cores'.
import type { FerroluxModule } from 'ferrolux';
import type { MenuEntry } from '../main/Menu.js';
import { openAbout } from './AboutDialog.js';
import { showHelpPage } from './HelpWindow.js';

// Opens the help at a topic a core gave (a window's helpTopic()).
export function openHelp(topic: number): void {
  showHelpPage(`topic-${topic}`);
}

// A window's own topic, which F1 opens while the window is the top one.
export function setHelpTopic(window: HTMLElement, topic: number): void {
  window.dataset.helpTopic = String(topic);
}

export class HelpCommands {
  constructor(private readonly module: FerroluxModule) {
    // F1 that no window has taken for itself; the browser's own help never opens.
    document.addEventListener('keydown', (event) => {
      if (event.key !== 'F1' || event.defaultPrevented || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
        return;
      event.preventDefault();
      const top = [...document.querySelectorAll<HTMLElement>('dialog[open]')].pop();
      const topic = top?.dataset.helpTopic;
      if (topic) openHelp(Number(topic));
      else showHelpPage('contents');
    });
  }

  entries(): MenuEntry[] {
    const topics = this.module.helpMenuTopics();
    return [
      { text: 'Help &Topics...', shortcut: 'F1', run: () => showHelpPage('contents') },
      { text: '&Glossary of Terms...', run: () => openHelp(topics.glossary) },
      { text: '&How to use Help...', run: () => showHelpPage('using-help') },
      'separator',
      { text: 'Contacting &Harvex...', run: () => openHelp(topics.contact) },
      { text: '&About Ferrolux...', run: () => openAbout(this.module) },
    ];
  }
}
