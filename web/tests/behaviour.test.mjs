// SPDX-License-Identifier: MIT
// The form's behaviour, as every front end follows it, run in the page: each scenario of
// behaviour.json is a test, in a language whose decimal separator is the point (en-US) and in one
// where it is the comma (it-IT).
//
// ZIREV1_BEHAVIOUR: behaviour.json; ZIREV1_PAGE and ZIREV1_FORM as form_page.mjs reads them.

import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { expect, test } from '@playwright/test';
import {
  CONDITIONS, FORM, MESSAGE, RESULT_LABELS, calculateButton, copyButton, open, openWorkingButton,
  results, sideField, workingTable,
} from './form_page.mjs';

const BEHAVIOUR = JSON.parse(readFileSync(process.env.ZIREV1_BEHAVIOUR, 'utf8'));
const DEVIATIONS = new Map(BEHAVIOUR.knownDeviations
  .filter((deviation) => deviation.frontEnd === 'page')
  .map((deviation) => [deviation.scenario, deviation.reason]));
const LOCALES = [
  { locale: 'en-US', separator: '.', holds: ['any', 'point'] },
  { locale: 'it-IT', separator: ',', holds: ['any', 'comma'] },
];
const FIELD_INDEX = { a: 0, b: 1, c: 2 };
// The behaviour's key names as Playwright presses them.
const KEYS = {
  Enter: 'Enter', Space: 'Space', Tab: 'Tab', 'Shift+Tab': 'Shift+Tab', Backspace: 'Backspace',
  Escape: 'Escape', 'Ctrl+V': 'Control+v',
};
const PASTED = '77';

const BUTTONS = { calculate: calculateButton, working: openWorkingButton, copy: copyButton };
function control(page, target) {
  return BUTTONS[target]?.(page) ?? sideField(page, FIELD_INDEX[target]);
}
// A "." of a worked value stands for the decimal separator.
const localized = (text, state) => text.replaceAll('.', state.separator);

// What a drawing shows, element by element: its kind, ink and text.
const drawnShapes = (svg) => [...svg.querySelectorAll('*')].map((element) =>
  [element.tagName, element.getAttribute('fill'), element.getAttribute('stroke'),
    element.children.length === 0 ? element.textContent : ''].join(' '));

const faultOpen = (page) => page.evaluate(() => document.querySelectorAll('dialog[open]').length > 0);

// Whether any control of the form can take the focus: behind a modal box none can.
const formTakesFocus = (page) => page.evaluate((ids) => ids.some((id) => {
  const element = document.getElementById(id);
  element.focus();
  return document.activeElement === element;
}), FORM.controls.filter((c) => c.tabIndex > 0).map((c) => c.name));

// Each act of form2_behaviour.h, on the page; `state` keeps the results before the last click.
const ACTS = {
  async set(page, step) {
    await control(page, step.target).evaluate((field, text) => { field.value = text; }, step.text);
  },
  async type(page, step) {
    const field = control(page, step.target);
    await field.focus();
    await field.evaluate((element) => {
      element.setSelectionRange(element.value.length, element.value.length);
    });
    await page.keyboard.type(step.text);
  },
  async press(page, step) {
    await page.keyboard.press(KEYS[step.text]);
  },
  async click(page, step, state) {
    state.beforeClick = await results(page);
    // Behind a modal box only a script's click reaches the button.
    if (await faultOpen(page)) await control(page, step.target).evaluate((button) => button.click());
    else await control(page, step.target).click();
  },
  async results(page, step, state) {
    const expected = step.text === '' ? RESULT_LABELS.map(() => '')
      : step.text.split(' ').map((text) => text.replaceAll('.', state.separator));
    expect(await results(page)).toEqual(expected);
  },
  async unchanged(page, step, state) {
    expect(await results(page)).toEqual(state.beforeClick);
  },
  async resultsApart(page) {
    const boxes = await Promise.all(RESULT_LABELS.map((label) =>
      page.locator(`#${label.name}`).boundingBox()));
    const disjoint = (p, q) => p.x + p.width <= q.x || q.x + q.width <= p.x ||
      p.y + p.height <= q.y || q.y + q.height <= p.y;
    boxes.forEach((box, i) => {
      expect(box.width * box.height, RESULT_LABELS[i].name).toBeGreaterThan(0);
      boxes.slice(i + 1).forEach((other, j) => expect(disjoint(box, other),
        `${RESULT_LABELS[i].name} and ${RESULT_LABELS[i + 1 + j].name}`).toBe(true));
    });
  },
  async fault(page, step) {
    const { explanation } = FORM.faults.find((fault) => fault.name === step.text);
    await expect(page.getByRole('alertdialog')).toHaveCount(1);
    const box = page.getByRole('alertdialog', { name: await page.title(), exact: true });
    await expect(box).toBeVisible();
    await expect(box).toContainText(step.text);
    await expect(box).toContainText(explanation);
    await expect(box.getByRole('button', { name: FORM.faultBox.button, exact: true }))
      .toBeVisible();
    expect(await formTakesFocus(page), 'the form behind the box takes the focus').toBe(false);
  },
  async closeFault(page) {
    const box = page.getByRole('alertdialog');
    await box.getByRole('button', { name: FORM.faultBox.button, exact: true }).click();
    await expect(box).toBeHidden();
  },
  async fieldHolds(page, step) {
    await expect(control(page, step.target)).toHaveValue(step.text);
  },
  async focus(page, step) {
    await expect(control(page, step.target)).toBeFocused();
  },
  // Shown in the message's box, and the last thing the status region said holds it.
  async message(page, step) {
    await expect(page.locator(`#${MESSAGE.name}`)).toHaveText(step.text);
    if (step.text !== '') await expect(page.getByRole('status')).toContainText(step.text);
  },
  // The picture draws what the description's drawing of that mark draws, and says which it is.
  async marked(page, step) {
    const mark = CONDITIONS.marks.find((m) => m.text.includes(`(${step.text})`));
    const expected = readFileSync(join(process.env.ZIREV1_FORM, '..',
      step.text === '' ? CONDITIONS.svg : mark.svg), 'utf8');
    const picture = page.getByRole('img', { name: CONDITIONS.accessibleName, exact: true });
    await expect(picture).toHaveAccessibleDescription(step.text === '' ? '' : mark.text);
    const [shown, drawn] = await picture.evaluate((box, [svgText, shapes]) => {
      const of = new Function(`return ${shapes}`)();
      const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
      return [of(box.querySelector('svg')), of(parsed.documentElement)];
    }, [expected, drawnShapes.toString()]);
    expect(shown).toEqual(drawn);
  },
  async workingShows(page, step, state) {
    const [quantity, value] = step.text.split('\t');
    const row = workingTable(page).getByRole('row')
      .filter({ has: page.getByRole('rowheader', { name: quantity, exact: true }) });
    await expect(row).toHaveCount(1);
    await expect(row.getByRole('cell').last()).toHaveText(localized(value, state));
  },
  async clipboardHolds(page, step, state) {
    const line = localized(step.text, state);
    await expect.poll(async () => (await page.evaluate(() => navigator.clipboard.readText()))
      .split('\r\n')).toContain(line);
  },
};

for (const { locale, separator, holds } of LOCALES) {
  test.describe(`the form's behaviour in ${locale}`, () => {
    test.use({ locale });
    for (const scenario of BEHAVIOUR.scenarios.filter((s) => holds.includes(s.locales))) {
      test(scenario.name, async ({ context, page }) => {
        test.skip(DEVIATIONS.has(scenario.name), DEVIATIONS.get(scenario.name));
        await context.grantPermissions(['clipboard-read', 'clipboard-write']);
        await open(page);
        await page.evaluate((text) => navigator.clipboard.writeText(text), PASTED);
        const state = { separator, beforeClick: await results(page) };
        for (const [index, step] of scenario.steps.entries()) {
          await test.step(`${index + 1}: ${step.act} ${step.target ?? ''}`, () =>
            ACTS[step.act](page, step, state));
        }
      });
    }
  });
}
