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

// The desktop's printer measures a text with each glyph's advance hinted to
// whole pixels of a 96-dpi screen, then scaled to the printer, the kerning
// added unrounded; a character alone (the report's average character width,
// its tab stops, is made of them) with its advance as designed.
const HintedPixelsPerPoint = 96 / 72;

// In units of the font's size: a line's height is its ascent and descent, as
// the desktop's printer measures it.
export const reportMeasure: TextMeasure = (text, font) => {
  const face = faceMetrics(faceOf(font));
  const height = ((face.ascent - face.descent) * font.size) / face.unitsPerEm;
  const run = face.layout(text);
  if (run.glyphs.length === 1) return { width: (run.advanceWidth * font.size) / face.unitsPerEm, height };
  const pixels = (font.size * HintedPixelsPerPoint) / face.unitsPerEm;
  const width = run.glyphs.reduce((sum, glyph, at) =>
    sum + Math.round(glyph.advanceWidth * pixels) + (run.positions[at].xAdvance - glyph.advanceWidth) * pixels, 0);
  return { width: width / HintedPixelsPerPoint, height };
};
