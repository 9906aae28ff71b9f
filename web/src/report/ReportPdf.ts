// The printed report as a PDF: the core's drawing calls (texts placed by
// their top-left corner in twips, the voltage plots as laid out) drawn on A4
// pages with the report's fonts embedded, as the desktop's PDF is drawn.
import fontkit from '@pdf-lib/fontkit';
import {
  beginText, endText, PDFArray, PDFDocument, PDFHexString, PDFName, PDFNumber, PDFOperator, PDFOperatorNames, popGraphicsState,
  pushGraphicsState, rgb, rotateAndSkewTextDegreesAndTranslate, setFillingColor, setFontAndSize, type PDFFont, type PDFPage,
} from 'pdf-lib';
import type { PrintedReport, ReportCall, ReportFont } from 'ferrolux';
import { plotShapes, type Paint, type PlotShape } from '../loop/PlotShapes.js';
import { faceBytes, faceMetrics, faceOf, glyphAdvances, reportMeasure, type FontFace } from './ReportFonts.js';

const TwipsPerPoint = 20;

type TextCall = Extract<ReportCall, { kind: 'text' }>;
type PlotCall = Extract<ReportCall, { kind: 'plot' }>;

const colour = (hex: string) =>
  rgb(parseInt(hex.slice(1, 3), 16) / 255, parseInt(hex.slice(3, 5), 16) / 255, parseInt(hex.slice(5, 7), 16) / 255);

// A face's ascent and descent (positive, below the baseline) in points at the font's size.
function extent(font: ReportFont): { ascent: number; descent: number } {
  const face = faceMetrics(faceOf(font));
  const scale = font.size / face.unitsPerEm;
  return { ascent: face.ascent * scale, descent: -face.descent * scale };
}

class PdfWriter {
  private readonly fonts = new Map<FontFace, PDFFont>();
  private readonly pageFonts = new Map<PDFFont, PDFName>();
  private page!: PDFPage;
  private readonly width: number;
  private readonly height: number;

  constructor(private readonly pdf: PDFDocument, report: PrintedReport) {
    this.width = report.pageWidth / TwipsPerPoint;
    this.height = report.pageHeight / TwipsPerPoint;
    this.newPage();
  }

  newPage(): void {
    this.page = this.pdf.addPage([this.width, this.height]);
    this.pageFonts.clear();
  }

  private async font(font: ReportFont): Promise<PDFFont> {
    const face = faceOf(font);
    let embedded = this.fonts.get(face);
    if (!embedded) this.fonts.set(face, (embedded = await this.pdf.embedFont(faceBytes[face], { subset: true })));
    return embedded;
  }

  // The page's name for an embedded font, given once per page.
  private fontName(embedded: PDFFont): PDFName {
    let name = this.pageFonts.get(embedded);
    if (!name) this.pageFonts.set(embedded, (name = this.page.node.newFontDictionary(embedded.name, embedded.ref)));
    return name;
  }

  // `x`, `top`: the text's left and top in points from the sheet's top-left
  // corner (turned: its baseline's start, the text running upwards).
  private async text(text: string, font: ReportFont, x: number, top: number, colourHex = '#000000', turned = false) {
    const color = colour(colourHex);
    const embedded = await this.font(font);
    const y = this.height - top - (turned ? 0 : extent(font).ascent);
    const glyphs = glyphAdvances(text, font);
    this.page.pushOperators(pushGraphicsState(), beginText(), setFillingColor(color),
      setFontAndSize(this.fontName(embedded), font.size), rotateAndSkewTextDegreesAndTranslate(turned ? 90 : 0, 0, 0, x, y),
      this.glyphRun(embedded.encodeText(text).asString(), glyphs, font.size), endText(), popGraphicsState());
    if (font.underline) {
      const face = faceMetrics(faceOf(font));
      const scale = font.size / face.unitsPerEm;
      const under = y + face.underlinePosition * scale;
      const end = x + glyphs.reduce((sum, glyph) => sum + glyph.drawn, 0);
      this.page.drawLine({ start: { x, y: under }, end: { x: end, y: under }, thickness: face.underlineThickness * scale, color });
    }
  }

  // The glyphs (four hex digits each in `codes`) kerned, as the desktop's
  // printer draws them: TJ moves each from its designed advance.
  private glyphRun(codes: string, glyphs: ReturnType<typeof glyphAdvances>, size: number): PDFOperator {
    const run = PDFArray.withContext(this.pdf.context);
    glyphs.forEach(({ designed, drawn }, at) => {
      run.push(PDFHexString.of(codes.slice(4 * at, 4 * at + 4)));
      const shift = ((designed - drawn) * 1000) / size;
      if (Math.abs(shift) > 1e-3) run.push(PDFNumber.of(Math.round(shift * 1000) / 1000));
    });
    return PDFOperator.of(PDFOperatorNames.ShowTextAdjusted, [run]);
  }

  async drawText(call: TextCall): Promise<void> {
    await this.text(call.text, call.font, call.x / TwipsPerPoint, call.y / TwipsPerPoint);
  }

  async drawPlot(call: PlotCall): Promise<void> {
    const { font, plot } = call;
    // The plot is laid out in twips; a thin line is a twelfth of its text's line.
    const lineHeight = reportMeasure('Hg', font).height * TwipsPerPoint;
    for (const shape of plotShapes(plot, lineHeight / 12)) {
      if (shape.kind === 'text') await this.plotText(shape, font);
      else this.plotPath(shape);
    }
  }

  private async plotText(shape: Extract<PlotShape, { kind: 'text' }>, font: ReportFont): Promise<void> {
    const box = { x: shape.placed.box.x / TwipsPerPoint, y: shape.placed.box.y / TwipsPerPoint,
                  width: shape.placed.box.width / TwipsPerPoint, height: shape.placed.box.height / TwipsPerPoint };
    const width = reportMeasure(shape.placed.text, font).width;
    const { ascent, descent } = extent(font);
    if (shape.turned) {
      // Turned a quarter left about the box's centre: it runs upwards, its top to the left.
      const centre = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
      await this.text(shape.placed.text, font, centre.x + (ascent - descent) / 2, centre.y + width / 2, shape.colour, true);
      return;
    }
    const x = shape.align === 'middle' ? box.x + (box.width - width) / 2 : shape.align === 'start' ? box.x : box.x + box.width - width;
    await this.text(shape.placed.text, font, x, box.y + (box.height - ascent - descent) / 2, shape.colour);
  }

  // A shape as an SVG path in points, y growing downwards from the sheet's top.
  private plotPath(shape: Exclude<PlotShape, { kind: 'text' }>): void {
    const p = (x: number, y: number) => `${x / TwipsPerPoint} ${y / TwipsPerPoint}`;
    const through = (points: [number, number][]) => points.map(([x, y], at) => `${at ? 'L' : 'M'} ${p(x, y)}`).join(' ');
    let path: string;
    if (shape.kind === 'rect') {
      const { x, y, width, height } = shape.box;
      path = through([[x, y], [x + width, y], [x + width, y + height], [x, y + height]]) + ' Z';
    } else if (shape.kind === 'circle') {
      const { x, y, r } = shape;
      const arc = `A ${r / TwipsPerPoint} ${r / TwipsPerPoint} 0 1 0`;
      path = `M ${p(x - r, y)} ${arc} ${p(x + r, y)} ${arc} ${p(x - r, y)} Z`;
    } else {
      path = through(shape.points) + (shape.kind === 'polygon' ? ' Z' : '');
    }
    this.page.drawSvgPath(path, { x: 0, y: this.height, ...this.paint(shape.paint, shape.kind !== 'polyline') });
  }

  private paint(paint: Paint, filled: boolean) {
    const width = paint.width === undefined ? undefined : paint.width / TwipsPerPoint;
    return {
      color: filled && paint.fill ? colour(paint.fill) : undefined,
      opacity: paint.fillOpacity,
      borderColor: paint.stroke ? colour(paint.stroke) : undefined,
      borderWidth: paint.stroke ? width : 0,
      borderDashArray: paint.dashes?.length ? paint.dashes.map((d) => d / TwipsPerPoint) : undefined,
    };
  }
}

// The PDF's bytes; null for a report abandoned on the way.
export async function reportPdf(report: PrintedReport, title: string): Promise<Uint8Array | null> {
  if (report.error !== 0 || report.calls.some((call) => call.kind === 'kill')) return null;
  const pdf = await PDFDocument.create();
  pdf.registerFontkit(fontkit);
  pdf.setTitle(title);
  const writer = new PdfWriter(pdf, report);
  for (const call of report.calls) {
    if (call.kind === 'text') await writer.drawText(call);
    else if (call.kind === 'plot') await writer.drawPlot(call);
    else if (call.kind === 'newPage') writer.newPage();
  }
  return pdf.save();
}
