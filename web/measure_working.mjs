// SPDX-License-Identifier: MIT
// What Svolgimento costs in Debian's Chromium: opening it (the first time, after a calculation
// and the page's rest, and again), and each new calculation while it is open, beside a
// calculation while it is closed. For each, the click's handler, then the rendering of the frame
// that follows (style, layout and paint, from that frame's animation callback to a task queued
// behind it), and their sum against the 16.7 ms of a frame at 60 Hz: within it, the change is
// painted in the frame after the click. Then the same clicks as real mouse clicks, timed by
// Chromium's Event Timing from the input to the next paint: it reports those over 16 ms, in
// steps of 8 ms.
//
//   node web/measure_working.mjs build/web/zirev1.html [ROUNDS]
//
// The controls are found by the form's description: ZIREV1_FORM, or form/form.json in the build
// folder that holds web/zirev1.html.

import { readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from '@playwright/test';

const FRAME = 1000 / 60;
const [pagePath, roundsText] = process.argv.slice(2);
const rounds = Number(roundsText ?? 20);
const url = pathToFileURL(resolve(pagePath)).href;
const form = JSON.parse(readFileSync(process.env.ZIREV1_FORM ??
  join(dirname(pagePath), '..', 'form', 'form.json'), 'utf8'));
const ofRole = (controls, role) => controls.find((c) => c.role === role).name;
const ids = {
  fields: form.sideFields,
  calculate: ofRole(form.controls, 'calculate'),
  open: ofRole(form.controls, 'openWorking'),
  close: `${form.workingForm.name}-close`,
};
const TRIANGLES = [['3', '4', '5'], ['7', '8', '9'], ['2', '3', '4'], ['123456.5', '123456.25',
  '123456.75'], ['1', '1', '1'], ['5', '12', '13']];

// Runs in the page: clicks the button, and times the handler and the frame after it.
function timedClick(id) {
  return new Promise((done) => {
    const start = performance.now();
    document.getElementById(id).click();
    const handled = performance.now();
    const frame = () => {
      const rendering = performance.now();
      const channel = new MessageChannel();
      channel.port1.onmessage = () => done({ handler: handled - start,
        rendering: performance.now() - rendering });
      channel.port2.postMessage(null);
    };
    requestAnimationFrame(frame);
  });
}

const browser = await chromium.launch({
  executablePath: process.env.ZIREV1_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run'],
});
const samples = {
  'calculation while closed': [], 'first opening': [], 'opening again': [],
  'calculation while open': [],
};
const slowEvents = [];
let clicks = 0;
for (let round = 0; round < rounds; round++) {
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
  // The page at rest: its idle work done, and laid out in the frame after it, as it is by the
  // time a person moves to the next button.
  const settle = () => page.evaluate(() => new Promise((rested) => requestIdleCallback(
    () => requestAnimationFrame(() => requestIdleCallback(rested, { timeout: 500 })),
    { timeout: 500 })));
  await settle();
  const setSides = (sides) => page.evaluate(({ fields, sides: texts }) => {
    fields.forEach((id, i) => { document.getElementById(id).value = texts[i]; });
  }, { fields: ids.fields, sides });
  await setSides(TRIANGLES[0]);
  samples['calculation while closed'].push(await page.evaluate(timedClick, ids.calculate));
  await settle();
  samples['first opening'].push(await page.evaluate(timedClick, ids.open));
  await page.evaluate((id) => document.getElementById(id).click(), ids.close);
  samples['opening again'].push(await page.evaluate(timedClick, ids.open));
  for (const sides of TRIANGLES.slice(1)) {
    await setSides(sides);
    samples['calculation while open'].push(await page.evaluate(timedClick, ids.calculate));
  }
  // Real clicks: close, open, and calculate while open.
  await page.evaluate(() => {
    window.slow = [];
    new PerformanceObserver((list) => window.slow.push(...list.getEntries()
      .filter((entry) => entry.name === 'click').map((entry) => entry.duration)))
      .observe({ type: 'event', durationThreshold: 16 });
  });
  for (const [index, sides] of TRIANGLES.entries()) {
    await page.click(`#${ids.close}`);
    await page.click(`#${ids.open}`);
    await setSides(sides);
    await page.click(`#${ids.calculate}`);
    clicks += 3;
    if (index === TRIANGLES.length - 1) await page.evaluate(() => new Promise(requestAnimationFrame));
  }
  slowEvents.push(...await page.evaluate(() => window.slow));
  await page.close();
}
await browser.close();

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const max = (values) => Math.max(...values);
console.log(`${rounds} rounds, ${url}`);
for (const [what, list] of Object.entries(samples)) {
  const total = list.map((s) => s.handler + s.rendering);
  console.log(`${what}: handler median ${median(list.map((s) => s.handler)).toFixed(2)} ms, ` +
    `rendering median ${median(list.map((s) => s.rendering)).toFixed(2)} ms, ` +
    `sum median ${median(total).toFixed(2)} ms, max ${max(total).toFixed(2)} ms ` +
    `(a frame: ${FRAME.toFixed(1)} ms); within a frame: ` +
    `${total.filter((t) => t <= FRAME).length} of ${total.length}`);
}
// Event Timing counts from the input, which comes at any moment of a frame: 16 ms is the next
// frame's paint, 24 ms and more a frame missed.
const steps = new Map();
slowEvents.forEach((duration) => steps.set(duration, (steps.get(duration) ?? 0) + 1));
console.log(`real clicks (close, open, calculate while open), input to next paint: ` +
  `${clicks - slowEvents.length} of ${clicks} under 16 ms, ` +
  [...steps].sort(([a], [b]) => a - b).map(([d, n]) => `${n} at ${d} ms`).join(', '));
