// SPDX-License-Identifier: MIT
// zirev1-calc --elements in batch form, with the WebAssembly module's zirev1_elements doing the
// calculation: reads lines of tab-separated field texts on standard input and writes the lines
// the driver writes, the twelve texts and the elements separated by tabs.
//
//   node wasm_elements_batch.mjs MODULE.wasm FORM.json SEPARATOR < fields.tsv > answers.tsv
//
// A fault is written by its name, which the form's description (form.json) gives by outcome code.

import { readFileSync, writeSync } from 'node:fs';

// The outcomes of c_interface/zirev1_calculate.h besides the faults' codes.
const RESULTS = 0;
const NO_TRIANGLE = 1;
const OUT_TOO_SMALL = 4;
const TAB = 9;
const LINE_FEED = 10;
const CARRIAGE_RETURN = 13;

const [modulePath, formPath, separator] = process.argv.slice(2);
const faultNames = new Map(JSON.parse(readFileSync(formPath, 'utf8')).faults
  .map((fault) => [fault.outcome, fault.name]));
const wasm = new WebAssembly.Instance(new WebAssembly.Module(readFileSync(modulePath)), {}).exports;
wasm._initialize();
const decoder = new TextDecoder();

function place(bytes) {
  const address = wasm.zirev1_allocate(bytes.length);
  new Uint8Array(wasm.memory.buffer, address, bytes.length).set(bytes);
  return address;
}

// The answer line for one triangle: the texts joined by tabs, '' or the fault's name.
function answer(inputs) {
  const addresses = inputs.map(place);
  let capacity = 4096;
  let line;
  while (line === undefined) {
    const out = wasm.zirev1_allocate(capacity);
    const outLength = wasm.zirev1_allocate(4);
    const outcome = wasm.zirev1_elements(
      addresses[0], inputs[0].length, addresses[1], inputs[1].length,
      addresses[2], inputs[2].length, addresses[3], inputs[3].length, out, capacity, outLength);
    const length = new Uint32Array(wasm.memory.buffer, outLength, 1)[0];
    if (outcome === RESULTS) {
      const texts = decoder.decode(new Uint8Array(wasm.memory.buffer, out, length - 1));
      line = texts.replaceAll('\n', '\t');
    } else if (outcome === NO_TRIANGLE) {
      line = '';
    } else if (outcome === OUT_TOO_SMALL) {
      capacity = length;
    } else {
      line = faultNames.get(outcome) ?? '';
    }
    wasm.zirev1_release(out);
    wasm.zirev1_release(outLength);
  }
  addresses.forEach((address) => wasm.zirev1_release(address));
  return line;
}

// The first two tabs end the first two fields; everything after the second tab is the third.
function fields(line) {
  const first = line.indexOf(TAB);
  if (first < 0) return [line, line.subarray(0, 0), line.subarray(0, 0)];
  const second = line.indexOf(TAB, first + 1);
  if (second < 0) return [line.subarray(0, first), line.subarray(first + 1), line.subarray(0, 0)];
  return [line.subarray(0, first), line.subarray(first + 1, second), line.subarray(second + 1)];
}

const input = readFileSync(0);
const separatorBytes = new TextEncoder().encode(separator);
const answers = [];
for (let start = 0; start < input.length;) {
  let end = input.indexOf(LINE_FEED, start);
  if (end < 0) end = input.length;
  let line = input.subarray(start, end);
  if (line.length > 0 && line[line.length - 1] === CARRIAGE_RETURN) {
    line = line.subarray(0, line.length - 1);
  }
  answers.push(answer([...fields(line), separatorBytes]));
  start = end + 1;
}
writeSync(1, answers.join('\n') + (answers.length > 0 ? '\n' : ''));
