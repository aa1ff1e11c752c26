// SPDX-License-Identifier: MIT
// The page as its tests meet it: each control found by its role in the form's description and by
// its accessible name, as a screen reader finds it, and the results read in writing order.
//
// ZIREV1_PAGE: the built zirev1.html; ZIREV1_FORM: the form's description (form.json);
// ZIREV1_CALC: zirev1-calc, which says what the page must print.

import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { expect } from '@playwright/test';

export const FORM = JSON.parse(readFileSync(process.env.ZIREV1_FORM, 'utf8'));
export const PAGE = pathToFileURL(process.env.ZIREV1_PAGE).href;
const CONTROLS = new Map(FORM.controls.map((control) => [control.name, control]));
export const SIDE_FIELDS = FORM.sideFields.map((name) => CONTROLS.get(name)); // a, b, c
export const CALCULATE = FORM.controls.find((control) => control.role === 'calculate');
export const RESULT_LABELS = FORM.resultLabels.map((name) => CONTROLS.get(name));
export const PICTURES = FORM.controls.filter((control) => control.role === 'illustration');
export const TAB_ORDER = FORM.controls.filter((control) => control.tabIndex > 0)
  .sort((x, y) => x.tabIndex - y.tabIndex);
export const WORKING = FORM.workingForm;
const ofRole = (controls, role) => controls.find((control) => control.role === role);
export const MESSAGE = ofRole(FORM.controls, 'message');
export const OPEN_WORKING = ofRole(FORM.controls, 'openWorking');
export const CONDITIONS = FORM.controls.find((control) => control.marks);
export const WORKING_TABLE = ofRole(WORKING.controls, 'working');
export const COPY = ofRole(WORKING.controls, 'copy');
export const WORKING_HEADING = ofRole(WORKING.controls, 'heading');

// What zirev1-calc prints for each line of field texts, as lists of the twelve texts (empty for
// no triangle) or a fault's name; locale is its LC_ALL.
export function calculated(lines, locale = 'C') {
  const output = execFileSync(process.env.ZIREV1_CALC, {
    input: `${lines.join('\n')}\n`, env: { ...process.env, LC_ALL: locale }, maxBuffer: 1 << 28,
  }).toString('utf8');
  return output.split('\n').slice(0, lines.length);
}

export const RESULTS_345 = calculated(['3\t4\t5'])[0].split('\t');

export async function open(page, address = PAGE) {
  await page.goto(address);
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
}

export function sideField(page, index) {
  return page.getByRole('textbox', { name: SIDE_FIELDS[index].accessibleName, exact: true });
}

export function calculateButton(page) {
  return page.getByRole('button', { name: CALCULATE.accessibleName || CALCULATE.caption,
    exact: true });
}

const buttonOf = (page, control) => page.getByRole('button', {
  name: control.accessibleName || control.caption, exact: true });
export const openWorkingButton = (page) => buttonOf(page, OPEN_WORKING);
export const copyButton = (page) => buttonOf(page, COPY);

// Svolgimento's window, named by its heading, and its table, named by its caption.
export const workingWindow = (page) =>
  page.getByRole('dialog', { name: WORKING_HEADING.caption, exact: true });
export const workingTable = (page) =>
  workingWindow(page).getByRole('table', { name: WORKING_TABLE.accessibleName, exact: true });

export function resultLabel(page, index) {
  return page.locator(`#${RESULT_LABELS[index].name}`);
}

export async function results(page) {
  return page.evaluate((ids) => ids.map((id) => document.getElementById(id).textContent),
    FORM.resultLabels);
}

// The fields' texts as a paste puts them there: not filtered.
export async function setSides(page, ...texts) {
  for (const [index, text] of texts.entries()) {
    await sideField(page, index).evaluate((field, value) => { field.value = value; }, text);
  }
}

export async function calculateSides(page, ...texts) {
  await setSides(page, ...texts);
  await calculateButton(page).click();
  return results(page);
}

export function faultBox(page) {
  return page.getByRole('alertdialog', { name: FORM.faultBox.title, exact: true });
}
