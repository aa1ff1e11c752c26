// SPDX-License-Identifier: MIT
// The web edition's timings in Debian's Chromium: navigation to interactive (the module has
// instantiated the calculation and put the focus on Calcolo), the click handler of Calcolo, and
// the click to the results painted (two animation frames at most), as medians over several loads.
//
//   node web/measure_timing.mjs build/web/zirev1.html [LOADS]

import { statSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from '@playwright/test';

const [pagePath, loadsText] = process.argv.slice(2);
const loads = Number(loadsText ?? 20);
const url = pathToFileURL(resolve(pagePath)).href;
const browser = await chromium.launch({
  executablePath: process.env.ZIREV1_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run'],
});
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const interactive = [];
const click = [];
const handled = [];
for (let i = 0; i < loads; i++) {
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready, null,
    { polling: 'raf' });
  interactive.push(await page.evaluate(() => performance.now()));
  const [handler, painted] = await page.evaluate(() => new Promise((done) => {
    for (const [id, side] of [['Text1', '3'], ['Text2', '4'], ['Text4', '5']]) {
      document.getElementById(id).value = side;
    }
    const start = performance.now();
    document.getElementById('Command1').click();
    const end = performance.now();
    // The frame after the next one is the first that can show the new texts.
    requestAnimationFrame(() => requestAnimationFrame(() => done([end - start,
      performance.now() - start])));
  }));
  handled.push(handler);
  click.push(painted);
  await page.close();
}
await browser.close();
console.log(`page: ${statSync(pagePath).size} bytes`);
console.log(`navigation to interactive: median ${median(interactive).toFixed(1)} ms ` +
  `(${Math.min(...interactive).toFixed(1)}-${Math.max(...interactive).toFixed(1)}) over ${loads}`);
console.log(`click handled (calculation and labels written): median ${median(handled).toFixed(2)} ms`);
console.log(`click to results painted: median ${median(click).toFixed(1)} ms ` +
  `(${Math.min(...click).toFixed(1)}-${Math.max(...click).toFixed(1)})`);
