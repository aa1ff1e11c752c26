// SPDX-License-Identifier: MIT
// Navigation to ready for the web edition against two floors, side by side in one Chromium:
// a bare page that sets ready from a module script, and a bare page that only instantiates the
// same WebAssembly module, embedded, decoded and compiled as the page does it. Ready is the
// moment the page marks its root element data-ready (the page: the calculation instantiated and
// the focus on Calcolo). The loads alternate, so that the three share whatever the machine is
// doing. The ratios move by about 0.1x from one run to the next on a 2-core machine; take
// 60 loads or more.
//
// With ZIREV1_TRACE=FILE it also writes a trace of one more load of the page, to be opened in
// Chromium's DevTools (Performance, Load profile), where the main thread's work before ready
// shows.
//
//   node web/measure_load.mjs build/web/zirev1.html build/wasm/zirev1_calc.wasm [LOADS]

import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from '@playwright/test';

const [pagePath, wasmPath, loadsText] = process.argv.slice(2);
const loads = Number(loadsText ?? 60);
const work = mkdtempSync(join(tmpdir(), 'zirev1-load-'));
const wasm = readFileSync(wasmPath).toString('base64');
const bare = (script) => `<!DOCTYPE html><html lang="it"><head><meta charset="utf-8">
<title>floor</title></head><body><script type="module">${script}</script></body></html>`;
writeFileSync(join(work, 'module.html'), bare("document.documentElement.dataset.ready = 'true';"));
writeFileSync(join(work, 'wasm.html'), bare(`
const bytes = Uint8Array.fromBase64(${JSON.stringify(wasm)});
const instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), {});
instance.exports._initialize();
document.documentElement.dataset.ready = 'true';`));
const pages = {
  page: pathToFileURL(resolve(pagePath)).href,
  'bare module': pathToFileURL(join(work, 'module.html')).href,
  'bare wasm': pathToFileURL(join(work, 'wasm.html')).href,
};

const browser = await chromium.launch({
  executablePath: process.env.ZIREV1_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run'],
});
const context = await browser.newContext();
// Notes the time the root element is marked ready, from the start of the navigation.
await context.addInitScript(() => {
  new MutationObserver((_, observer) => {
    if (document.documentElement.dataset.ready) {
      window.readyAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
});
async function load(url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => window.readyAt !== undefined);
  const readyAt = await page.evaluate(() => window.readyAt);
  await page.close();
  return readyAt;
}
// Rounds of one load each; the first few warm the browser up and are not counted, and each
// round starts with the next page, so that none always follows the same one.
const WARM_UP = 3;
const names = Object.keys(pages);
const times = Object.fromEntries(names.map((name) => [name, []]));
for (let round = 0; round < WARM_UP + loads; round++) {
  for (let k = 0; k < names.length; k++) {
    const name = names[(round + k) % names.length];
    const readyAt = await load(pages[name]);
    if (round >= WARM_UP) times[name].push(readyAt);
  }
}
if (process.env.ZIREV1_TRACE) {
  const page = await context.newPage();
  await browser.startTracing(page, { path: process.env.ZIREV1_TRACE, screenshots: false,
    categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline', 'blink',
      'loading', 'v8.execute', 'v8.wasm', 'blink.user_timing'] });
  await page.goto(pages.page);
  await page.waitForFunction(() => window.readyAt !== undefined);
  await browser.stopTracing();
}
await browser.close();
rmSync(work, { recursive: true, force: true });

const quantile = (values, q) => [...values].sort((a, b) => a - b)[Math.floor(values.length * q)];
const median = (values) => quantile(values, 0.5);
const floor = median(times['bare wasm']);
for (const [name, values] of Object.entries(times)) {
  console.log(`${name.padEnd(12)} median ${median(values).toFixed(1)} ms ` +
    `(${Math.min(...values).toFixed(1)}-${Math.max(...values).toFixed(1)}), ` +
    `${(median(values) / floor).toFixed(2)}x the bare wasm page`);
}
// Each round's page against the same round's bare wasm page: steadier than the medians' ratio
// when the machine's load changes during the run.
const ratios = times.page.map((time, i) => time / times['bare wasm'][i]);
console.log(`page / bare wasm page, round by round: median ${median(ratios).toFixed(2)}x ` +
  `(quartiles ${quantile(ratios, 0.25).toFixed(2)}-${quantile(ratios, 0.75).toFixed(2)})`);
