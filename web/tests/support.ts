// What the browser tests share: the app opened in a page, its controls found
// by role and name, and the native calculator to hold its numbers against.
import { test as base, expect, type Locator, type Page } from '@playwright/test';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import type { FerroluxModule, Session } from 'ferrolux';

export const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const appDir = path.join(top, 'build/web');
export const examplesDir = path.join(top, 'examples');
export const screensDir = path.join(top, 'build/screens/web');
export const nativeCalc = process.env.FERROLUX_NATIVE_CALC || path.join(top, 'build/plain/src/ferrolux-calc');
const nativeWalk = process.env.FERROLUX_NATIVE_WALK || path.join(top, 'build/plain/tests/ferrolux_native_walk');

export const appUrl = (): string => process.env.FERROLUX_APP_URL!;
export const fileUrl = (): string => pathToFileURL(path.join(appDir, 'index.html')).href;

// The main window is ready: the site's name box takes typing.
export async function mainWindowReady(page: Page): Promise<void> {
  await expect(page.getByRole('textbox', { name: 'Site Name:' })).toBeEditable();
}

export const test = base.extend<{ app: Page }>({
  app: async ({ page }, use) => {
    await page.goto(appUrl());
    await mainWindowReady(page);
    await use(page);
  },
});
export { expect };

export async function menu(page: Page, menuName: string, item: string): Promise<void> {
  await page.getByRole('button', { name: menuName, exact: true }).click();
  await page.getByRole('menuitem', { name: item, exact: true }).click();
}

// A sample site opened from the File menu, once its name is shown.
export async function openSample(page: Page, site: string): Promise<void> {
  await menu(page, 'File', site);
  await expect(page.getByRole('textbox', { name: 'Site Name:' })).toHaveValue(site);
}

// A sample site's loop opened in its editor, once its plot is drawn.
export async function openLoop(page: Page, site: string, loop: number): Promise<Locator> {
  await menu(page, 'File', site);
  await page.getByRole('button', { name: `Details of loop ${loop}` }).click();
  const editor = page.getByRole('dialog', { name: new RegExp(`^Loop ${loop}`) });
  await expect(editor.locator('.plot svg')).toBeVisible();
  return editor;
}

// The texts of the boxes the module's cores show as `act` drives them on a sample site.
export async function coreSays(site: string, act: (module: FerroluxModule, session: Session) => unknown): Promise<string[]> {
  const said: string[] = [];
  const { module, session } = await moduleSession(said);
  const sample = module.sampleSites().find((s) => s.site === site)!;
  await session.open(sample.name, module.FS.readFile(sample.path), false);
  await act(module, session);
  return said;
}

// A text matched as it is, anywhere in a longer one.
export const containing = (text: string) => new RegExp(text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&'));

// The box the app shows for a message or question, found by its text.
export function messageBox(page: Page) {
  return page.getByRole('alertdialog');
}

// A program run in a fresh home of its own, as a user who has never run it.
export function runNative(program: string, args: string[]): { status: number | null; stdout: Buffer; stderr: string; home: string } {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrolux-web-'));
  const env = {
    PATH: process.env.PATH ?? '', LANG: 'en_GB.UTF-8', HOME: home, HARVEX_DATA_ROOT: path.join(top, 'data'),
    XDG_CONFIG_HOME: path.join(home, 'config'), XDG_DATA_HOME: path.join(home, 'data'),
  };
  const run = spawnSync(program, args.map((arg) => arg.replace('$HOME', home)), { env });
  return { status: run.status, stdout: run.stdout, stderr: run.stderr.toString(), home };
}

// What `ferrolux-calc --json --along-cable` says of a file.
export function nativeJson(file: string): any {
  const run = runNative(nativeCalc, ['--json', '--along-cable', file]);
  fs.rmSync(run.home, { recursive: true, force: true });
  return JSON.parse(run.stdout.toString());
}

// The bytes the native window cores save for one of their walks (see tests/wasm/NativeWalk.cpp).
export function nativeWalkBytes(walk: string): Buffer {
  const run = runNative(nativeWalk, [walk, '$HOME/walk.QLX']);
  try {
    expect(run.status, run.stderr).toBe(0);
    return fs.readFileSync(path.join(run.home, 'walk.QLX'));
  } finally {
    fs.rmSync(run.home, { recursive: true, force: true });
  }
}

// The module started in Node.js as a first start does, every box's text
// kept in `said` (answered OK): what the core says, to hold the page against.
export async function moduleSession(said: string[]): Promise<{ module: FerroluxModule; session: Session }> {
  const { default: createFerrolux } = await import(pathToFileURL(path.join(top, 'build/wasm/ferrolux.mjs')).href);
  const module: FerroluxModule = await createFerrolux({ storage: 'memory', environment: { LANG: 'en_GB.UTF-8' },
    messageHost: { show: (text: string) => said.push(text) && 1 }, print() {}, printErr() {} });
  const session = new module.Session();
  await session.start();
  return { module, session };
}

// The times a save writes, left out of a comparison.
export function withoutTimes(bytes: Buffer): string {
  return bytes.toString('latin1').replace(/^(CreatedDate|ModifiedDate)=.*\r$/gm, '$1=<time>\r');
}

export async function screenshot(page: Page, name: string): Promise<void> {
  fs.mkdirSync(screensDir, { recursive: true });
  await page.screenshot({ path: path.join(screensDir, `${name}.png`) });
}

// A page without the File System Access API, as in Firefox: files are chosen
// through <input type=file> (which Playwright's file chooser drives) and
// saved as downloads.
export async function withoutFileSystemAccess(page: Page): Promise<void> {
  await page.addInitScript(() => {
    delete (window as any).showOpenFilePicker;
    delete (window as any).showSaveFilePicker;
  });
}

export interface ShownCell {
  text: string;
  title: string;
}

// The rows of a table's body (or foot) as a user reads them: each cell by its column's heading.
export function tableRows(table: Locator, part: 'tbody' | 'tfoot' = 'tbody'): Promise<Record<string, ShownCell>[]> {
  return table.evaluate((element: HTMLTableElement, part) => {
    const headings = [...element.tHead!.rows[0].cells].map((cell) => cell.textContent!.trim());
    return [...element.querySelectorAll(`${part} tr`)].map((row) => Object.fromEntries(
      [...(row as HTMLTableRowElement).cells].map((cell, at) => [headings[at], { text: cell.innerText.trim(), title: cell.title }])));
  }, part);
}

// The main window shows what `ferrolux-calc` says of the file: the site, its
// panel, a row per loop of the panel, the totals and the battery line.
export async function expectNativeResults(page: Page, file: string): Promise<void> {
  const native = nativeJson(file);
  await expect(page.getByRole('textbox', { name: 'Site Name:' })).toHaveValue(native.site_name);
  await expect(page.getByRole('combobox', { name: 'Control Panel:' }).locator('option:checked')).toHaveText(native.panel);
  const table = page.getByRole('table', { name: 'Loops' });
  // "14 mA", or a small current "5370 µA".
  const near = (shown: string, microamps: number) =>
    Math.abs(Number.parseFloat(shown) / (shown.endsWith('µA') ? 1000 : 1) - microamps / 1000) <= 0.5;
  const rows = await tableRows(table);
  expect(rows.map((row) => row.Loop.text)).toEqual(native.loops.slice(0, native.panel_loops).map((loop: any) => `${loop.loop}`));
  native.loops.slice(0, native.panel_loops).forEach((loop: any, at: number) => {
    const row = rows[at];
    const checks = loop.along_cable?.checks;
    expect({ name: row.Name.text, devices: row.Devices.text, verdict: row.Verdict.text, along: row['Along the Cable'].text,
             currents: near(row.Quiescent.text, loop.quiescent_uA) && near(row.Alarm.text, loop.alarm_uA) },
           `${file}, loop ${loop.loop}`)
      .toEqual({ name: loop.name, devices: `${loop.devices}`, verdict: loop.design_short, along: checks?.text ?? '', currents: true });
    if (checks?.first_failure) expect(row['Along the Cable'].title).toContain(checks.first_failure);
  });
  const [totals] = await tableRows(table, 'tfoot');
  expect({ devices: totals.Devices.text, verdict: totals.Verdict.text,
           currents: near(totals.Quiescent.text, native.total_quiescent_uA) && near(totals.Alarm.text, native.total_alarm_uA) }, file)
    .toEqual({ devices: `${native.total_devices}`, verdict: native.overall, currents: true });
  await expect(page.getByText(/^Standby battery:/)).toContainText(`${native.power.required_Ah.toFixed(2)} Ah`);
}

export const exampleFiles = (): string[] =>
  fs.readdirSync(examplesDir).filter((name) => name.endsWith('.QLX')).sort().map((name) => path.join(examplesDir, name));
