// SPDX-License-Identifier: MIT
// What only the page can show, in a real browser: the same window as the description, the same
// digits as the desktop program, input methods and pastes, links, offline and accessible. How the
// form behaves is behaviour.test.mjs's.
//
// ZIREV1_PAGE: the built zirev1.html; ZIREV1_FORM: the form's description (form.json);
// ZIREV1_CALC: zirev1-calc; ZIREV1_CORPUS: field texts, one triple per line;
// ZIREV1_SCREENSHOTS: where the screenshots go; ZIREV1_RENDER_PICTURES, where the Qt window is
// built: zirev1_render_pictures, which draws the pictures through Qt's painter.
//
// Every fact about the form (names, places, order, texts) comes from form.json: moving a control
// in the description moves it on the page and here alike.

import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { devices, expect, test } from '@playwright/test';
import {
  CALCULATE, FORM, PAGE, PICTURES, RESULTS_345, SIDE_FIELDS, TAB_ORDER, calculateButton, calculateSides,
  calculated, faultBox, open, openWorkingButton, results, setSides, sideField,
} from './form_page.mjs';

const require = createRequire(import.meta.url);

test.describe('the window in the browser', () => {
  test.beforeEach(async ({ page }) => open(page));

  test('an input method\'s commit and composition are filtered as typing is', async ({ page }) => {
    const a = sideField(page, 0);
    await a.click();
    await page.keyboard.type('3');
    await page.keyboard.insertText('-1a.5β'); // as an input method commits it
    await expect(a).toHaveValue('3-1.5');
    await a.evaluate((field) => {
      window.compositionsEnded = 0;
      field.addEventListener('compositionend', () => { window.compositionsEnded += 1; });
    });
    const session = await page.context().newCDPSession(page);
    await session.send('Input.imeSetComposition',
      { text: '２x5', selectionStart: 3, selectionEnd: 3 });
    await session.send('Input.insertText', { text: '2x5' }); // the commit
    await expect(a).toHaveValue('3-1.525');
    expect(await page.evaluate(() => window.compositionsEnded)).toBe(1);
  });

  test('a pasted text is kept as it is and read as the desktop reads it', async ({ page }) => {
    // A real paste through the browser's editing command, as the context menu does it.
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.evaluate(() => navigator.clipboard.writeText('2,9 cm'));
    const a = sideField(page, 0);
    await a.focus();
    const session = await page.context().newCDPSession(page);
    await session.send('Input.dispatchKeyEvent', { type: 'keyDown', commands: ['paste'] });
    await expect(a).toHaveValue('2,9 cm');
    await setSides(page, '2,9 cm', '3', '4');
    await calculateButton(page).click();
    expect((await results(page)).join('\t')).toBe(calculated(['2,9 cm\t3\t4'])[0]);
  });

  // The page realizes the description: every control at its place and size, stacked and
  // tabbed in its order, with its caption and its accessible name. An autosized label takes its
  // text's size: as wide as the browser lays the caption out, which is the description's width
  // (the typeface's advances rounded up to a whole pixel) or at most one pixel less, and as high
  // as the description says or one pixel less (the browser rounds the ascent and the descent
  // each, the description their sum). An empty one shows nothing, until it holds a result.
  test('the page realizes every control of the description', async ({ page }) => {
    const form = await page.locator(`#${FORM.name}`).boundingBox();
    const boxes = new Map();
    const autosized = (control, box) => {
      expect(box.width, control.name).toBeLessThanOrEqual(control.width);
      expect(box.width, control.name).toBeGreaterThan(control.width - 1);
      expect(box.height, control.name).toBeLessThanOrEqual(control.height);
      expect(box.height, control.name).toBeGreaterThanOrEqual(control.height - 1);
    };
    for (const control of FORM.controls) {
      const element = page.locator(`#${control.name}`);
      const box = await element.boundingBox();
      boxes.set(control.name, box);
      expect(box.x - form.x, control.name).toBe(control.left);
      expect(box.y - form.y, control.name).toBe(control.top);
      if (!control.autoSize) {
        expect(box.width, control.name).toBe(control.width);
        expect(box.height, control.name).toBe(control.height);
      } else if (control.caption !== '') {
        autosized(control, box);
      } else {
        expect(box.width, control.name).toBe(0);
      }
      if (control.kind !== 'picture') {
        const style = await element.evaluate((e) => {
          const computed = getComputedStyle(e);
          return { color: computed.color, fontSize: computed.fontSize };
        });
        const [r, g, b] = [1, 3, 5].map((at) => parseInt(control.colour.slice(at, at + 2), 16));
        expect(style, control.name).toEqual({ color: `rgb(${r}, ${g}, ${b})`,
          fontSize: `${control.font.pixelSize}px` });
      }
      if (control.kind === 'label' || control.kind === 'button') {
        expect(await element.textContent(), control.name).toBe(control.caption);
      }
    }

    // By role and name, as a screen reader finds them.
    for (const control of FORM.controls) {
      const byRole = {
        field: ['textbox', control.accessibleName],
        button: ['button', control.accessibleName || control.caption],
        picture: ['img', control.accessibleName],
        label: control.role === 'heading' ? ['heading', control.caption] : null,
      }[control.kind];
      if (byRole) {
        await expect(page.getByRole(byRole[0], { name: byRole[1], exact: true }), control.name)
          .toHaveId(control.name);
      } else if (control.accessibleDescription) {
        await expect(page.locator(`#${control.name}`))
          .toHaveAccessibleDescription(control.accessibleDescription);
      }
    }

    // Stacking: z-index rises in the description's order, and where two controls overlap, the
    // one later in it is the one on top (unless a later one still covers the spot).
    const stack = await page.evaluate((names) => names.map((name) =>
      Number(getComputedStyle(document.getElementById(name)).zIndex)),
    FORM.controls.map((c) => c.name));
    for (let i = 1; i < stack.length; i++) {
      expect(stack[i], FORM.controls[i].name).toBeGreaterThan(stack[i - 1]);
    }
    const covers = (box, x, y) =>
      x > box.x && x < box.x + box.width && y > box.y && y < box.y + box.height;
    const spots = [];
    FORM.controls.forEach((lower, i) => FORM.controls.slice(i + 1).forEach((upper) => {
      const [a, b] = [boxes.get(lower.name), boxes.get(upper.name)];
      const left = Math.max(a.x, b.x);
      const right = Math.min(a.x + a.width, b.x + b.width);
      const top = Math.max(a.y, b.y);
      const bottom = Math.min(a.y + a.height, b.y + b.height);
      if (left < right && top < bottom) {
        const [x, y] = [(left + right) / 2, (top + bottom) / 2];
        const expected = FORM.controls.findLast((c) => covers(boxes.get(c.name), x, y)).name;
        spots.push({ x, y, expected, pair: `${lower.name} under ${upper.name}` });
      }
    }));
    expect(spots.length).toBeGreaterThan(0);
    const onTop = await page.evaluate(({ spots, formId }) => spots.map(({ x, y }) =>
      document.elementFromPoint(x, y).closest(`#${formId} .group > *`)?.id), { spots, formId: FORM.name });
    expect(onTop).toEqual(spots.map((s) => s.expected));

    // Tab walks the focusable controls by their tab index, and Shift+Tab back.
    await expect(page.locator(`#${TAB_ORDER[0].name}`)).toBeFocused();
    for (const control of TAB_ORDER.slice(1)) {
      await page.keyboard.press('Tab');
      await expect(page.locator(`#${control.name}`)).toBeFocused();
    }
    for (const control of TAB_ORDER.slice(0, -1).reverse()) {
      await page.keyboard.press('Shift+Tab');
      await expect(page.locator(`#${control.name}`)).toBeFocused();
    }

    // The result labels, once they hold a text, are as high as the description's empty ones.
    await calculateSides(page, '3', '4', '5');
    for (const control of FORM.controls.filter((c) => c.accessibleDescription)) {
      const box = await page.locator(`#${control.name}`).boundingBox();
      expect([box.x - form.x, box.y - form.y], control.name).toEqual([control.left, control.top]);
      expect(box.height, control.name).toBeLessThanOrEqual(control.height);
      expect(box.height, control.name).toBeGreaterThanOrEqual(control.height - 1);
    }
  });

  test('axe finds no accessibility violation, before and after a calculation', async ({ page }) => {
    await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
    const audit = async () => page.evaluate(async () => (await window.axe.run()).violations
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
    expect(await audit()).toEqual([]);
    await calculateSides(page, '3', '4', '5');
    expect(await audit()).toEqual([]);
    await calculateSides(page, '9'.repeat(400), '1', '1');
    expect(await audit()).toEqual([]);
  });

  test('a screen reader hears the results once, as one sentence, and the fault box whole',
    async ({ page }) => {
      // State: a fresh page. Action: 3, 4, 5 calculated. Expected: the status region holds the
      // sentence, each text after its part. Then a fault: the box is named and described by its
      // texts, and the region is empty, so that nothing old is said when the box closes.
      const region = page.getByRole('status');
      await expect(region).toHaveText('');
      await calculateSides(page, '3', '4', '5');
      await expect(region).toHaveText(FORM.spokenResults
        .map((part, i) => part + (RESULTS_345[i] ?? '')).join(''));
      await calculateSides(page, '9'.repeat(400), '4', '5');
      const overflow = FORM.faults.find((fault) => fault.name === 'Overflow');
      await expect(faultBox(page))
        .toHaveAccessibleDescription(`${overflow.name} ${overflow.explanation}`);
      await expect(region).toHaveText('');
    });

  // How long it takes is reported, not asserted: timings belong to the benchmarks.
  test('a 10 MB paste, then Calcolo: the results of 3, 4, 5', async ({ page }) => {
    const took = await page.evaluate(({ fields, buttonId }) => {
      const [a, b, c] = fields.map((id) => document.getElementById(id));
      a.value = `3${' '.repeat(10_000_000)}`;
      b.value = '4';
      c.value = '5';
      const start = performance.now();
      document.getElementById(buttonId).click();
      return performance.now() - start;
    }, { fields: SIDE_FIELDS.map((c) => c.name), buttonId: CALCULATE.name });
    expect(await results(page)).toEqual(RESULTS_345);
    test.info().annotations.push({ type: 'click with a 10 MB field', description: `${took} ms` });
  });
});

test('the page requests nothing beyond itself', async ({ page }) => {
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await open(page);
  await calculateSides(page, '3', '4', '5');
  expect(requests.filter((url) => !url.startsWith('data:'))).toEqual([PAGE]);
  // Its tab's icon too is inside it.
  const icon = await page.locator('link[rel="icon"]').getAttribute('href');
  expect(icon).toMatch(/^data:image\/svg\+xml;base64,/);
  expect(await page.evaluate(async (url) => (await fetch(url)).ok, icon)).toBe(true);
});

// Browsers older than Uint8Array.fromBase64 decode the module and the typeface through a binary
// string: the same digits, and the caption of the widest label as wide as in the typeface.
test('a browser without a base64 decoder of its own gets the same page', async ({ page }) => {
  await page.addInitScript(() => { delete Uint8Array.fromBase64; });
  await open(page);
  expect(await page.evaluate(() => typeof Uint8Array.fromBase64)).toBe('undefined');
  await calculateSides(page, '3', '4', '5');
  expect(await results(page)).toEqual(RESULTS_345);
  const heading = FORM.controls.find((c) => c.role === 'heading');
  const box = await page.locator(`#${heading.name}`).boundingBox();
  expect(box.width).toBeGreaterThan(heading.width - 1);
  expect(box.width).toBeLessThanOrEqual(heading.width);
});

// The Italian captions, the Greek letters and the fault texts are escaped, and shown as they
// are (the tests above compare them), so that the browser holds the page one byte a character.
test('the page is written in ASCII', () => {
  const bytes = readFileSync(process.env.ZIREV1_PAGE);
  expect(bytes.findIndex((byte) => byte > 0x7f)).toBe(-1);
});

// A committed or composed comma is the decimal point where the language's separator is the comma,
// as a typed one is; where it is the point, it more likely groups thousands ("1,250") and is
// dropped.
for (const [locale, comma] of [['it-IT', true], ['en-US', false]]) {
  test.describe(`a typed comma in ${locale}`, () => {
    test.use({ locale });
    test.beforeEach(async ({ page }) => open(page));

    test('a commit, a composition and a paste of a comma', async ({ page }) => {
      const a = sideField(page, 0);
      await a.click();
      await page.keyboard.insertText('1,250'); // as an input method commits it
      await expect(a).toHaveValue(comma ? '1.250' : '1250');
      await a.fill('3');
      const session = await page.context().newCDPSession(page);
      await session.send('Input.imeSetComposition', { text: '，5', selectionStart: 2, selectionEnd: 2 });
      await session.send('Input.insertText', { text: ',5' });
      await expect(a).toHaveValue(comma ? '3.5' : '35');
      // Pasted text is not typed: it keeps its comma, and the side is read up to it.
      await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
      await page.evaluate(() => navigator.clipboard.writeText('2,9'));
      await a.fill('');
      await session.send('Input.dispatchKeyEvent', { type: 'keyDown', commands: ['paste'] });
      await expect(a).toHaveValue('2,9');
    });
  });
}

// A link to the triangle on the screen: the sides in the address's fragment.
test.describe('a link to the triangle', () => {
  async function openLink(page, fragment) {
    await page.goto('about:blank'); // the page itself, not only its fragment, is opened anew
    await page.goto(`${PAGE}#${fragment}`);
    await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
  }
  const fieldTexts = async (page) =>
    Promise.all(SIDE_FIELDS.map((_, i) => sideField(page, i).inputValue()));
  const hash = (page) => new URL(page.url()).hash;

  test('the round trip: the fragment holds the sides, opened it shows them', async ({ page }) => {
    await open(page);
    expect(hash(page)).toBe('');
    await calculateSides(page, '3', '4', '5');
    // The address follows once the page is idle.
    await expect.poll(() => hash(page)).toBe('#a=3&b=4&c=5');
    // No results, no new fragment.
    await calculateSides(page, '1', '2', '3');
    expect(hash(page)).toBe('#a=3&b=4&c=5');
    // Texts a link must escape, put in as a paste puts them.
    const sides = ['2,9 cm', '3 & c=9', '4#%é'];
    const shown = await calculateSides(page, ...sides);
    expect(shown.slice(9)).toEqual(['2.904738', '2.904738', '9.']);
    await expect.poll(() => hash(page)).toBe(`#${sides.map((t, i) =>
      `${'abc'[i]}=${encodeURIComponent(t)}`).join('&')}`);
    const link = page.url();
    const opened = await page.context().newPage();
    await opened.goto(link);
    await expect(opened.locator('html')).toHaveAttribute('data-ready', 'true');
    expect(await fieldTexts(opened)).toEqual(sides);
    expect(await results(opened)).toEqual(shown);
    await expect(calculateButton(opened)).toBeFocused();
  });

  // A paste or a script can leave half of a surrogate pair in a field, which no URL can carry.
  test('a field holding half a surrogate pair still gets its link', async ({ page }) => {
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await open(page);
    expect(await calculateSides(page, '3\uD800', '4', '5\uDC00')).toEqual(RESULTS_345);
    expect(errors).toEqual([]);
    await expect.poll(() => hash(page)).toBe('#a=3%EF%BF%BD&b=4&c=5%EF%BF%BD');
    await openLink(page, hash(page).slice(1));
    expect(await fieldTexts(page)).toEqual(['3\uFFFD', '4', '5\uFFFD']);
    expect(await results(page)).toEqual(RESULTS_345);
  });

  test('a link opened with sides shows their results, once', async ({ page }) => {
    // Counts the results written, from before the page's own script runs.
    await page.addInitScript(() => {
      window.calculations = 0;
      new MutationObserver((records) => {
        window.calculations += records
          .filter((record) => record.target.classList?.contains('result')).length;
      }).observe(document, { childList: true, subtree: true });
    });
    await openLink(page, 'a=2&b=3&c=4');
    expect(await fieldTexts(page)).toEqual(['2', '3', '4']);
    expect((await results(page))[11]).toBe('9.');
    expect(await page.evaluate(() => window.calculations)).toBe(FORM.resultLabels.length);
    // A link followed in the page's own tab changes only the fragment.
    await page.evaluate(() => { location.hash = 'a=3&b=4&c=5'; });
    await expect(sideField(page, 2)).toHaveValue('5');
    expect(await results(page)).toEqual(RESULTS_345);
    // A fragment that names no side is no link.
    await openLink(page, 'top');
    expect(await fieldTexts(page)).toEqual(['', '', '']);
    expect(await results(page)).toEqual(Array(12).fill(''));
  });

  test('hostile fragments inject nothing, raise no dialog, leave the page working',
    async ({ page }) => {
      const dialogs = [];
      page.on('dialog', async (dialog) => {
        dialogs.push(dialog.message());
        await dialog.dismiss();
      });
      await open(page);
      // Svolgimento's table and drawing are written once the page is idle, after a triangle:
      // they are left out of the count, and the table's cells, which show the side texts too,
      // must hold text alone.
      const elements = () => page.evaluate(() => new Promise((idle) => requestIdleCallback(idle,
        { timeout: 1000 }))
        .then(() => [...document.getElementsByTagName('*')]
          .filter((element) => !element.closest('dialog tbody, dialog svg')).length +
          document.querySelectorAll('dialog tbody :is(th, td) *').length));
      const clean = await elements();
      const markup = '<img src=x onerror=alert(1)>';
      const cases = [
        [`a=${markup}&b=4&c=5`, [markup, '4', '5']],
        ['a=%3Cscript%3Ealert(2)%3C%2Fscript%3E&b=%22%3E%3Csvg%20onload%3Dalert(3)%3E&c=5',
          ['<script>alert(2)</script>', '"><svg onload=alert(3)>', '5']],
        [`<img src=x onerror=alert(4)>=1&a=3&b=4&c=5`, ['3', '4', '5']],
        ['a=%E0%A4%A&b=4&c=5', ['', '4', '5']],
        ['a=%&b=%ZZ4&c=5%', ['', '', '']],
        ['a=3&a=7&b=4&b=8&c=5&c=9', ['3', '4', '5']], // the first of a key decides
        ['a=%E0%A4%A&a=3&b=4&c=5', ['', '4', '5']], // even when it is malformed
        ['a&b=4=4&c==5', ['', '4=4', '=5']],
      ];
      for (const [fragment, sides] of cases) {
        await openLink(page, fragment);
        expect(await fieldTexts(page), fragment).toEqual(sides);
        expect(await elements(), fragment).toBe(clean);
        expect(await page.locator('img, script:not([type="module"])').count(), fragment).toBe(0);
        await calculateSides(page, '3', '4', '5');
        expect(await results(page), fragment).toEqual(RESULTS_345);
      }
      expect(dialogs).toEqual([]);
    });

  // Chromium opens no address over 2 MB, but a page's own script can set a longer fragment.
  test('a 10 MB fragment: only its first 4096 characters are read', async ({ page }) => {
    await open(page);
    await page.evaluate(() => { location.hash = `a=3&b=4&c=5&${'x'.repeat(10_000_000)}`; });
    await expect(sideField(page, 2)).toHaveValue('5');
    expect(await results(page)).toEqual(RESULTS_345);
    await expect.poll(() => hash(page)).toBe('#a=3&b=4&c=5');
    await page.evaluate(() => {
      location.hash = `a=6&b=8&${'x'.repeat(4096)}&c=10&${'y'.repeat(10_000_000)}`;
    });
    await expect(sideField(page, 0)).toHaveValue('6');
    expect(await fieldTexts(page)).toEqual(['6', '8', '']);
    expect(await results(page)).toEqual(RESULTS_345);
    await calculateSides(page, '6', '8', '10');
    expect((await results(page)).slice(9)).toEqual(['8.', '24.', '24.']);
  });
});

// The same digits as the desktop program: a corpus of field texts through the page (fields set,
// Calcolo clicked, labels or the fault box read) and through zirev1-calc.
for (const [locale, environment] of [['en-US', 'C'], ['it-IT', 'it_IT.UTF-8']]) {
  test(`the page prints what zirev1-calc prints (${locale})`, async ({ page }) => {
    const lines = readFileSync(process.env.ZIREV1_CORPUS).toString('utf8').split('\n')
      // Texts a field can hold: no NUL, nothing that was not UTF-8.
      .filter((line) => line !== '' && !line.includes('\0') && !line.includes('\uFFFD'))
      .slice(0, 3000);
    const expected = calculated(lines, environment);
    const context = await page.context().browser().newContext({ locale });
    const localized = await context.newPage();
    await open(localized);
    const actual = await localized.evaluate(({ triples, ids, fields, buttonId, boxIds }) => {
      const [a, b, c] = fields.map((id) => document.getElementById(id));
      const button = document.getElementById(buttonId);
      const box = document.getElementById(boxIds.box);
      const labels = ids.map((id) => document.getElementById(id));
      return triples.map(([x, y, z]) => {
        labels.forEach((label) => { label.textContent = ''; });
        [a.value, b.value, c.value] = [x, y, z];
        button.click();
        if (box.open) {
          const name = document.getElementById(boxIds.name).textContent;
          box.close();
          return name;
        }
        const texts = labels.map((label) => label.textContent);
        return texts.every((t) => t === '') ? '' : texts.join('\t');
      });
    }, {
      triples: lines.map((line) => {
        const [x, y, ...rest] = line.split('\t');
        return [x, y ?? '', rest.join('\t')];
      }),
      ids: FORM.resultLabels,
      fields: SIDE_FIELDS.map((c) => c.name),
      buttonId: CALCULATE.name,
      boxIds: FORM.faultBox.ids,
    });
    await context.close();
    expect(actual.length).toBe(lines.length);
    const differing = actual.map((text, i) => [i, text]).filter(([i, text]) => text !== expected[i]);
    expect(differing.slice(0, 5).map(([i, text]) => `${lines[i]} -> ${text} / ${expected[i]}`))
      .toEqual([]);
  });
}

test('screenshots: the desktop size, 200 % zoom, a phone, and 3,5 typed on an Italian phone',
  async ({ browser }) => {
    const out = process.env.ZIREV1_SCREENSHOTS;
    const { defaultBrowserType, ...pixel7 } = devices['Pixel 7'];
    const desktop = { viewport: { width: 1280, height: 800 } };
    const shots = [
      ['web.png', desktop, ['3', '4', '5']],
      ['web@2x.png', { ...desktop, deviceScaleFactor: 2 }, ['3', '4', '5']],
      ['web-phone.png', pixel7, ['3', '4', '5']],
      ['web-phone-it.png', pixel7, ['3,5', '4', '5']],
      ['web-message.png', desktop, ['3', '4', '9']],
      ['web-svolgimento.png', desktop, ['3', '4', '5'], true],
      ['web-phone-svolgimento.png', pixel7, ['3', '4', '5'], true],
    ];
    for (const [file, options, sides, working] of shots) {
      const context = await browser.newContext({ ...options, locale: 'it-IT' });
      const page = await context.newPage();
      await open(page);
      for (const [index, text] of sides.entries()) {
        await sideField(page, index).click();
        await page.keyboard.type(text);
      }
      await calculateButton(page).click();
      if (working) await openWorkingButton(page).click();
      // On a phone Svolgimento is a long column under the form: the screen as it opens it, at its
      // heading.
      await page.screenshot({ path: join(out, file), fullPage: !(working && options.isMobile) });
      await context.close();
    }
  });

// The two drawings of each picture, Qt's painter and the browser's SVG, must agree up to
// antialiasing. Both are taken at scale 1 on white and compared pixel by pixel, by the largest
// difference of the three channels (0-255):
// - every ink pixel (at least INK from white) of either has, within one pixel in the other, a
//   pixel no more than NEAR from it: text and lines stand at the same places in both;
// - at most FAR_SHARE of all pixels differ by more than FAR where they stand: the pictures do not
//   differ in a way the neighbourhood test forgives everywhere at once.
// The two rasterizers smooth edges and hint glyphs differently, which moves an edge by less than
// a pixel: that passes. A line or a text moved by 3 pixels, or left out, leaves ink pixels with
// nothing near them in the other picture, and fails.
const PICTURE_TOLERANCE = { INK: 128, NEAR: 128, FAR: 64, FAR_SHARE: 0.02 };

test.describe('the pictures', () => {
  test.use({ deviceScaleFactor: 1 });

  test('Qt\'s painter and the page\'s SVG draw each picture alike', async ({ page }) => {
    const renderer = process.env.ZIREV1_RENDER_PICTURES;
    test.skip(!renderer, 'ZIREV1_RENDER_PICTURES is unset: this build has no Qt window, so ' +
      'there is no second drawing of the pictures to hold the page\'s against');
    const qtDir = mkdtempSync(join(tmpdir(), 'zirev1-pictures-'));
    try {
      execFileSync(renderer, [qtDir], { env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } });
      await open(page);
      for (const picture of PICTURES) {
        // The picture alone, on white: nothing the form puts under or over it shows.
        await page.evaluate(({ formId, name }) => {
          for (const element of document.querySelectorAll(`#${formId} .group > *`)) {
            element.style.visibility = element.id === name ? 'visible' : 'hidden';
          }
          document.getElementById(name).style.background = '#fff';
        }, { formId: FORM.name, name: picture.name });
        const browser = await page.locator(`#${picture.name}`).screenshot();
        const qt = readFileSync(join(qtDir, `${picture.name}.png`));
        const stats = await page.evaluate(comparePictures, {
          pngs: [qt, browser].map((png) => `data:image/png;base64,${png.toString('base64')}`),
          tolerance: PICTURE_TOLERANCE,
        });
        test.info().annotations.push({ type: picture.name, description: JSON.stringify(stats) });
        expect(stats.sizes, picture.name).toEqual([[picture.width, picture.height],
          [picture.width, picture.height]]);
        expect(stats.ink.every((count) => count > 0), picture.name).toBe(true);
        expect(stats.unmatched, `${picture.name}: ink pixels of Qt's and of the SVG's drawing ` +
          'with nothing like them within a pixel in the other').toEqual([0, 0]);
        expect(stats.farShare, picture.name).toBeLessThanOrEqual(PICTURE_TOLERANCE.FAR_SHARE);
      }
    } finally {
      rmSync(qtDir, { recursive: true, force: true });
    }
  });
});

// Runs in the page: decodes two PNGs (data: URLs) and measures how they differ (see above).
async function comparePictures({ pngs, tolerance }) {
  const { INK, NEAR, FAR } = tolerance;
  const decoded = await Promise.all(pngs.map(async (url) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = new OffscreenCanvas(image.naturalWidth, image.naturalHeight);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    return context.getImageData(0, 0, canvas.width, canvas.height);
  }));
  const sizes = decoded.map((d) => [d.width, d.height]);
  if (sizes[0][0] !== sizes[1][0] || sizes[0][1] !== sizes[1][1]) {
    return { sizes };
  }
  const { width, height } = decoded[0];
  const distance = (a, i, b, j) => Math.max(Math.abs(a[i] - b[j]), Math.abs(a[i + 1] - b[j + 1]),
    Math.abs(a[i + 2] - b[j + 2]));
  const white = new Uint8ClampedArray([255, 255, 255, 255]);
  const unmatchedIn = (a, b) => {
    let ink = 0;
    let unmatched = 0;
    let worst = 0;
    for (let y = 0; y < height; y++) {
      for (let x = 0; x < width; x++) {
        const i = (y * width + x) * 4;
        if (distance(a, i, white, 0) < INK) continue;
        ink++;
        let nearest = 255;
        for (let dy = -1; dy <= 1; dy++) {
          for (let dx = -1; dx <= 1; dx++) {
            const [u, v] = [x + dx, y + dy];
            if (u >= 0 && u < width && v >= 0 && v < height) {
              nearest = Math.min(nearest, distance(a, i, b, (v * width + u) * 4));
            }
          }
        }
        worst = Math.max(worst, nearest);
        if (nearest > NEAR) unmatched++;
      }
    }
    return { ink, unmatched, worst };
  };
  const [qt, svg] = decoded.map((d) => d.data);
  const there = [unmatchedIn(qt, svg), unmatchedIn(svg, qt)];
  let far = 0;
  for (let i = 0; i < qt.length; i += 4) {
    if (distance(qt, i, svg, i) > FAR) far++;
  }
  return {
    sizes,
    ink: there.map((t) => t.ink),
    unmatched: there.map((t) => t.unmatched),
    worstNearest: there.map((t) => t.worst),
    farShare: far / (width * height),
  };
}
