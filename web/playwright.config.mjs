// SPDX-License-Identifier: MIT
// The web edition's tests, in Debian's Chromium (no browser is downloaded).
import { defineConfig } from '@playwright/test';

export default defineConfig({
  testDir: 'tests',
  testMatch: '*.test.mjs',
  workers: 1,
  timeout: 60_000,
  reporter: [['list']],
  outputDir: process.env.ZIREV1_TEST_OUTPUT ?? 'test-results',
  use: {
    locale: 'en-US',
    viewport: { width: 1280, height: 800 },
    launchOptions: {
      executablePath: process.env.ZIREV1_CHROMIUM ?? '/usr/bin/chromium',
      // Headless, as root where CI runs, and with none of Chromium's own network traffic.
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    },
  },
});
