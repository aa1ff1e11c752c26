// SPDX-License-Identifier: MIT
// The web edition as a person meets it, in a real browser: the same window, the same behaviour,
// the same digits as the desktop program, offline and accessible.
//
// ZIREV1_PAGE: the built zirev1.html; ZIREV1_WINDOW: the window's description (window.json);
// ZIREV1_CALC: zirev1-calc; ZIREV1_CORPUS: field texts, one triple per line;
// ZIREV1_SCREENSHOTS: where the screenshots go.

import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { expect, test } from '@playwright/test';

const PAGE = pathToFileURL(process.env.ZIREV1_PAGE).href;
const WINDOW = JSON.parse(readFileSync(process.env.ZIREV1_WINDOW, 'utf8'));
const RESULT_IDS = WINDOW.controls.filter((c) => c.accessibleDescription).map((c) => c.name);
const RESULTS_345 = ['36', '52', '12', '53', '7', '48', '89', '59', '60', '4.', '6.', '12.'];
const require = createRequire(import.meta.url);

async function open(page) {
  await page.goto(PAGE);
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
}

async function results(page) {
  return page.evaluate((ids) => ids.map((id) => document.getElementById(id).textContent),
    RESULT_IDS);
}

// Sets the three fields' texts (typed through the filter, so only the characters of a number).
async function enterSides(page, a, b, c) {
  for (const [name, text] of [['Lato a', a], ['Lato b', b], ['Lato c', c]]) {
    await page.getByRole('textbox', { name }).fill(text);
  }
}

test.describe('the window in the browser', () => {
  test.beforeEach(async ({ page }) => open(page));

  test('3, 4, 5 by the keyboard: focus on Calcolo, Tab through a, b, c, Space', async ({ page }) => {
    await expect(page.getByRole('button', { name: 'Calcolo' })).toBeFocused();
    for (const [side, name] of [['3', 'Lato a'], ['4', 'Lato b'], ['5', 'Lato c']]) {
      await page.keyboard.press('Tab');
      await expect(page.getByRole('textbox', { name })).toBeFocused();
      await page.keyboard.type(side);
    }
    for (let i = 0; i < 3; i++) await page.keyboard.press('Shift+Tab');
    await expect(page.getByRole('button', { name: 'Calcolo' })).toBeFocused();
    await page.keyboard.press('Space');
    expect(await results(page)).toEqual(RESULTS_345);
  });

  test('3, 4, 5 by the mouse', async ({ page }) => {
    for (const [id, side] of [['Text1', '3'], ['Text2', '4'], ['Text4', '5']]) {
      await page.locator(`#${id}`).click();
      await page.keyboard.type(side);
    }
    await page.locator('#Command1').click();
    expect(await results(page)).toEqual(RESULTS_345);
  });

  test('the filter drops what is no number, typed or committed; Ctrl+V does nothing',
    async ({ page }) => {
      const a = page.getByRole('textbox', { name: 'Lato a' });
      await a.click();
      await page.keyboard.type('3x,4 é');
      await expect(a).toHaveValue('34');
      await page.keyboard.press('Backspace');
      await page.keyboard.insertText('-1a.5β'); // as an input method commits it
      await expect(a).toHaveValue('3-1.5');
      await page.keyboard.press('Control+a');
      await page.keyboard.press('Control+v');
      await expect(a).toHaveValue('3-1.5');
    });

  test('an input method\'s composition is filtered when it is committed', async ({ page }) => {
    const a = page.getByRole('textbox', { name: 'Lato a' });
    await a.click();
    await page.keyboard.type('1');
    await a.evaluate((field) => {
      window.compositionsEnded = 0;
      field.addEventListener('compositionend', () => { window.compositionsEnded += 1; });
    });
    const session = await page.context().newCDPSession(page);
    await session.send('Input.imeSetComposition',
      { text: '２x5', selectionStart: 3, selectionEnd: 3 });
    await session.send('Input.insertText', { text: '2x5' }); // the commit
    await expect(a).toHaveValue('125');
    expect(await page.evaluate(() => window.compositionsEnded)).toBe(1);
  });

  test('a pasted text is kept as it is and read as the desktop reads it', async ({ page }) => {
    // A real paste through the browser's editing command, as the context menu does it.
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.evaluate(() => navigator.clipboard.writeText('2,9 cm'));
    const a = page.getByRole('textbox', { name: 'Lato a' });
    await a.focus();
    const session = await page.context().newCDPSession(page);
    await session.send('Input.dispatchKeyEvent', { type: 'keyDown', commands: ['paste'] });
    await expect(a).toHaveValue('2,9 cm');
    await page.getByRole('textbox', { name: 'Lato b' }).fill('3');
    await page.getByRole('textbox', { name: 'Lato c' }).fill('4');
    await page.locator('#Command1').click();
    expect((await results(page)).slice(9)).toEqual(['2.904738', '2.904738', '9.']);
  });

  test('Enter does not calculate; Space and a click do', async ({ page }) => {
    await enterSides(page, '3', '4', '5');
    await page.locator('#Command1').focus();
    await page.keyboard.press('Enter');
    expect(await results(page)).toEqual(Array(12).fill(''));
    await page.keyboard.press('Space');
    expect(await results(page)).toEqual(RESULTS_345);
  });

  test('sides that make no triangle change nothing', async ({ page }) => {
    await enterSides(page, '3', '4', '5');
    await page.locator('#Command1').click();
    for (const sides of [['1', '2', '3'], ['3', '0', '4'], ['', '', ''], ['-3', '4', '5']]) {
      await enterSides(page, ...sides);
      await page.locator('#Command1').click();
      expect(await results(page)).toEqual(RESULTS_345);
    }
  });

  test('a fault opens a modal box; the results stay and the page goes on', async ({ page }) => {
    await enterSides(page, '3', '4', '5');
    await page.locator('#Command1').click();
    const tiny = `0.${'0'.repeat(169)}1`;
    const faults = [
      ['9'.repeat(400), 'Overflow', WINDOW.faults.Overflow],
      [tiny, 'Divisione per zero', WINDOW.faults.DivisionByZero],
    ];
    for (const [side, name, explanation] of faults) {
      await enterSides(page, side, side, side);
      await page.locator('#Command1').click();
      const box = page.getByRole('dialog', { name: 'zirev1.' });
      await expect(box).toBeVisible();
      await expect(box).toContainText(name);
      await expect(box).toContainText(explanation);
      // Modal: the page behind takes no click.
      await page.locator('#Command1').click({ timeout: 1000, trial: true }).then(
        () => { throw new Error('the page behind the box took a click'); }, () => {});
      expect(await results(page)).toEqual(RESULTS_345);
      await box.getByRole('button', { name: 'OK' }).click();
      await expect(box).toBeHidden();
    }
    await enterSides(page, '2', '3', '4');
    await page.locator('#Command1').click();
    expect((await results(page))[11]).toBe('9.');
  });

  test('fields and results are named as on the desktop', async ({ page }) => {
    for (const name of ['Lato a', 'Lato b', 'Lato c']) {
      await expect(page.getByRole('textbox', { name })).toBeVisible();
    }
    for (const control of WINDOW.controls.filter((c) => c.accessibleDescription)) {
      await expect(page.locator(`#${control.name}`))
        .toHaveAccessibleDescription(control.accessibleDescription);
    }
    for (const control of WINDOW.controls.filter((c) => c.kind === 'picture')) {
      await expect(page.getByRole('img', { name: control.accessibleName })).toBeVisible();
    }
  });

  test('every control sits at its place in the window, in the same stacking order',
    async ({ page }) => {
      const form = await page.locator('#Form2').boundingBox();
      let below = 0;
      for (const control of WINDOW.controls) {
        const box = await page.locator(`#${control.name}`).boundingBox();
        expect(box.x - form.x, control.name).toBeCloseTo(control.left, 0);
        expect(box.y - form.y, control.name).toBeCloseTo(control.top, 0);
        if (!control.autoSize) {
          expect(box.width, control.name).toBeCloseTo(control.width, 0);
          expect(box.height, control.name).toBeCloseTo(control.height, 0);
        }
        const stack = Number(await page.locator(`#${control.name}`)
          .evaluate((e) => getComputedStyle(e).zIndex));
        expect(stack, control.name).toBeGreaterThan(below);
        below = stack;
      }
      // Two places straight from the window's layout table, in twips.
      const button = await page.locator('#Command1').boundingBox();
      expect([button.x - form.x, button.y - form.y]).toEqual([10080 / 15, 3360 / 15]);
      const field = await page.locator('#Text4').boundingBox();
      expect([field.x - form.x, field.y - form.y]).toEqual([1920 / 15, 5640 / 15]);
    });

  test('axe finds no accessibility violation, before and after a calculation', async ({ page }) => {
    await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
    const audit = async () => page.evaluate(async () => (await window.axe.run()).violations
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
    expect(await audit()).toEqual([]);
    await enterSides(page, '3', '4', '5');
    await page.locator('#Command1').click();
    expect(await audit()).toEqual([]);
    await enterSides(page, '9'.repeat(400), '1', '1');
    await page.locator('#Command1').click();
    expect(await audit()).toEqual([]);
  });

  test('a 10 MB paste, then Calcolo: handled well under a second', async ({ page }) => {
    const took = await page.evaluate(() => {
      const field = document.getElementById('Text1');
      field.value = `3${' '.repeat(10_000_000)}`;
      document.getElementById('Text2').value = '4';
      document.getElementById('Text4').value = '5';
      const start = performance.now();
      document.getElementById('Command1').click();
      return performance.now() - start;
    });
    expect(took).toBeLessThan(1000);
    expect(await results(page)).toEqual(RESULTS_345);
    test.info().annotations.push({ type: 'click with a 10 MB field', description: `${took} ms` });
  });
});

test('the page requests nothing beyond itself', async ({ page }) => {
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await open(page);
  await enterSides(page, '3', '4', '5');
  await page.locator('#Command1').click();
  expect(requests.filter((url) => !url.startsWith('data:'))).toEqual([PAGE]);
});

for (const [locale, separator] of [['it-IT', ','], ['en-US', '.']]) {
  test.describe(`in ${locale}`, () => {
    test.use({ locale });
    test(`measures use "${separator}", sides are still read with the point`, async ({ page }) => {
      await open(page);
      await enterSides(page, '3.0', '4', '5');
      await page.locator('#Command1').click();
      expect((await results(page)).slice(9)).toEqual(['4', '6', '12'].map((m) => m + separator));
    });
  });
}

// The same digits as the desktop program: a corpus of field texts through the page (fields set,
// Calcolo clicked, labels or the fault box read) and through zirev1-calc.
for (const [locale, environment] of [['en-US', 'C'], ['it-IT', 'it_IT.UTF-8']]) {
  test(`the page prints what zirev1-calc prints (${locale})`, async ({ page }) => {
    const lines = readFileSync(process.env.ZIREV1_CORPUS).toString('utf8').split('\n')
      // Texts a field can hold: no NUL, nothing that was not UTF-8.
      .filter((line) => line !== '' && !line.includes('\0') && !line.includes('\uFFFD'))
      .slice(0, 3000);
    const expected = execFileSync(process.env.ZIREV1_CALC, {
      input: `${lines.join('\n')}\n`, env: { ...process.env, LC_ALL: environment },
      maxBuffer: 1 << 28,
    }).toString('utf8').split('\n').slice(0, lines.length);
    const context = await page.context().browser().newContext({ locale });
    const localized = await context.newPage();
    await open(localized);
    const actual = await localized.evaluate(({ triples, ids }) => {
      const [a, b, c] = ['Text1', 'Text2', 'Text4'].map((id) => document.getElementById(id));
      const button = document.getElementById('Command1');
      const box = document.getElementById('faultBox');
      const labels = ids.map((id) => document.getElementById(id));
      return triples.map(([x, y, z]) => {
        labels.forEach((label) => { label.textContent = ''; });
        [a.value, b.value, c.value] = [x, y, z];
        button.click();
        if (box.open) {
          const name = document.getElementById('faultName').textContent;
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
      ids: RESULT_IDS,
    });
    await context.close();
    expect(actual.length).toBe(lines.length);
    const differing = actual.map((text, i) => [i, text]).filter(([i, text]) => text !== expected[i]);
    expect(differing.slice(0, 5).map(([i, text]) => `${lines[i]} -> ${text} / ${expected[i]}`))
      .toEqual([]);
  });
}

test('screenshots: the desktop size, 200 % zoom, and a phone', async ({ browser }) => {
  const out = process.env.ZIREV1_SCREENSHOTS;
  const shots = [
    ['web.png', { viewport: { width: 1280, height: 800 } }],
    ['web@2x.png', { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 2 }],
    ['web-phone.png', { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3,
      isMobile: true, hasTouch: true }],
  ];
  for (const [file, options] of shots) {
    const context = await browser.newContext({ ...options, locale: 'it-IT' });
    const page = await context.newPage();
    await open(page);
    await enterSides(page, '3', '4', '5');
    await page.locator('#Command1').click();
    if (file === 'web-phone.png') {
      // The whole form fits the phone's width, and stays usable there.
      const form = await page.locator('#Form2').boundingBox();
      expect(form.x).toBeGreaterThanOrEqual(0);
      expect(form.x + form.width).toBeLessThanOrEqual(390 + 0.5);
      expect((await results(page))[11]).toBe('12,');
    }
    await page.screenshot({ path: join(out, file), fullPage: true });
    await context.close();
  }
});
