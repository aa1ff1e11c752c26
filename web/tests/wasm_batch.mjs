// SPDX-License-Identifier: MIT
// zirev1-calc's batch mode, with the WebAssembly module doing the calculation: reads lines of
// tab-separated field texts on standard input and writes the same lines zirev1-calc writes.
//
//   node wasm_batch.mjs MODULE.wasm FORM.json SEPARATOR [--elements] < fields.tsv > answers.tsv
//
// With --elements, as zirev1-calc --elements: every element after the twelve texts.
//
// A fault is written by its name, which the form's description (form.json) gives by outcome code.

import { readFileSync, writeSync } from 'node:fs';
import { loadCalculation } from '../zirev1.mjs';

const [modulePath, formPath, separator, option] = process.argv.slice(2);
const form = JSON.parse(readFileSync(formPath, 'utf8'));
const faultNames = new Map(form.faults.map((fault) => [fault.outcome, fault.name]));
const calculate = loadCalculation(readFileSync(modulePath), form.outcomes,
  option === '--elements' ? 'zirev1_elements' : 'zirev1_calculate');
const input = readFileSync(0);
const TAB = 9;
const LINE_FEED = 10;
const CARRIAGE_RETURN = 13;

// The first two tabs end the first two fields; everything after the second tab is the third.
function fields(line) {
  const first = line.indexOf(TAB);
  if (first < 0) return [line, line.subarray(0, 0), line.subarray(0, 0)];
  const second = line.indexOf(TAB, first + 1);
  if (second < 0) return [line.subarray(0, first), line.subarray(first + 1), line.subarray(0, 0)];
  return [line.subarray(0, first), line.subarray(first + 1, second), line.subarray(second + 1)];
}

const answers = [];
let start = 0;
while (start < input.length) {
  let end = input.indexOf(LINE_FEED, start);
  if (end < 0) end = input.length;
  let line = input.subarray(start, end);
  if (line.length > 0 && line[line.length - 1] === CARRIAGE_RETURN) {
    line = line.subarray(0, line.length - 1);
  }
  const [a, b, c] = fields(line);
  const outcome = calculate(a, b, c, separator);
  answers.push(outcome.texts ? outcome.texts.join('\t') : (faultNames.get(outcome.fault) ?? ''));
  start = end + 1;
}
writeSync(1, answers.join('\n') + (answers.length > 0 ? '\n' : ''));
