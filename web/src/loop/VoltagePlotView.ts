// The loop's voltage along the cable as the desktop draws it, in SVG: the
// core lays the plot out in the room there is (texts measured with the
// page's font), the view draws what it placed. The point under the pointer,
// or the one the arrow keys are on, tells its voltages as a tip.
import { html, nothing, svg, type SVGTemplateResult, type TemplateResult } from 'lit';
import type { FerroluxModule, PlotPoint, ReportFont, Session, VoltagePlot } from 'ferrolux';
import { plotShapes, type PlotShape } from './PlotShapes.js';
import { measureWithCanvas } from './TextMeasure.js';

const fontSize = 12;

const points = (list: [number, number][]) => list.map(([x, y]) => `${x},${y}`).join(' ');

// One shape of the plot's picture (PlotShapes.ts) in SVG.
function shapeSvg(shape: PlotShape): SVGTemplateResult {
  if (shape.kind === 'text') {
    const { placed, align, colour, turned } = shape;
    const { x, y, width, height } = placed.box;
    const at = align === 'middle' ? x + width / 2 : align === 'start' ? x : x + width;
    const middle = { x: x + width / 2, y: y + height / 2 };
    return svg`<text x=${at} y=${y + height / 2} text-anchor=${align} dominant-baseline="central" fill=${colour}
      transform=${turned ? `rotate(-90 ${middle.x} ${middle.y})` : nothing}>${placed.text}</text>`;
  }
  const { fill = 'none', fillOpacity, stroke = 'none', width, dashes } = shape.paint;
  const paint = { fill, opacity: fillOpacity ?? nothing, stroke, width: width ?? nothing,
                  dashes: dashes?.length ? dashes.join(' ') : nothing };
  if (shape.kind === 'rect') {
    const { x, y, width: w, height: h } = shape.box;
    return svg`<rect x=${x} y=${y} width=${w} height=${h} fill=${paint.fill} fill-opacity=${paint.opacity}
      stroke=${paint.stroke} stroke-width=${paint.width}/>`;
  }
  if (shape.kind === 'circle')
    return svg`<circle cx=${shape.x} cy=${shape.y} r=${shape.r} fill=${paint.fill} stroke=${paint.stroke} stroke-width=${paint.width}/>`;
  if (shape.kind === 'polygon')
    return svg`<polygon points=${points(shape.points)} fill=${paint.fill} stroke=${paint.stroke} stroke-width=${paint.width}/>`;
  return svg`<polyline points=${points(shape.points)} fill="none" stroke=${paint.stroke} stroke-width=${paint.width}
    stroke-dasharray=${paint.dashes}/>`;
}

export class VoltagePlotView {
  private plot: VoltagePlot | null = null;
  private size = { width: 0, height: 0 };
  private readonly font: ReportFont;
  private lineHeight: number;
  private observer: ResizeObserver | null = null;
  private element: HTMLElement | null = null;
  // The point the keyboard is on, and the one whose tip shows (-1 for none).
  private current = 0;
  private tipped = -1;

  constructor(private readonly module: FerroluxModule, private readonly session: Session, private readonly loop: number,
              private readonly redraw: () => void) {
    this.font = { name: 'system-ui, sans-serif', size: fontSize, bold: false, italic: false, underline: false };
    this.lineHeight = fontSize * 1.2;
  }

  // Draws into `element` from now on, again whenever its size changes.
  observe(element: HTMLElement): void {
    this.element = element;
    this.font.name = getComputedStyle(element).fontFamily || this.font.name;
    this.lineHeight = measureWithCanvas(this.module)('0', this.font).height;
    this.observer = new ResizeObserver(([entry]) => {
      const { width, height } = entry.contentRect;
      if (width === this.size.width && height === this.size.height) return;
      this.size = { width, height };
      this.refresh();
      this.redraw();
    });
    this.observer.observe(element);
  }

  dispose(): void {
    this.observer?.disconnect();
  }

  // A thin line's width: a twelfth of a line of text, as the desktop draws.
  private get thin(): number {
    return this.lineHeight / 12;
  }

  // The loop as last calculated, laid out again.
  refresh(): void {
    const { width, height } = this.size;
    if (width <= 0 || height <= 0) return;
    const margin = this.lineHeight / 2;
    this.plot = this.module.voltagePlot(this.session, this.loop,
      { x: margin, y: margin, width: width - 2 * margin, height: height - 2 * margin }, this.font);
    this.current = Math.min(this.current, Math.max(0, (this.plot?.points.length ?? 1) - 1));
    if (this.tipped >= (this.plot?.points.length ?? 0)) this.tipped = -1;
  }

  render(): TemplateResult {
    const plot = this.plot;
    const { width, height } = this.size;
    return html`<div class="plot" id="picVoltagePlot" role="group" aria-label="Voltage along the cable">
      ${plot ? html`<svg role="none" width=${width} height=${height} viewBox=${`0 0 ${width} ${height}`} font-size=${fontSize}
          font-family=${this.font.name}>
        <g aria-hidden="true">${plotShapes(plot, this.thin).map(shapeSvg)}</g>
        ${this.points(plot)}
      </svg>${this.tip(plot)}` : nothing}
    </div>`;
  }

  // Each point as a target for the pointer, a little wider than its markers
  // from the highest to the lowest, and, one at a time, for the keyboard.
  private points(plot: VoltagePlot): SVGTemplateResult {
    const reach = 3 * plot.markerSize;
    return svg`${plot.points.map((point, i) => {
      const top = Math.min(...point.y) - reach;
      return svg`<g class="point" data-point=${i} role="img" aria-label=${point.tip}
          tabindex=${i === this.current ? 0 : -1}
          @pointerenter=${() => this.showTip(i)} @pointerleave=${() => this.showTip(-1)}
          @focus=${() => this.showTip(i)} @blur=${() => this.showTip(-1)}
          @keydown=${(event: KeyboardEvent) => this.keydown(event, plot)}>
        ${i === this.tipped ? svg`<line class="marked" x1=${point.x} y1=${plot.area.y} x2=${point.x}
          y2=${plot.area.y + plot.area.height}/>` : nothing}
        <rect x=${point.x - reach} y=${top} width=${2 * reach} height=${Math.max(...point.y) + reach - top} fill="transparent"/>
      </g>`;
    })}`;
  }

  private tip(plot: VoltagePlot): TemplateResult | typeof nothing {
    const point: PlotPoint | undefined = plot.points[this.tipped];
    if (!point) return nothing;
    // Beside the point, on the side with more room.
    const left = point.x < this.size.width / 2;
    const place = left ? `left: ${point.x + 14}px` : `right: ${this.size.width - point.x + 14}px`;
    return html`<div class="plot-tip" role="tooltip" style=${`${place}; top: ${plot.area.y + 4}px`}>${point.tip}</div>`;
  }

  private showTip(point: number): void {
    if (point === this.tipped) return;
    this.tipped = point;
    this.redraw();
  }

  private keydown(event: KeyboardEvent, plot: VoltagePlot): void {
    const last = plot.points.length - 1;
    const to = { ArrowRight: this.current + 1, ArrowDown: this.current + 1, ArrowLeft: this.current - 1,
                 ArrowUp: this.current - 1, Home: 0, End: last }[event.key];
    if (to === undefined) return;
    event.preventDefault();
    this.current = Math.max(0, Math.min(last, to));
    this.redraw();
    this.element?.querySelector<SVGElement>(`[data-point="${this.current}"]`)?.focus();
  }
}
