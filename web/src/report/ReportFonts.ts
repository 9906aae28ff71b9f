// The printed report's fonts: Liberation Sans, which the desktop's PDF
// draws for the report's Arial, carried inside the app (fonts/OFL.txt is
// their licence) so that the page measures the report's texts with the
// same metrics the desktop's PDF has and embeds the very fonts it measured.
import fontkit from '@pdf-lib/fontkit';
import type { ReportFont, TextMeasure } from 'ferrolux';
import regular from './fonts/LiberationSans-Regular.ttf';
import bold from './fonts/LiberationSans-Bold.ttf';
import italic from './fonts/LiberationSans-Italic.ttf';
import boldItalic from './fonts/LiberationSans-BoldItalic.ttf';

export type FontFace = 'regular' | 'bold' | 'italic' | 'boldItalic';

export const faceBytes: Record<FontFace, Uint8Array> = { regular, bold, italic, boldItalic };

export function faceOf(font: ReportFont): FontFace {
  if (font.bold) return font.italic ? 'boldItalic' : 'bold';
  return font.italic ? 'italic' : 'regular';
}

const parsed = new Map<FontFace, ReturnType<typeof fontkit.create>>();

// A face's outlines and metrics, read once.
export function faceMetrics(face: FontFace): ReturnType<typeof fontkit.create> {
  let font = parsed.get(face);
  if (!font) parsed.set(face, (font = fontkit.create(faceBytes[face])));
  return font;
}

// The desktop's printer draws a text with its glyphs' designed advances and
// the font's kerning, but measures it with each advance hinted to whole
// pixels of a 96-dpi screen, then scaled to the printer, the kerning added
// unrounded; a character alone (the report's average character width, its
// tab stops, is made of them) it measures as designed.
const HintedPixelsPerPoint = 96 / 72;

// Each glyph's advance in points: as designed, as drawn, as measured.
export function glyphAdvances(text: string, font: ReportFont): { designed: number; drawn: number; measured: number }[] {
  const face = faceMetrics(faceOf(font));
  const points = font.size / face.unitsPerEm;
  const pixels = points * HintedPixelsPerPoint;
  const run = face.layout(text);
  return run.glyphs.map((glyph, at) => {
    const kerning = run.positions[at].xAdvance - glyph.advanceWidth;
    const hinted = (Math.round(glyph.advanceWidth * pixels) + kerning * pixels) / HintedPixelsPerPoint;
    const drawn = run.positions[at].xAdvance * points;
    return { designed: glyph.advanceWidth * points, drawn, measured: run.glyphs.length === 1 ? drawn : hinted };
  });
}

// In units of the font's size: a line's height is its ascent and descent, as
// the desktop's printer measures it.
export const reportMeasure: TextMeasure = (text, font) => {
  const face = faceMetrics(faceOf(font));
  return { width: glyphAdvances(text, font).reduce((sum, glyph) => sum + glyph.measured, 0),
           height: ((face.ascent - face.descent) * font.size) / face.unitsPerEm };
};
