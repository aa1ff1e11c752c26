// SPDX-License-Identifier: MIT
// The page on phones and desktops: at each size a single usable column or the window itself,
// targets a finger can hit, text that needs no zoom, no sideways scrolling, and no
// accessibility violation at WCAG 2.2 AA.
//
// ZIREV1_PAGE, ZIREV1_FORM and ZIREV1_CALC as form_page.mjs reads them.

import { createRequire } from 'node:module';
import { devices, expect, test } from '@playwright/test';
import {
  CALCULATE, FORM, PICTURES, RESULTS_345, SIDE_FIELDS, calculateButton, calculateSides, faultBox,
  open, results, sideField,
} from './form_page.mjs';

const TOUCH_TARGET = FORM.narrowLayout.touchTarget;
// WCAG 2.2's least target size, for a mouse: at the desktop size the page is the window.
const POINTER_TARGET = 24;
const FORM_WIDTH = Math.max(...FORM.controls.map((c) => c.left + c.width));
const require = createRequire(import.meta.url);

function device(name) {
  const { defaultBrowserType, ...options } = devices[name];
  return options;
}

const SCREENS = [
  ['Pixel 7', device('Pixel 7')],
  ['iPhone 13', device('iPhone 13')],
  ['a 320 × 640 touch screen', { viewport: { width: 320, height: 640 }, hasTouch: true,
    isMobile: true, deviceScaleFactor: 2 }],
  ['a 1280 × 800 desktop', { viewport: { width: 1280, height: 800 } }],
];

// What sticks out of the viewport sideways, and whether the document scrolls sideways.
async function overflow(page) {
  return page.evaluate(() => {
    const width = document.documentElement.clientWidth;
    const outside = [...document.querySelectorAll('main *')]
      .filter((element) => element.getClientRects().length > 0)
      .filter((element) => {
        const box = element.getBoundingClientRect();
        return box.left < -0.5 || box.right > width + 0.5;
      }).map((element) => element.id || element.tagName);
    return { scrolls: document.documentElement.scrollWidth > width, outside };
  });
}

for (const [name, options] of SCREENS) {
  test.describe(`on ${name}`, () => {
    test.use(options);
    test.beforeEach(async ({ page }) => open(page));

    test('targets, text sizes, no sideways scroll, and 3-4-5 by tapping', async ({ page }) => {
      const least = options.hasTouch ? TOUCH_TARGET : POINTER_TARGET;
      const targets = [...SIDE_FIELDS.map((c) => c.name), CALCULATE.name];
      for (const id of targets) {
        const box = await page.locator(`#${id}`).boundingBox();
        expect(box.width, id).toBeGreaterThanOrEqual(least);
        expect(box.height, id).toBeGreaterThanOrEqual(least);
      }
      // The size on the screen: the computed size times any scale of the page.
      const sizes = await page.evaluate((ids) => ids.map((id) => {
        const element = document.getElementById(id);
        const scale = element.getBoundingClientRect().width / element.offsetWidth || 1;
        return parseFloat(getComputedStyle(element).fontSize) * scale;
      }), [...SIDE_FIELDS.map((c) => c.name), ...FORM.resultLabels]);
      sizes.forEach((size) => expect(size).toBeGreaterThanOrEqual(16));

      for (const [index, side] of ['3', '4', '5'].entries()) {
        const field = sideField(page, index);
        if (options.hasTouch) await field.tap();
        else await field.click();
        await page.keyboard.type(side);
        await expect(field).toHaveValue(side);
      }
      if (options.hasTouch) await calculateButton(page).tap();
      else await calculateButton(page).click();
      expect(await results(page)).toEqual(RESULTS_345);
      expect(await overflow(page)).toEqual({ scrolls: false, outside: [] });
    });

    test("the fault box's OK button is a target too", async ({ page }) => {
      await calculateSides(page, '9'.repeat(400), '1', '1');
      const ok = faultBox(page).getByRole('button', { name: FORM.faultBox.button, exact: true });
      await expect(ok).toBeVisible();
      const box = await ok.boundingBox();
      expect(box.width).toBeGreaterThanOrEqual(TOUCH_TARGET);
      expect(box.height).toBeGreaterThanOrEqual(TOUCH_TARGET);
      const dialog = await faultBox(page).boundingBox();
      expect(dialog.x).toBeGreaterThanOrEqual(0);
      expect(dialog.x + dialog.width).toBeLessThanOrEqual(options.viewport.width);
    });

    test('axe at WCAG 2.2 AA finds no violation, before and after 3-4-5', async ({ page }) => {
      await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
      const audit = async () => page.evaluate(async () => (await window.axe.run(document, {
        runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21aa', 'wcag22aa'] },
      })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
      expect(await audit()).toEqual([]);
      await calculateSides(page, '3', '4', '5');
      expect(await audit()).toEqual([]);
    });
  });
}

test.describe('the narrow layout', () => {
  test('no sideways scroll from 320 to 1920 px, nor at 200 % and 400 % zoom', async ({ page }) => {
    await open(page);
    // 200 % and 400 % of a 1280 px window are 640 and 320 CSS px.
    const widths = [320, 360, 412, 640, 768, 1024, FORM_WIDTH, FORM_WIDTH + 1, 1280, 1920];
    for (const width of widths) {
      await page.setViewportSize({ width, height: 800 });
      expect(await overflow(page), `${width} px`).toEqual({ scrolls: false, outside: [] });
    }
  });

  test('reflows in reading order, never scaled; each block keeps its places', async ({ page }) => {
    await page.setViewportSize({ width: 412, height: 839 });
    await open(page);
    const transform = await page.evaluate((id) =>
      getComputedStyle(document.getElementById(id)).transform, FORM.name);
    expect(transform).toBe('none');
    const boxes = {};
    for (const c of FORM.controls) {
      boxes[c.name] = await page.locator(`#${c.name}`).boundingBox();
    }
    let below = -Infinity;
    for (const group of FORM.narrowLayout.groups) {
      for (const block of group.blocks) {
        const members = block.controls.map((n) => boxes[n]).filter((b) => b.height > 0);
        const top = Math.min(...members.map((b) => b.y));
        expect(top, block.controls[0]).toBeGreaterThanOrEqual(below);
        below = Math.max(...members.map((b) => b.y + b.height)) - 6; // a field's growth
        if (group.style === 'places') {
          // A field or a button grows about its centre to a target's size.
          const placeOf = (n) => {
            const c = FORM.controls.find((x) => x.name === n);
            const grows = c.kind === 'field' || c.kind === 'button';
            return {
              x: boxes[n].x + (grows ? (boxes[n].width - c.width) / 2 : 0) - c.left,
              y: boxes[n].y + (grows ? (boxes[n].height - c.height) / 2 : 0) - c.top,
            };
          };
          const corner = placeOf(block.controls[0]);
          for (const n of block.controls) {
            expect(placeOf(n).x, n).toBeCloseTo(corner.x, 0);
            expect(placeOf(n).y, n).toBeCloseTo(corner.y, 0);
          }
        }
      }
    }
  });

  // A picture's box holds its whole drawing and no empty band beside it; a drawing narrower than
  // the column is never shown smaller than in the window (the validity conditions take the
  // corner of a box six times their width).
  test('each picture shows its drawing, whole and no smaller than fits', async ({ page }) => {
    for (const width of [320, 412, 640]) {
      await page.setViewportSize({ width, height: 800 });
      await open(page);
      for (const picture of PICTURES) {
        const shown = await page.evaluate((name) => {
          const box = document.getElementById(name);
          const column = box.parentElement.clientWidth;
          const { width: w, height: h } = box.getBoundingClientRect();
          return { width: w, height: h, column, scale: box.querySelector('svg').getScreenCTM().a };
        }, picture.name);
        const what = `${picture.name} at ${width} px`;
        expect(shown.width, what).toBeCloseTo(picture.drawn.width * shown.scale, 0);
        expect(shown.height, what).toBeCloseTo(picture.drawn.height * shown.scale, 0);
        if (picture.drawn.width <= shown.column) {
          expect(shown.scale, what).toBeGreaterThanOrEqual(1);
        }
      }
    }
  });

  test('no viewport setting stops the user from zooming', async ({ page }) => {
    await open(page);
    const viewport = await page.locator('meta[name=viewport]').getAttribute('content');
    expect(viewport).not.toMatch(/maximum-scale|user-scalable\s*=\s*(no|0)/);
  });
});
