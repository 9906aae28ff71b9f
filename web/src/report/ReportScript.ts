// The report's drawing (pdf-lib, the fonts it embeds and measures with) as a
// script of its own, report.js, loaded the first time a report is printed:
// the window opens without waiting for a megabyte it may never need.
import { reportMeasure } from './ReportFonts.js';
import { reportPdf } from './ReportPdf.js';
import type { ReportDrawing } from './ReportDrawing.js';

const drawing: ReportDrawing = { reportMeasure, reportPdf };
(globalThis as { ferroluxReport?: ReportDrawing }).ferroluxReport = drawing;
