// SPDX-License-Identifier: MIT
// The page printed: Chromium's PDF of it, in print media, is one A4 page that holds the heading,
// the sides, the twelve results and every value of the working (pdftotext reads it back), in
// both locales; rasterized, it is the Qt window's PDF of the same sheet up to antialiasing; a
// needle and a side of 4,000 characters still give one page, their cut shown.
//
// ZIREV1_PAGE, ZIREV1_FORM and ZIREV1_CALC as form_page.mjs reads them; ZIREV1_SCREENSHOTS, when
// set, is where the sheet of 7, 8, 9 goes as sheet-web.pdf. ZIREV1_RENDER_PICTURES writes the Qt
// window's sheet, and ZIREV1_PICTURE_MATCH holds two rasterized sheets against each other; where
// either is unset, the sheets are not compared.

import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { expect, test } from '@playwright/test';
import { calculateSides, open } from './form_page.mjs';

// Compatibility forms as one character each (the PDF sets "fi" as its ligature), and no blanks:
// pdftotext sets them by the glyphs' places.
const plain = (text) => text.normalize('NFKC').replace(/\s/g, '');

// The sheet bears the day it is printed: one day for the page and for the Qt window's sheet.
const PRINTED_ON = new Date('2026-12-09T12:00:00');
const PRINTED_ON_TEXT = '9 dicembre 2026';

const LOCALES = [{ locale: 'en-US', separator: '.' }, { locale: 'it-IT', separator: ',' }];

async function printed(page, sides) {
  await page.clock.setFixedTime(PRINTED_ON);
  await open(page);
  await calculateSides(page, ...sides);
  const outcome = await page.evaluate(() => document.documentElement.dataset.ready);
  expect(outcome).toBe('true');
  await page.getByRole('button', { name: 'Svolgimento' }).click();
  await page.evaluate(() => { window.print = () => {}; });
  await page.getByRole('button', { name: 'Stampa' }).click();
  await page.emulateMedia({ media: 'print' });
  const pdf = await page.pdf({ preferCSSPageSize: true, printBackground: true });
  const file = join(mkdtempSync(join(tmpdir(), 'zirev1-sheet-')), 'sheet.pdf');
  writeFileSync(file, pdf);
  return {
    file,
    text: plain(execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' })),
    info: execFileSync('pdfinfo', [file], { encoding: 'utf8' }),
  };
}

// The working's rows as the page shows them in Svolgimento's table.
async function workingRows(page) {
  return page.evaluate(() => [...document.querySelectorAll('dialog table tbody tr')]
    .map((row) => [...row.cells].map((cell) => cell.textContent).join('')));
}

function onePageOfA4(info) {
  return /Pages:\s+1\n/.test(info) && /Page size:.*\(A4\)/.test(info);
}

// The sheet as the Qt window writes it and the page's, both rasterized at 96 dpi, as the pictures
// are compared: what picture_match measured, or nothing where there is no Qt window to compare.
function qtSheetMatch(pageSheet, sides, separator) {
  const [renderer, match] = [process.env.ZIREV1_RENDER_PICTURES, process.env.ZIREV1_PICTURE_MATCH];
  if (!renderer || !match) return null;
  const folder = mkdtempSync(join(tmpdir(), 'zirev1-sheets-'));
  try {
    const qtSheet = join(folder, 'qt.pdf');
    execFileSync(renderer, ['--sheet', ...sides, separator, PRINTED_ON_TEXT, qtSheet],
      { env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } });
    for (const [pdf, name] of [[qtSheet, 'qt'], [pageSheet, 'page']]) {
      execFileSync('pdftoppm', ['-r', '96', '-singlefile', pdf, join(folder, name)]);
    }
    try {
      return { agrees: true, measured: execFileSync(match, ['qt.ppm', 'page.ppm'],
        { cwd: folder, encoding: 'utf8' }) };
    } catch (failure) {
      return { agrees: false, measured: `${failure.stdout}${failure.stderr}` };
    }
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

for (const { locale, separator } of LOCALES) {
  test.describe(`printed in ${locale}`, () => {
    test.use({ locale });
    for (const sides of [['3', '4', '5'], ['7', '8', '9']]) {
      test(`the sheet of ${sides.join(', ')} is one A4 page holding every value, as the Qt ` +
        'window prints it', async ({ page }) => {
        const sheet = await printed(page, sides);
        expect(onePageOfA4(sheet.info), sheet.info).toBe(true);
        expect(sheet.text).toContain('Suitriangoliqualunque');
        expect(sheet.text).toContain(plain(PRINTED_ON_TEXT));
        expect(sheet.text).toContain(`a=${sides[0]}`);
        const results = await page.evaluate(() => [...document.querySelectorAll('.result')]
          .map((label) => label.textContent));
        for (const result of results) expect(sheet.text).toContain(plain(result));
        const rows = await workingRows(page);
        expect(rows.some((row) => row.includes(separator))).toBe(true);
        for (const row of rows) expect(sheet.text).toContain(plain(row));
        const match = qtSheetMatch(sheet.file, sides, separator);
        if (match) {
          test.info().annotations.push({ type: 'Qt\'s sheet', description: match.measured });
          expect(match.agrees, `the Qt window's sheet and the page's: ${match.measured}`)
            .toBe(true);
        }
        if (process.env.ZIREV1_SCREENSHOTS && sides[0] === '7' && locale === 'en-US') {
          execFileSync('cp', [sheet.file, join(process.env.ZIREV1_SCREENSHOTS, 'sheet-web.pdf')]);
        }
      });
    }
  });
}

test('a needle and a side of 4,000 characters still print one page', async ({ page }) => {
  const needle = await printed(page, ['1', '0.5000001', '0.5000001']);
  expect(onePageOfA4(needle.info), needle.info).toBe(true);
  expect(needle.text).toContain('ottusangolo');
  const zeros = '0'.repeat(3998);
  const long = await printed(page, [`3.${zeros}`, `4.${zeros}`, `5.${zeros}`]);
  expect(onePageOfA4(long.info), long.info).toBe(true);
  expect(long.text).toContain('a=3.000');
  expect(long.text).toContain(plain('0…'));
});
