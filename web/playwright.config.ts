// The browser app's tests in Debian's Chromium, driven as a user drives the
// app: by roles, names, clicks and keys. tests/app-server.ts serves build/web.
import { defineConfig } from '@playwright/test';

export default defineConfig({
  testDir: 'tests',
  testMatch: '*.test.ts',
  outputDir: '../build/web-tests/results',
  globalSetup: './tests/app-server.ts',
  timeout: 60_000,
  expect: { timeout: 10_000 },
  workers: 2,
  reporter: [['list']],
  use: {
    browserName: 'chromium',
    launchOptions: { executablePath: process.env.FERROLUX_CHROMIUM || '/usr/bin/chromium' },
    viewport: { width: 1366, height: 768 },
    locale: 'en-GB',
    acceptDownloads: true,
    trace: 'retain-on-failure',
  },
});
