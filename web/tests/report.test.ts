// The printed report and the schedules as a designer takes them from the
// browser: every sample site's PDF says on each page what the desktop's PDF
// says, and the schedules are the native calculator's bytes.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import type { Download, Page } from '@playwright/test';
import { exampleFiles, expect, menu, nativeCalc, nativeJson, openSample, runNative, screensDir, screenshot, test } from './support.js';

const reportScreens = path.join(screensDir, 'report');

// What ferrolux-calc writes for one output option, e.g. ['--pdf'].
function nativeOutput(option: string, file: string): Buffer {
  const run = runNative(nativeCalc, [option, '$HOME/out', file]);
  try {
    return fs.readFileSync(path.join(run.home, 'out'));
  } finally {
    fs.rmSync(run.home, { recursive: true, force: true });
  }
}

// Each page's text in the order it was drawn, its spacing left aside.
function pageTexts(pdf: string): string[] {
  const pages = Number(/Pages:\s+(\d+)/.exec(spawnSync('pdfinfo', [pdf]).stdout.toString())![1]);
  return Array.from({ length: pages }, (_, at) =>
    spawnSync('pdftotext', ['-raw', '-f', `${at + 1}`, '-l', `${at + 1}`, pdf, '-']).stdout.toString()
      .split('\n').map((line) => line.replace(/\s+/g, ' ').trim()).filter(Boolean).join('\n'));
}

async function downloaded(page: Page, start: () => Promise<void>): Promise<{ name: string; bytes: Buffer }> {
  const download: Promise<Download> = page.waitForEvent('download');
  await start();
  const done = await download;
  return { name: done.suggestedFilename(), bytes: fs.readFileSync((await done.path())!) };
}

test('every sample site\'s report and schedules are the desktop\'s', async ({ app }) => {
  test.setTimeout(180_000);
  for (const file of exampleFiles()) {
    const base = path.basename(file, '.QLX');
    await openSample(app, nativeJson(file).site_name);

    await menu(app, 'File', 'Print...');
    const report = await downloaded(app, () =>
      app.getByRole('dialog', { name: 'Print' }).getByRole('button', { name: 'Save as PDF...' }).click());
    expect(report.name).toBe(`${base}.pdf`);
    const folder = path.join(reportScreens, base);
    fs.rmSync(folder, { recursive: true, force: true });
    fs.mkdirSync(folder, { recursive: true });
    const web = path.join(folder, 'web.pdf');
    const desktop = path.join(folder, 'desktop.pdf');
    fs.writeFileSync(web, report.bytes);
    fs.writeFileSync(desktop, nativeOutput('--pdf', file));
    expect(pageTexts(web), base).toEqual(pageTexts(desktop));
    for (const [pdf, prefix] of [[web, 'web'], [desktop, 'desktop']])
      spawnSync('pdftoppm', ['-r', '60', '-png', pdf, path.join(folder, prefix)]);

    for (const [item, option, suffix] of [['Device Schedule...', '--schedule-csv', 'Devices'],
                                          ['Address Schedule...', '--addresses-csv', 'Addresses']]) {
      const schedule = await downloaded(app, () => menu(app, 'File', item));
      expect(schedule.name).toBe(`${base} - ${suffix}.csv`);
      expect(schedule.bytes.equals(nativeOutput(option, file)), `${base} ${item}`).toBe(true);
    }
  }
});

test('the print dialog offers the loops that hold devices, goes by keyboard and opens the report in a tab', async ({ app }) => {
  await menu(app, 'File', 'Riverside Warehouse');
  await app.keyboard.press('Control+p');
  const dialog = app.getByRole('dialog', { name: 'Print' });
  const loops = dialog.getByRole('group', { name: 'Print details of loops:' }).getByRole('checkbox');
  await expect(loops).toHaveCount(4);
  for (const box of await loops.all()) await expect(box).toBeChecked();
  await screenshot(app, 'print-dialog');
  await app.keyboard.press('Escape');
  await expect(dialog).toBeHidden();

  // The main window's button; Alt+L reaches the list, Enter prints to a new tab.
  await app.getByRole('button', { name: 'Print...' }).click();
  await app.keyboard.press('Alt+l');
  await expect(loops.first()).toBeFocused();
  await app.keyboard.press('Space');
  await expect(loops.first()).not.toBeChecked();
  const tab = app.context().waitForEvent('page');
  await dialog.getByRole('button', { name: 'Print', exact: true }).click();
  await expect.poll(async () => (await tab).url()).toMatch(/^blob:/);
});
