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

// The desktop's font engine hints its advances to whole pixels of a 96-dpi
// screen, then scales them to the printer, kerning added unrounded.
const HintedPixelsPerPoint = 96 / 72;

// In units of the font's size: a line's height is its ascent and descent, as
// the desktop's printer measures it; a width is the shaped run's, each
// glyph's advance hinted as the desktop's are.
export const reportMeasure: TextMeasure = (text, font) => {
  const face = faceMetrics(faceOf(font));
  const pixels = (font.size * HintedPixelsPerPoint) / face.unitsPerEm;
  const run = face.layout(text);
  const width = run.glyphs.reduce((sum, glyph, at) =>
    sum + Math.round(glyph.advanceWidth * pixels) + (run.positions[at].xAdvance - glyph.advanceWidth) * pixels, 0);
  return { width: width / HintedPixelsPerPoint, height: ((face.ascent - face.descent) * font.size) / face.unitsPerEm };
};
