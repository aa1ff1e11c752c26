// SPDX-License-Identifier: MIT
// The web edition's timings in Debian's Chromium: navigation to interactive (the module has
// instantiated the calculation and put the focus on Calcolo), the click handler of Calcolo, and
// the click to the results painted (two animation frames at most), as medians over several loads.
//
//   node web/measure_timing.mjs build/web/zirev1.html [LOADS]
//
// The controls are found by the form's description: ZIREV1_FORM, or form/form.json in the build
// folder that holds web/zirev1.html.

import { readFileSync, statSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from '@playwright/test';

const [pagePath, loadsText] = process.argv.slice(2);
const loads = Number(loadsText ?? 20);
const url = pathToFileURL(resolve(pagePath)).href;
const form = JSON.parse(readFileSync(process.env.ZIREV1_FORM ??
  join(dirname(pagePath), '..', 'form', 'form.json'), 'utf8'));
const ids = {
  fields: form.sideFields,
  button: form.controls.find((c) => c.role === 'calculate').name,
};
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
  // The moment the page marks itself ready, from the start of the navigation.
  await page.addInitScript(() => {
    new MutationObserver((_, observer) => {
      window.readyAt = performance.now();
      observer.disconnect();
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
  });
  await page.goto(url);
  await page.waitForFunction(() => window.readyAt !== undefined);
  interactive.push(await page.evaluate(() => window.readyAt));
  // The page loads the language's number format once it is first idle after showing itself; a
  // click before that, sooner than a person can click, would pay for it too.
  await page.evaluate(() => new Promise((idle) => requestIdleCallback(idle, { timeout: 500 })));
  const [handler, painted] = await page.evaluate(({ fields, button }) => new Promise((done) => {
    for (const [index, side] of ['3', '4', '5'].entries()) {
      document.getElementById(fields[index]).value = side;
    }
    const start = performance.now();
    document.getElementById(button).click();
    const end = performance.now();
    // The frame after the next one is the first that can show the new texts.
    requestAnimationFrame(() => requestAnimationFrame(() => done([end - start,
      performance.now() - start])));
  }), ids);
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
