// The report's drawing, loaded on first use from report.js beside app.js (a
// classic script, which a page opened from disk may load too).
import type { PrintedReport, TextMeasure } from 'ferrolux';

export interface ReportDrawing {
  reportMeasure: TextMeasure;
  reportPdf(report: PrintedReport, title: string): Promise<Uint8Array | null>;
}

let loading: Promise<ReportDrawing> | undefined;

export function reportDrawing(): Promise<ReportDrawing> {
  loading ??= new Promise<ReportDrawing>((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'report.js';
    script.addEventListener('load', () => {
      const drawing = (globalThis as { ferroluxReport?: ReportDrawing }).ferroluxReport;
      if (drawing) resolve(drawing);
      else reject(new Error('report.js did not load the report drawing'));
    });
    script.addEventListener('error', () => {
      loading = undefined;  // tried again at the next report
      reject(new Error('report.js could not be loaded'));
    });
    document.head.append(script);
  });
  return loading;
}
