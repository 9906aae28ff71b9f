// Draws the app's PNG icons (web/icons/icon-192.png and icon-512.png, which
// the web app manifest names) from packaging/harvex-ferrolux.svg with the
// tests' Chromium. They are kept in the sources, so that a build needs no
// image tools; run this again when the SVG changes.
//   node web/scripts/icons.mjs
import { chromium } from '@playwright/test';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const web = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const svg = fs.readFileSync(path.join(web, '../packaging/harvex-ferrolux.svg'), 'utf8');
const browser = await chromium.launch({ executablePath: process.env.FERROLUX_CHROMIUM || '/usr/bin/chromium' });
try {
  for (const size of [192, 512]) {
    const page = await browser.newPage({ viewport: { width: size, height: size } });
    await page.setContent(`<body style="margin:0">${svg.replace(/<\?xml[^>]*>/, '')
      .replace(/width="\d+" height="\d+"/, `width="${size}" height="${size}"`)}</body>`);
    await page.screenshot({ path: path.join(web, `icons/icon-${size}.png`), omitBackground: true });
    await page.close();
  }
} finally {
  await browser.close();
}
