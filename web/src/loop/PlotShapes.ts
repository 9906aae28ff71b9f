// The voltage plot's picture as plain shapes in drawing order, from the
// layout the core placed: the loop editor draws them in SVG, the printed
// report into its PDF, so both show the desktop's picture. Widths and dash
// lengths are in the plot's drawing units.
import type { PlotBox, PlotKey, PlotText, VoltagePlot } from 'ferrolux';

// The feeds apart in grey print too: each its tone, dashes and marker.
// Dashes in widths of the curve's line.
const feeds = [
  { colour: '#1b3a8a', label: '#152c6a', dashes: [] as number[] },
  { colour: '#e08a00', label: '#ac6a00', dashes: [4, 2] },
  { colour: '#2a9d5c', label: '#207947', dashes: [1, 2] },
];
const colours = { failing: '#d01c1c', minimum: '#555555', axis: '#404040', grid: '#dddddd', shaded: '#eeeeee',
                  overLimit: '#fbdcd8', white: '#ffffff', black: '#000000' };

export interface Paint {
  fill?: string;
  fillOpacity?: number;
  stroke?: string;
  width?: number;
  dashes?: number[];
}

export type Align = 'middle' | 'start' | 'end';

export type PlotShape =
  | { kind: 'rect'; box: PlotBox; paint: Paint }
  | { kind: 'circle'; x: number; y: number; r: number; paint: Paint }
  | { kind: 'polygon'; points: [number, number][]; paint: Paint }
  | { kind: 'polyline'; points: [number, number][]; paint: Paint }
  // Centred on its box's height; `turned` a quarter left about its box's centre.
  | { kind: 'text'; placed: PlotText; align: Align; colour: string; turned: boolean };

const line = (x1: number, y1: number, x2: number, y2: number, paint: Paint): PlotShape =>
  ({ kind: 'polyline', points: [[x1, y1], [x2, y2]], paint });
const text = (placed: PlotText, align: Align = 'middle', colour = colours.black, turned = false): PlotShape =>
  ({ kind: 'text', placed, align, colour, turned });

// A circle, a square or a triangle by the feed, `size` from centre to edge.
function marker(feed: number, x: number, y: number, size: number, fill: string, width: number): PlotShape {
  const paint = { fill, stroke: feeds[feed].colour, width };
  if (feed === 0) return { kind: 'circle', x, y, r: size, paint };
  if (feed === 1) return { kind: 'rect', box: { x: x - size, y: y - size, width: 2 * size, height: 2 * size }, paint };
  return { kind: 'polygon', points: [[x, y - 1.2 * size], [x + 1.1 * size, y + size], [x - 1.1 * size, y + size]], paint };
}

// `thin`: a thin line's width, a twelfth of a line of the plot's text.
export function plotShapes(plot: VoltagePlot, thin: number): PlotShape[] {
  const shapes: PlotShape[] = [];
  const { area, markerSize: size } = plot;
  const bottom = area.y + area.height;
  const tick = 3 * thin;
  const curve = (feed: number): Paint =>
    ({ stroke: feeds[feed].colour, width: 1.5 * thin, dashes: feeds[feed].dashes.map((d) => d * 1.5 * thin) });
  const minimum = (x: number, y: number) => line(x - 1.6 * size, y, x + 1.6 * size, y,
                                                   { stroke: colours.minimum, width: 2 * thin });

  // The area, its sections, the grid.
  shapes.push({ kind: 'rect', box: area, paint: { fill: colours.white } });
  for (const s of plot.sections.filter((s) => s.shaded || s.overLimit))
    shapes.push({ kind: 'rect', box: { x: s.left, y: area.y, width: s.right - s.left, height: area.height },
                  paint: { fill: s.overLimit ? colours.overLimit : colours.shaded } });
  const grid = { stroke: colours.grid, width: thin };
  for (const y of plot.yGrid) shapes.push(line(area.x, y, area.x + area.width, y, grid));
  for (const x of plot.xGrid) shapes.push(line(x, area.y, x, bottom, grid));

  // The axes, their ticks and the isolators' heavy ticks, then their texts.
  const axis = { stroke: colours.axis, width: thin };
  shapes.push({ kind: 'rect', box: area, paint: axis });
  for (const x of plot.xGrid) shapes.push(line(x, bottom, x, bottom + tick, axis));
  for (const y of plot.yGrid) shapes.push(line(area.x - tick, y, area.x, y, axis));
  for (const x of plot.isolators) shapes.push(line(x, bottom + tick, x, bottom - 4 * tick, { stroke: colours.black, width: 3 * thin }));
  shapes.push(...plot.xTicks.map((label) => text(label)), ...plot.yTicks.map((label) => text(label, 'end')),
              text(plot.xTitle), text(plot.yTitle, 'middle', colours.black, true));
  if (plot.empty) return shapes;

  // The devices' minimums, each feed's curve and markers, the lowest points, the legend.
  for (const p of plot.points) if (p.minimumY !== null) shapes.push(minimum(p.x, p.minimumY));
  feeds.forEach((_, f) => {
    shapes.push({ kind: 'polyline', points: plot.points.map((p) => [p.x, p.y[f]]), paint: curve(f) });
    for (const p of plot.points) shapes.push(marker(f, p.x, p.y[f], size, p.failing[f] ? colours.failing : colours.white, thin));
  });
  plot.lowest.forEach(({ label, leader }, f) => {
    if (leader) shapes.push(line(leader.x1, leader.y1, leader.x2, leader.y2, { stroke: feeds[f].colour, width: 0.7 * thin }));
    shapes.push({ kind: 'rect', box: label.box, paint: { fill: colours.white, fillOpacity: 0.8 } }, text(label, 'middle', feeds[f].label));
  });
  for (const entry of plot.legend) shapes.push(...legendSample(entry.key, entry.sample, size, thin, curve), text(entry.label, 'start'));
  return shapes;

  function legendSample(key: PlotKey, sample: PlotBox, size: number, thin: number, curve: (feed: number) => Paint): PlotShape[] {
    const middle = { x: sample.x + sample.width / 2, y: sample.y + sample.height / 2 };
    if (key === 'minimum') return [minimum(middle.x, middle.y)];
    if (key === 'failing')
      return [{ kind: 'circle', x: middle.x, y: middle.y, r: size, paint: { fill: colours.failing, stroke: colours.axis, width: thin } }];
    const feed = ['whole', 'openIn', 'openOut'].indexOf(key);
    return [line(sample.x, middle.y, sample.x + sample.width, middle.y, curve(feed)),
            marker(feed, middle.x, middle.y, size, colours.white, thin)];
  }
}
