// The results of a session's document as the page gets them, against the
// native calculator's output for the same file and against the fixed-pitch
// metrics of the core's recording printer.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, test } from 'node:test';
import { examplesDir, nativeCalc, startedSession } from './support.mjs';

const locale = { LANG: 'en_US.UTF-8' };
const examples = ['Northgate-Offices.QLX', 'Harbour-Hotel.QLX', 'Riverside-Warehouse.QLX'];
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrolux-results-'));
after(() => fs.rmSync(home, { recursive: true, force: true }));

// ferrolux-calc on an example, by its name in the examples folder, with its
// own settings; its stdout bytes.
function native(...words) {
  const run = spawnSync(nativeCalc, words, {
    cwd: examplesDir, env: { ...process.env, ...locale, XDG_CONFIG_HOME: path.join(home, 'config') },
  });
  assert.equal(run.error, undefined);
  assert.ok(run.status === 0 || run.status === 1, run.stderr.toString());
  return run.stdout;
}

async function opened(name) {
  const { module, session, host } = await startedSession({ environment: locale });
  assert.equal(await session.open(name, fs.readFileSync(path.join(examplesDir, name)), false), 'opened');
  return { module, session, host };
}

// The device checks come before the plain summary, which shows that the
// session's document kept its own results.
const modes = [
  { words: ['--device-checks'], choices: { deviceChecks: true } },
  { words: [], choices: {} },
  { words: ['--along-cable', '--device-checks'], choices: { alongCable: true, deviceChecks: true } },
  { words: ['--along-cable'], choices: { alongCable: true } },
];

test('the JSON summary is what ferrolux-calc --json prints for the file', async (t) => {
  for (const name of examples) {
    const { module, session } = await opened(name);
    for (const { words, choices } of modes) {
      await t.test(`${name} ${words.join(' ')}`, () => {
        // Native names the file as it was given, the session by its path.
        const expected = native('--json', ...words, name).toString()
          .replace(`"file": ${JSON.stringify(name)}`, `"file": ${JSON.stringify(session.path())}`);
        assert.equal(module.summaryJson(session, choices), expected);
      });
    }
  }
});

const font = { name: 'Arial', size: 10, bold: false, italic: false, underline: false };

test('a loop\'s plot has a marker and a tip per point, in the units of the session', async () => {
  const { module, session } = await opened('Harbour-Hotel.QLX');
  const along = JSON.parse(module.summaryJson(session, { alongCable: true })).loops[0].along_cable.devices;
  const bounds = { x: 10, y: 20, width: 600, height: 300 };
  const plot = module.voltagePlot(session, 1, bounds, font);
  assert.deepEqual(plot.points.map((point) => point.address), along.map((point) => point.address));
  assert.match(plot.points[0].tip, /^Address \d+: /);
  assert.equal(plot.xTitle.text, 'Distance from OUT (ft)');
  assert.deepEqual(plot.lowest.map(({ label }) => label.text.split(':')[0]),
                   ['whole', 'open_in', 'open_out'].map((feed) => 'Address ' +
                     JSON.parse(module.summaryJson(session, {})).loops[0].along_cable.feeds[feed].lowest_address));
  // The fixed pitch: each character half the font's size wide.
  assert.equal(plot.yTitle.box.width, plot.yTitle.text.length * 5);
  const inside = (x, y) => x >= bounds.x && x <= bounds.x + bounds.width && y >= bounds.y && y <= bounds.y + bounds.height;
  assert.ok(plot.points.every((point) => point.y.every((y) => inside(point.x, y))));
  assert.equal(module.voltagePlot(session, 9, bounds, font), null);
});

// The texts of each page, in the order printed.
function pagesOf(report) {
  const pages = [];
  for (const call of report.calls) {
    if (call.kind === 'text') (pages[call.page - 1] ??= []).push(call);
  }
  return pages;
}

const twipsPerPoint = 20;
const sheet = { width: 11906, margin: 720 };

test('the report is recorded with the recording printer\'s fixed pitch when the page measures nothing', async () => {
  const { module, session } = await opened('Harbour-Hotel.QLX');
  const choices = module.printChoices(session);
  assert.deepEqual(choices.loops.map((entry) => [entry.text, entry.selected]), [['Loop 1', true], ['Loop 2', true]]);
  const report = await module.printReport(session, [2]);
  assert.equal(report.error, 0);
  const pages = pagesOf(report);
  assert.equal(pages.length, report.pages);
  assert.equal(report.calls.filter((call) => call.kind === 'newPage').length, report.pages - 1);
  assert.deepEqual(report.calls.at(-1), { kind: 'end' });
  // Loop 2 only: its section's plot, no other.
  const plots = report.calls.filter((call) => call.kind === 'plot');
  const along = JSON.parse(module.summaryJson(session, { alongCable: true })).loops[1].along_cable.devices;
  assert.deepEqual(plots.map((call) => call.plot.points.length), [along.length]);
  assert.equal(plots[0].font.size, pages[0][1].font.size * 0.85);

  // Where the pieces go is the report's (checked on the core's recording
  // printer); here, that the fixed pitch measures them.
  const body = pages[0][1].font.size;  // 90 characters of 10 twips a point fit across at 11 points
  assert.equal(body, 11);
  const character = body * 10;
  const [title] = pages[0];
  assert.deepEqual([title.x, title.y, title.text], [sheet.margin, sheet.margin,
                   'Harvex Ferrolux Configuration Data for: Harbour-Hotel.QLX']);
  const number = pages[0].find((text) => text.text === '    Page 1');
  assert.equal(number.x + number.text.length * character, sheet.width - sheet.margin);
  assert.equal(number.y, sheet.margin + body * twipsPerPoint);
  const site = pages[0].findIndex((text) => text.text === 'Site Name:');
  assert.deepEqual(pages[0].slice(site, site + 2).map(({ x, text }) => [x, text]),
                   [[sheet.margin, 'Site Name:'], [sheet.margin + 18 * character, 'Harbour Hotel']]);
});

test('a read-only document changed is refused before the print dialog; the outputs are named after the document', async () => {
  const { module, session, host } = await startedSession({ environment: locale });
  const name = 'Harbour-Hotel.QLX';
  assert.equal(await session.open(name, fs.readFileSync(path.join(examplesDir, name)), true), 'opened');
  assert.equal(await module.printRefused(session), false);
  assert.deepEqual(module.outputFileNames(session),
                   { report: 'Harbour-Hotel.pdf', deviceSchedule: 'Harbour-Hotel - Devices.csv',
                     addressSchedule: 'Harbour-Hotel - Addresses.csv' });
  new module.MainWindow(session).setSiteName('Harbour Hotel annexe');
  assert.equal(await module.printRefused(session), true);
  assert.equal(await module.printReport(session, [1]), null);
  assert.equal(host.boxes.length, 2);
  assert.match(host.boxes[0].text, /cannot be printed after it has been changed/);
});
