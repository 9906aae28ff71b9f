// The page's text metrics for the module's layouts (the voltage plot, the
// printed report): a canvas measures the text in the font asked for.
import type { FerroluxModule, TextMeasure } from 'ferrolux';

let context: CanvasRenderingContext2D | null = null;
let contextFont = '';

const measure: TextMeasure = (text, font) => {
  context ??= document.createElement('canvas').getContext('2d')!;
  const wanted = `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${font.size}px ${font.name}`;
  if (wanted !== contextFont) context.font = contextFont = wanted;
  const metrics = context.measureText(text);
  const line = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
  return { width: metrics.width, height: line > 0 ? line : font.size * 1.2 };
};

// Gives the module the canvas's metrics unless the page has given it others.
export function measureWithCanvas(module: FerroluxModule): TextMeasure {
  module.measureText ??= measure;
  return module.measureText;
}
