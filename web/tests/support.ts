// What the browser tests share: the app opened in a page, its controls found
// by role and name, and the native calculator to hold its numbers against.
import { test as base, expect, type Page } from '@playwright/test';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const appDir = path.join(top, 'build/web');
export const examplesDir = path.join(top, 'examples');
export const screensDir = path.join(top, 'build/screens/web');
const nativeCalc = process.env.FERROLUX_NATIVE_CALC || path.join(top, 'build/plain/src/ferrolux-calc');
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

// The box the app shows for a message or question, found by its text.
export function messageBox(page: Page) {
  return page.getByRole('alertdialog');
}

// A program run in a fresh home of its own, as a user who has never run it.
function runNative(program: string, args: string[]): { status: number | null; stdout: Buffer; stderr: string; home: string } {
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

// The times a save writes, left out of a comparison.
export function withoutTimes(bytes: Buffer): string {
  return bytes.toString('latin1').replace(/^(CreatedDate|ModifiedDate)=.*\r$/gm, '$1=<time>\r');
}

export async function screenshot(page: Page, name: string): Promise<void> {
  fs.mkdirSync(screensDir, { recursive: true });
  await page.screenshot({ path: path.join(screensDir, `${name}.png`) });
}
