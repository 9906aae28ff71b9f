// The loop's voltage along the cable as the desktop draws it, in SVG: the
// core lays the plot out in the room there is (texts measured with the
// page's font), the view draws what it placed. The point under the pointer,
// or the one the arrow keys are on, tells its voltages as a tip.
import { html, nothing, svg, type SVGTemplateResult, type TemplateResult } from 'lit';
import type { FerroluxModule, PlotBox, PlotKey, PlotPoint, PlotText, ReportFont, Session, VoltagePlot } from 'ferrolux';
import { measureWithCanvas } from './TextMeasure.js';

// The feeds apart in grey print too: each its tone, dashes and marker.
// Dashes in widths of the curve's line.
const feeds = [
  { colour: '#1b3a8a', label: '#152c6a', dashes: [] as number[] },
  { colour: '#e08a00', label: '#ac6a00', dashes: [4, 2] },
  { colour: '#2a9d5c', label: '#207947', dashes: [1, 2] },
];
const failing = '#d01c1c';
const fontSize = 12;

type Align = 'middle' | 'start' | 'end';

function text(placed: PlotText, align: Align = 'middle'): SVGTemplateResult {
  const { x, y, width, height } = placed.box;
  const at = align === 'middle' ? x + width / 2 : align === 'start' ? x : x + width;
  return svg`<text x=${at} y=${y + height / 2} text-anchor=${align} dominant-baseline="central">${placed.text}</text>`;
}

// A circle, a square or a triangle by the feed, `size` from centre to edge.
function marker(feed: number, x: number, y: number, size: number, fill: string): SVGTemplateResult {
  const stroke = feeds[feed].colour;
  if (feed === 0) return svg`<circle cx=${x} cy=${y} r=${size} fill=${fill} stroke=${stroke}/>`;
  if (feed === 1) return svg`<rect x=${x - size} y=${y - size} width=${2 * size} height=${2 * size} fill=${fill} stroke=${stroke}/>`;
  return svg`<polygon points=${`${x},${y - 1.2 * size} ${x + 1.1 * size},${y + size} ${x - 1.1 * size},${y + size}`}
    fill=${fill} stroke=${stroke}/>`;
}

const bar = (x: number, y: number, half: number) => svg`<line class="minimum" x1=${x - half} y1=${y} x2=${x + half} y2=${y}/>`;

// A feed's dash pattern for a curve 1.5 thin lines wide.
const dashes = (feed: number, thin: number) => feeds[feed].dashes.map((d) => d * 1.5 * thin).join(' ');

function legendSample(key: PlotKey, sample: PlotBox, size: number, thin: number): SVGTemplateResult {
  const middle = { x: sample.x + sample.width / 2, y: sample.y + sample.height / 2 };
  if (key === 'minimum') return bar(middle.x, middle.y, 1.6 * size);
  if (key === 'failing') return svg`<circle cx=${middle.x} cy=${middle.y} r=${size} fill=${failing} class="axis"/>`;
  const feed = ['whole', 'openIn', 'openOut'].indexOf(key);
  return svg`<line x1=${sample.x} y1=${middle.y} x2=${sample.x + sample.width} y2=${middle.y} stroke=${feeds[feed].colour}
      stroke-dasharray=${dashes(feed, thin)} class="feed"/>${marker(feed, middle.x, middle.y, size, '#fff')}`;
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
    return html`<div class="plot" id="picVoltagePlot" role="group" aria-label="Voltage along the cable"
        style=${`--line: ${this.thin}px`}>
      ${plot ? html`<svg role="none" width=${width} height=${height} viewBox=${`0 0 ${width} ${height}`} font-size=${fontSize}
          font-family=${this.font.name}>
        <g aria-hidden="true">${this.area(plot)}${this.axes(plot)}${plot.empty ? nothing : this.curves(plot)}</g>
        ${this.points(plot)}
      </svg>${this.tip(plot)}` : nothing}
    </div>`;
  }

  private area(plot: VoltagePlot): SVGTemplateResult {
    const { area } = plot;
    return svg`<rect x=${area.x} y=${area.y} width=${area.width} height=${area.height} fill="#fff"/>
      ${plot.sections.filter((s) => s.shaded || s.overLimit).map((s) => svg`<rect class=${s.overLimit ? 'over-limit' : 'shaded'}
        x=${s.left} y=${area.y} width=${s.right - s.left} height=${area.height}/>`)}
      ${plot.yGrid.map((y) => svg`<line class="grid" x1=${area.x} y1=${y} x2=${area.x + area.width} y2=${y}/>`)}
      ${plot.xGrid.map((x) => svg`<line class="grid" x1=${x} y1=${area.y} x2=${x} y2=${area.y + area.height}/>`)}`;
  }

  private axes(plot: VoltagePlot): SVGTemplateResult {
    const { area } = plot;
    const bottom = area.y + area.height;
    const tick = 3 * this.thin;
    const title = plot.yTitle.box;
    const middle = { x: title.x + title.width / 2, y: title.y + title.height / 2 };
    return svg`<rect class="axis" x=${area.x} y=${area.y} width=${area.width} height=${area.height} fill="none"/>
      ${plot.xGrid.map((x) => svg`<line class="axis" x1=${x} y1=${bottom} x2=${x} y2=${bottom + tick}/>`)}
      ${plot.yGrid.map((y) => svg`<line class="axis" x1=${area.x - tick} y1=${y} x2=${area.x} y2=${y}/>`)}
      ${plot.isolators.map((x) => svg`<line class="isolator" x1=${x} y1=${bottom + tick} x2=${x} y2=${bottom - 4 * tick}/>`)}
      ${plot.xTicks.map((label) => text(label))}
      ${plot.yTicks.map((label) => text(label, 'end'))}
      ${text(plot.xTitle)}
      <g transform=${`rotate(-90 ${middle.x} ${middle.y})`}>${text(plot.yTitle)}</g>`;
  }

  private curves(plot: VoltagePlot): SVGTemplateResult {
    const size = plot.markerSize;
    return svg`
      ${plot.points.map((p) => (p.minimumY === null ? nothing : bar(p.x, p.minimumY, 1.6 * size)))}
      ${feeds.map((feed, f) => svg`<polyline class="feed" fill="none" stroke=${feed.colour} stroke-dasharray=${dashes(f, this.thin)}
        points=${plot.points.map((p) => `${p.x},${p.y[f]}`).join(' ')}/>
        ${plot.points.map((p) => marker(f, p.x, p.y[f], size, p.failing[f] ? failing : '#fff'))}`)}
      ${plot.lowest.map(({ label, leader }, f) => svg`
        ${leader ? svg`<line class="leader" stroke=${feeds[f].colour} x1=${leader.x1} y1=${leader.y1} x2=${leader.x2} y2=${leader.y2}/>` : nothing}
        <rect class="veil" x=${label.box.x} y=${label.box.y} width=${label.box.width} height=${label.box.height}/>
        <g fill=${feeds[f].label}>${text(label)}</g>`)}
      ${plot.legend.map((entry) => svg`${legendSample(entry.key, entry.sample, size, this.thin)}${text(entry.label, 'start')}`)}`;
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
