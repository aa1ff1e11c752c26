// SPDX-License-Identifier: MIT
// The page under the system's colours: forced colours (Windows' high contrast) and a dark
// preference draw the form and its pictures in them; the normal setting keeps the design's.
//
// ZIREV1_PAGE, ZIREV1_FORM and ZIREV1_CALC as form_page.mjs reads them; ZIREV1_SCREENSHOTS, when
// set, is where the screenshots go.

import { expect, test } from '@playwright/test';
import { FORM, calculateSides, open } from './form_page.mjs';

const HEADING = FORM.controls.find((control) => control.role === 'heading');

// The colours the page resolves for the system's ground and text, and those it gives the
// pictures' grounds, lines and letters and the heading.
async function colours(page) {
  return page.evaluate((heading) => {
    const probe = document.createElement('div');
    document.body.append(probe);
    const system = (value) => { probe.style.color = value; return getComputedStyle(probe).color; };
    const styleOf = (selector, property) => [...document.querySelectorAll(selector)]
      .map((element) => getComputedStyle(element)[property]);
    const found = {
      canvas: system('Canvas'),
      canvasText: system('CanvasText'),
      grounds: new Set(styleOf('[fill].drawn-ground', 'fill')),
      lines: new Set(styleOf('[stroke].drawn-text', 'stroke')),
      letters: new Set(styleOf('[fill].drawn-text', 'fill')),
      heading: getComputedStyle(document.getElementById(heading)).color,
    };
    probe.remove();
    return { ...found, grounds: [...found.grounds], lines: [...found.lines],
      letters: [...found.letters] };
  }, HEADING.name);
}

for (const [setting, emulation] of [['forced colours', { forcedColors: 'active' }],
  ['a dark preference', { colorScheme: 'dark' }]]) {
  test(`under ${setting} the pictures and captions take the system's colours`, async ({ page }) => {
    await page.emulateMedia(emulation);
    await open(page);
    await calculateSides(page, '3', '4', '5');
    const seen = await colours(page);
    expect(seen.grounds).toEqual([seen.canvas]);
    expect(seen.lines).toEqual([seen.canvasText]);
    expect(seen.letters).toEqual([seen.canvasText]);
    expect(seen.heading).toBe(seen.canvasText);
    if (process.env.ZIREV1_SCREENSHOTS) {
      const name = setting === 'forced colours' ? 'web-forced-colors.png' : 'web-dark.png';
      await page.screenshot({ path: `${process.env.ZIREV1_SCREENSHOTS}/${name}` });
    }
  });
}

test('the normal setting keeps the design\'s colours', async ({ page }) => {
  await open(page);
  const seen = await colours(page);
  expect(seen.grounds).toEqual(['rgb(255, 255, 255)']);
  expect(seen.heading).toBe('rgb(0, 0, 255)');
});
