// SPDX-License-Identifier: MIT
// The calculation compiled to WebAssembly, behind one function: the three field texts and the
// decimal separator in; the twelve result texts, "no triangle", or the fault's name out.

const RESULTS = 0;
const NO_TRIANGLE = 1;
const FAULT_NAMES = { 2: 'Overflow', 3: 'Divisione per zero' };
const OUT_TOO_SMALL = 4;

// Instantiates the module (its bytes, as an ArrayBuffer or typed array) and returns
// calculate(a, b, c, separator), where each argument is a string or a Uint8Array of its bytes:
//   calculate('3', '4', '5', '.') -> { texts: ['36', '52', '12', ..., '4.', '6.', '12.'] }
//   calculate('1', '2', '3', '.') -> { noTriangle: true }
//   calculate('1e400', ...)      -> { fault: 'Overflow' }  (for a side of 400 nines)
export async function loadCalculation(moduleBytes) {
  const { instance } = await WebAssembly.instantiate(moduleBytes, {});
  const wasm = instance.exports;
  wasm._initialize();
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  // Copies bytes into the module's memory; the caller releases them.
  function place(bytes) {
    const address = wasm.zirev1_allocate(bytes.length);
    new Uint8Array(wasm.memory.buffer, address, bytes.length).set(bytes);
    return address;
  }

  return function calculate(a, b, c, separator) {
    const inputs = [a, b, c, separator].map((text) =>
      typeof text === 'string' ? encoder.encode(text) : text);
    const addresses = inputs.map(place);
    let capacity = 4096;
    for (;;) {
      const out = wasm.zirev1_allocate(capacity);
      const outLength = wasm.zirev1_allocate(4);
      const outcome = wasm.zirev1_calculate(
        addresses[0], inputs[0].length, addresses[1], inputs[1].length,
        addresses[2], inputs[2].length, addresses[3], inputs[3].length,
        out, capacity, outLength);
      const length = new Uint32Array(wasm.memory.buffer, outLength, 1)[0];
      const text = outcome === RESULTS
        ? decoder.decode(new Uint8Array(wasm.memory.buffer, out, length)) : '';
      wasm.zirev1_release(out);
      wasm.zirev1_release(outLength);
      if (outcome === OUT_TOO_SMALL) {
        capacity = length;
        continue;
      }
      addresses.forEach((address) => wasm.zirev1_release(address));
      if (outcome === RESULTS) {
        return { texts: text.split('\n').slice(0, 12) };
      }
      if (outcome === NO_TRIANGLE) {
        return { noTriangle: true };
      }
      return { fault: FAULT_NAMES[outcome] };
    }
  };
}
