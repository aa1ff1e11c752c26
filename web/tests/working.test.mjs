// SPDX-License-Identifier: MIT
// What only the page can show of Svolgimento, the working's window, and of what a calculation
// says: the window realizes its description, opens and closes as a window of the page does, costs
// nothing until it is open, copies both forms of its table, passes axe open, reflows on narrow
// screens; the status region says each calculation once. How it behaves with the form is the
// behaviour scenarios'.
//
// ZIREV1_PAGE, ZIREV1_FORM and ZIREV1_CALC as form_page.mjs reads them; ZIREV1_SITE: the site.

import { createRequire } from 'node:module';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { devices, expect, test } from '@playwright/test';
import {
  FORM, MESSAGE, OPEN_WORKING, RESULTS_345, SIDE_FIELDS, WORKING, WORKING_HEADING, WORKING_TABLE,
  calculateButton, calculateSides, copyButton, open, openWorkingButton, results, workingTable,
  workingWindow,
} from './form_page.mjs';

const require = createRequire(import.meta.url);
const { defaultBrowserType, ...PIXEL_7 } = devices['Pixel 7'];
const DESKTOP = { viewport: { width: 1280, height: 800 } };

async function openWorking(page, ...sides) {
  await open(page);
  await calculateSides(page, ...sides);
  await openWorkingButton(page).click();
  await expect(workingWindow(page)).toBeVisible();
}

test.describe('Svolgimento at the desktop size', () => {
  test.use(DESKTOP);

  // Each control at its place in the window's form, with its caption or name; Tab walks them by
  // their tab index; the table is a table, headed by its columns and each row by its quantity.
  test('realizes its description', async ({ page }) => {
    await openWorking(page, '3', '4', '5');
    const form = await page.locator(`#${WORKING.name}`).boundingBox();
    for (const control of WORKING.controls) {
      const box = await page.locator(`#${control.name}`).boundingBox();
      expect([box.x - form.x, box.y - form.y], control.name).toEqual([control.left, control.top]);
      if (!control.autoSize) {
        expect([box.width, box.height], control.name).toEqual([control.width, control.height]);
      }
      if (control.caption) {
        await expect(page.locator(`#${control.name}`), control.name).toHaveText(control.caption);
      }
    }
    const picture = WORKING.controls.find((c) => c.kind === 'picture');
    await expect(workingWindow(page).getByRole('img', { name: picture.accessibleName }))
      .toHaveAccessibleDescription(/a = 3.*b = 4.*c = 5/);
    const table = workingTable(page);
    await expect(table.getByRole('columnheader')).toHaveText(WORKING.columns);
    const rows = await table.locator('tbody tr').count();
    expect(rows).toBeGreaterThan(40);
    // Every row is headed: a section by its name, a quantity by its own.
    await expect(table.getByRole('rowheader')).toHaveCount(rows);
    const focusable = WORKING.controls.filter((c) => c.tabIndex > 0)
      .sort((x, y) => x.tabIndex - y.tabIndex);
    await page.locator(`#${focusable[0].name}`).focus();
    for (const control of focusable.slice(1)) {
      await page.keyboard.press('Tab');
      await expect(page.locator(`#${control.name}`)).toBeFocused();
    }
  });

  // Its one polygon is the triangle, corners C, B, A: a from C to B, b from C to A, c from B to A.
  test('the drawing is the last valid triangle, to scale', async ({ page }) => {
    const picture = WORKING.controls.find((c) => c.kind === 'picture');
    const sides = () => page.locator(`#${picture.name} polygon`).evaluate((polygon) => {
      const [c, b, a] = [...polygon.points].map(({ x, y }) => [x, y]);
      const length = ([x1, y1], [x2, y2]) => Math.hypot(x2 - x1, y2 - y1);
      return [length(c, b), length(c, a), length(b, a)];
    });
    await openWorking(page, '7', '8', '9');
    const drawn = await sides();
    drawn.forEach((side, i) => expect(side / drawn[0], 'abc'[i]).toBeCloseTo([7, 8, 9][i] / 7, 2));
    await calculateSides(page, '7', '8', '20');
    expect(await sides()).toEqual(drawn);
  });

  test('opens with the focus on its heading; Escape and its button give it back', async ({ page }) => {
    await openWorking(page, '3', '4', '5');
    await expect(page.getByRole('heading', { name: WORKING_HEADING.caption, exact: true }))
      .toBeFocused();
    // Not modal: the form behind still takes input, and the window follows it.
    await calculateSides(page, '7', '8', '9');
    await expect(workingWindow(page)).toBeVisible();
    await page.getByRole('heading', { name: WORKING_HEADING.caption, exact: true }).focus();
    await page.keyboard.press('Escape');
    await expect(workingWindow(page)).toBeHidden();
    await expect(openWorkingButton(page)).toBeFocused();
    await openWorkingButton(page).click();
    await workingWindow(page).getByRole('button', { name: WORKING.close, exact: true }).click();
    await expect(workingWindow(page)).toBeHidden();
    await expect(openWorkingButton(page)).toBeFocused();
  });

  // Nothing of it is written or laid out before a calculation; after one, it is written while
  // the page is idle, and stays hidden until it is opened.
  test('costs nothing until a calculation, and opening it only shows it', async ({ page }) => {
    await open(page);
    // The page's idle work calculates once ahead, and shows nothing of it.
    await page.evaluate(() => new Promise((idle) => requestIdleCallback(
      () => requestIdleCallback(idle))));
    const table = page.locator(`#${WORKING_TABLE.name} tbody`);
    const boxes = () => page.locator(`#${WORKING.name}`)
      .evaluate((form) => form.getClientRects().length);
    expect(await results(page)).toEqual(Array(12).fill(''));
    expect(page.url()).not.toContain('#');
    await expect(table).toHaveCount(0);
    expect(await boxes()).toBe(0);
    await calculateSides(page, '3', '4', '5');
    await expect(table.first()).toBeAttached();
    await expect(workingWindow(page)).toBeHidden();
    await expect(page.getByRole('table')).toHaveCount(0);
    await openWorkingButton(page).click();
    await expect(table.first()).toBeVisible();
  });

  test('Copia puts the table on the clipboard as text and as HTML', async ({ context, page }) => {
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await openWorking(page, '3', '4', '5');
    await copyButton(page).click();
    // The copy is asynchronous: until the clipboard holds the table.
    await expect.poll(() => page.evaluate(() => navigator.clipboard.readText()))
      .toMatch(new RegExp(`^${WORKING.columns.join('\t')}\r\n`));
    const copied = await page.evaluate(async () => {
      const [item] = await navigator.clipboard.read();
      const texts = {};
      for (const type of item.types) texts[type] = await (await item.getType(type)).text();
      return texts;
    });
    const lines = copied['text/plain'].split('\r\n');
    expect(lines[0]).toBe(WORKING.columns.join('\t'));
    expect(lines.find((l) => l.startsWith('2p\t'))).toMatch(new RegExp(`\t${RESULTS_345[11]}$`));
    const html = await page.evaluate((markup) => {
      const table = new DOMParser().parseFromString(markup, 'text/html').querySelector('table');
      return [...table.rows].map((row) => [...row.cells].map((cell) => cell.textContent));
    }, copied['text/html']);
    expect(html.map((cells) => cells.join('\t'))).toEqual(lines.filter((l) => l !== ''));
  });

  // Where there is no ClipboardItem (an older browser) the editing command copies instead.
  test('Copia copies without the asynchronous clipboard too', async ({ context, page }) => {
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.addInitScript(() => { delete window.ClipboardItem; });
    await openWorking(page, '3', '4', '5');
    await page.evaluate(() => navigator.clipboard.writeText(''));
    await copyButton(page).click();
    await expect.poll(() => page.evaluate(() => navigator.clipboard.readText()))
      .toMatch(new RegExp(`^${WORKING.columns.join('\t')}\r\n(.*\r\n)*p\t`));
  });
});

// Each calculation is said once, through the page's one status region, in the form's order: the
// message, then the results; a fault's box says itself, and the region is emptied behind it.
test('the status region says each calculation once, the message before the results',
  async ({ page }) => {
    await page.addInitScript(() => {
      window.said = [];
      addEventListener('DOMContentLoaded', () => {
        const region = document.querySelector('[role=status]');
        new MutationObserver(() => window.said.push(region.textContent))
          .observe(region, { childList: true, characterData: true, subtree: true });
      });
    });
    await open(page);
    await expect(page.getByRole('status')).toHaveCount(1);
    const sentence = (texts) => FORM.spokenResults.map((part, i) => part + (texts[i] ?? ''))
      .join('');
    const message = page.locator(`#${MESSAGE.name}`);
    const steps = [['3', '4', '5'], ['3', '4', '5'], ['3', '4', '9'], ['2,5', '3', '4'],
      ['9'.repeat(400), '4', '5']];
    const expected = [];
    for (const sides of steps) {
      await calculateSides(page, ...sides);
      const shown = await message.textContent();
      const results = (await page.evaluate((ids) => ids.map((id) =>
        document.getElementById(id).textContent), FORM.resultLabels));
      const fault = sides[0].length > 100;
      if (fault) expected.push('');
      else if (sides[2] === '9') expected.push(shown);
      else expected.push([shown, sentence(results)].filter((t) => t !== '').join(' '));
    }
    expect(await page.evaluate(() => window.said)).toEqual(expected);
    expect(expected[3].startsWith('Attenzione')).toBe(true);
  });

const AXE_TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'];
const PAGES = [['the page', () => pathToFileURL(process.env.ZIREV1_PAGE).href],
  ['the site', () => pathToFileURL(join(process.env.ZIREV1_SITE, 'index.html')).href]];
for (const [screen, options] of [['1280 × 800', DESKTOP], ['a Pixel 7', PIXEL_7]]) {
  for (const [what, address] of PAGES) {
    test.describe(`${what} on ${screen}`, () => {
      test.use(options);
      test('axe at WCAG 2.2 AA finds no violation with Svolgimento open', async ({ page }) => {
        await open(page, address());
        await calculateSides(page, '3', '4', '9');
        await calculateSides(page, '3', '4', '5');
        await openWorkingButton(page).click();
        await expect(workingWindow(page)).toBeVisible();
        await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
        const violations = await page.evaluate(async (tags) => (await window.axe.run(document, {
          runOnly: { type: 'tag', values: tags },
        })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), AXE_TAGS);
        expect(violations).toEqual([]);
      });
    });
  }
}

test.describe('Svolgimento on narrow screens', () => {
  test.use({ hasTouch: true, isMobile: true });

  // It comes under the form as a column; its button is a finger's target, its table's text as
  // large as the side fields' (the form's own checks hold them to what no phone zooms into), and
  // nothing scrolls sideways.
  test('reflows from 320 px with no sideways scroll', async ({ page }) => {
    for (const width of [320, 360, 412, 640, 1024]) {
      await page.setViewportSize({ width, height: 800 });
      await openWorking(page, '123456.5', '123456.25', '123456.75');
      const layout = await page.evaluate(() => {
        const viewport = document.documentElement.clientWidth;
        const outside = [...document.querySelectorAll('body *')]
          .filter((element) => element.getClientRects().length > 0)
          .filter((element) => {
            const box = element.getBoundingClientRect();
            return box.left < -0.5 || box.right > viewport + 0.5;
          }).map((element) => element.id || element.tagName);
        return { scrolls: document.documentElement.scrollWidth > viewport, outside };
      });
      expect(layout, `${width} px`).toEqual({ scrolls: false, outside: [] });
      const copy = await copyButton(page).boundingBox();
      expect(Math.min(copy.width, copy.height), `${width} px`)
        .toBeGreaterThanOrEqual(FORM.narrowLayout.touchTarget);
      const size = await workingTable(page).locator('td').first()
        .evaluate((cell) => parseFloat(getComputedStyle(cell).fontSize));
      expect(size).toBeGreaterThanOrEqual(SIDE_FIELDS[0].font.pixelSize);
    }
  });
});

test('Command2 opens Svolgimento by its caption, from the keyboard too', async ({ page }) => {
  await open(page);
  await calculateButton(page).focus();
  for (let i = 1; i < OPEN_WORKING.tabIndex; i++) await page.keyboard.press('Tab');
  await expect(openWorkingButton(page)).toBeFocused();
  await page.keyboard.press('Enter');
  await expect(workingWindow(page)).toBeVisible();
});
