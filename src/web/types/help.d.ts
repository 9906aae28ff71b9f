// The help and the about box. Each help topic is the anchor "#topic-n" of
// the help's index page.

// The topics of the main window's Help menu, and the print dialog's.
export interface HelpMenuTopics {
  glossary: number;
  contact: number;
  printing: number;
}

// What the about box says, a line each.
export interface AboutTexts {
  title: string;
  version: string;
  description: string;
  copyright: string;
}

export interface HelpTypes {
  helpMenuTopics(): HelpMenuTopics;
  aboutBox(): AboutTexts;
}
