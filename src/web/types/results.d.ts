// The results of the session's open document: the calculator's JSON
// summary, a loop's voltage plot, the printed report as drawing calls, and
// the schedules. Each takes the session it reads (see session.d.ts).

import type { MaybePromise, Session } from './session.js';

// What ferrolux-calc's --along-cable and --device-checks ask for.
export interface SummaryChoices {
  alongCable?: boolean;
  deviceChecks?: boolean;
}

// `size` in points in the report; in the drawing units of the bounds for a plot.
export interface ReportFont {
  name: string;
  size: number;
  bold: boolean;
  italic: boolean;
  underline: boolean;
}

// The page's text metrics, set as `module.measureText`: the width of the text
// and the height of a line of the font, in the units of font.size, answered
// at once (a canvas's measureText does). Without it the module measures a
// fixed pitch: each character half the size wide, each line the size high.
export type TextMeasure = (text: string, font: ReportFont) => { width: number; height: number };

export interface PlotBox {
  x: number;
  y: number;
  width: number;
  height: number;
}

export interface PlotText {
  box: PlotBox;
  text: string;
}

export interface PlotLine {
  x1: number;
  y1: number;
  x2: number;
  y2: number;
}

export type PlotKey = 'whole' | 'openIn' | 'openOut' | 'minimum' | 'failing';

// Feeds in this order: loop whole, open at the IN end, open at the OUT end.
export type ByFeed<T> = [T, T, T];

export interface PlotPoint {
  address: number;
  x: number;
  y: ByFeed<number>;
  // The marker of a feed drawn as failing: below the device's minimum.
  failing: ByFeed<boolean>;
  // The bar at the device's minimum voltage; null without one.
  minimumY: number | null;
  // "Address 1: ...", the voltages by feed, one per line (empty in a report).
  tip: string;
}

// Everything of a voltage plot placed in drawing units, y growing downwards.
export interface VoltagePlot {
  // A loop without points: only the area and the axes are drawn.
  empty: boolean;
  units: number;
  area: PlotBox;
  // The drawn x (y) of each grid line and axis tick.
  xGrid: number[];
  yGrid: number[];
  xTicks: PlotText[];
  yTicks: PlotText[];
  xTitle: PlotText;
  // Drawn turned a quarter left, centred in its box.
  yTitle: PlotText;
  // The x of each isolator.
  isolators: number[];
  sections: { left: number; right: number; shaded: boolean; overLimit: boolean }[];
  // The lowest point of each feed (none on an empty loop), with a leader
  // line to it when the label had to go further than beside it.
  lowest: { label: PlotText; leader: PlotLine | null }[];
  legend: { key: PlotKey; sample: PlotBox; label: PlotText }[];
  // Half the width of a marker.
  markerSize: number;
  points: PlotPoint[];
}

export interface PrintLoopChoice {
  loop: number;
  text: string;
  // The loop holds devices: chosen to begin with.
  selected: boolean;
}

export interface PrintChoices {
  loops: PrintLoopChoice[];
  // The list of loops is offered only for a panel of two loops or more.
  listShown: boolean;
  // The loops printed without the dialog.
  defaultLoops: number[];
}

// One drawing call of the report. Positions and sizes in twips (1/1440
// inch) from the top-left corner of the sheet; `page` counts from 1.
export type ReportCall =
  | { kind: 'text'; page: number; x: number; y: number; text: string; font: ReportFont }
  | { kind: 'plot'; page: number; x: number; y: number; width: number; height: number; font: ReportFont;
      plot: VoltagePlot }
  // The next page begins.
  | { kind: 'newPage' }
  // The document is finished.
  | { kind: 'end' }
  // The document is abandoned: nothing of it is printed.
  | { kind: 'kill' };

export interface PrintedReport {
  // 0, or the printer error of a cancelled report.
  error: number;
  // A4, the whole sheet printable, in twips.
  pageWidth: number;
  pageHeight: number;
  pages: number;
  calls: ReportCall[];
}

export interface ResultTypes {
  measureText?: TextMeasure;
  // What `ferrolux-calc --json` prints for the open document, the
  // document's path as the file's name.
  summaryJson(session: Session, choices: SummaryChoices): string;
  // The loop (1 to 8) as last calculated, laid out in `bounds`, its texts
  // measured in `font`; null for a number that is no loop.
  voltagePlot(session: Session, loop: number, bounds: PlotBox, font: ReportFont): VoltagePlot | null;
  // Asked before the print dialog: true when the document may not be
  // printed (a box has said why), as printReport would refuse it.
  printRefused(session: Session): MaybePromise<boolean>;
  printChoices(session: Session): PrintChoices;
  // The report of the chosen loops, as the desktop prints it; null when the
  // document may not be printed (a box has said why).
  printReport(session: Session, loops: number[]): MaybePromise<PrintedReport | null>;
  // The schedules' bytes as `ferrolux-calc --schedule-csv / --addresses-csv`
  // write them (UTF-8 with a byte-order mark).
  deviceScheduleCsv(session: Session): Uint8Array;
  addressScheduleCsv(session: Session): Uint8Array;
  // The names the desktop suggests for the report's PDF and the schedules'
  // files (without a folder): "Loop Calculation.pdf" for a document never saved.
  outputFileNames(session: Session): { report: string; deviceSchedule: string; addressSchedule: string };
}
