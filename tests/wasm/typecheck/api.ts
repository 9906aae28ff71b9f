// The module's API used as a page uses it, for the compiler to check the
// declarations; never run. Each @ts-expect-error is a use the declarations
// must refuse.
import createFerrolux from '../../../build/wasm/ferrolux.mjs';
import type {
  FerroluxModule, MessageHost, OpenOutcome, PrintedReport, ReportCall, ReportFont, Session, TextMeasure,
  VoltagePlot,
} from '../../../build/wasm/ferrolux.mjs';

const host: MessageHost = {
  show: (_text, _style, _caption, fallback) => Promise.resolve(fallback),
  choose: () => true,
};

// The calculator's command line.
function calc(module: FerroluxModule): number {
  const words = new module.StringList();
  words.push_back('--json');
  const run = module.runCalc(words);
  words.delete();
  // @ts-expect-error the output is text
  const wrong: number = run.out;
  return run.status + run.err.length + wrong;
}

async function openExample(module: FerroluxModule, bytes: Uint8Array): Promise<Session | null> {
  const session = new module.Session();
  if (!(await session.start())) return null;
  const outcome: OpenOutcome = await session.open('Site.QLX', bytes, false);
  // @ts-expect-error an outcome is one of its names
  const unknown: OpenOutcome = 'closed';
  if (outcome !== 'opened' || unknown) return null;
  const saved: Uint8Array | null = await session.save();
  return saved && session.path() && !session.dirty() ? session : null;
}

// A page's canvas measure.
const measure: TextMeasure = (text, font) => ({ width: text.length * font.size * 0.6, height: font.size * 1.2 });

function drawPlot(plot: VoltagePlot): number {
  let drawn = plot.area.width + plot.markerSize + plot.xGrid.length + plot.yTitle.box.height;
  for (const point of plot.points) {
    const [whole, openIn, openOut] = point.y;
    drawn += point.x + whole + openIn + openOut + (point.minimumY ?? 0) + (point.failing[0] ? 1 : 0);
  }
  for (const { label, leader } of plot.lowest) drawn += label.text.length + (leader ? leader.x2 - leader.x1 : 0);
  for (const entry of plot.legend) if (entry.key === 'failing') drawn += entry.sample.width;
  // @ts-expect-error a legend key is one of the plot's keys
  const key: VoltagePlot['legend'][number]['key'] = 'dashed';
  return drawn + key.length;
}

function drawCall(call: ReportCall): number {
  switch (call.kind) {
    case 'text': return call.x + call.y + call.text.length + (call.font.bold ? 1 : 0);
    case 'plot': return call.width + drawPlot(call.plot);
    case 'newPage':
    case 'end':
    case 'kill': return 0;
  }
}

async function results(module: FerroluxModule, session: Session): Promise<string> {
  module.measureText = measure;
  const json: string = module.summaryJson(session, { alongCable: true });
  module.summaryJson(session, {});
  // @ts-expect-error the choices are flags
  module.summaryJson(session, { deviceChecks: 'yes' });
  const font: ReportFont = { name: 'Arial', size: 10, bold: false, italic: false, underline: false };
  const plot = module.voltagePlot(session, 1, { x: 0, y: 0, width: 600, height: 300 }, font);
  // @ts-expect-error a font has every field
  module.voltagePlot(session, 1, { x: 0, y: 0, width: 600, height: 300 }, { name: 'Arial', size: 10 });
  const choices = module.printChoices(session);
  const loops = choices.listShown ? choices.loops.filter((entry) => entry.selected).map((entry) => entry.loop)
                                  : choices.defaultLoops;
  const report: PrintedReport | null = await module.printReport(session, loops);
  // @ts-expect-error the report may be refused
  const sure: PrintedReport = await module.printReport(session, loops);
  const drawn = report ? report.calls.reduce((sum, call) => sum + drawCall(call), report.pageWidth) : 0;
  const csv: Uint8Array[] = [module.deviceScheduleCsv(session), module.addressScheduleCsv(session)];
  return json + (plot ? drawPlot(plot) : 0) + drawn + sure.pages + csv.length;
}

export async function walk(bytes: Uint8Array): Promise<string> {
  const module = await createFerrolux({ storage: 'memory', messageHost: host });
  const session = await openExample(module, bytes);
  const text = session ? await results(module, session) : '';
  session?.delete();
  await module.flushStorage();
  return text + calc(module);
}
