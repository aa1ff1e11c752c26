// SPDX-License-Identifier: MIT
// The web edition's one module: the glue to the calculation compiled to WebAssembly, and the
// page's events, which behave as the desktop window's do.

// Instantiates the module (its bytes, as an ArrayBuffer or typed array) and returns
// call(entry, a, b, c, separator, ...more) -> { outcome, text }: the module's entry run on the
// three field texts, the decimal separator and any further text its entry takes (each a string or
// a Uint8Array of its bytes), its outcome code and the text it wrote. outcomes are the codes, as the form's description gives them.
// The module is compiled synchronously: for its 200 KB that takes a few milliseconds, where an
// asynchronous compile waits for the main thread to be free to finish, and the page is laying
// itself out then. (Browsers refuse this only for modules of more than a few megabytes.)
function moduleCaller(moduleBytes, outcomes) {
  const instance = new WebAssembly.Instance(new WebAssembly.Module(moduleBytes), {});
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

  return function call(entry, ...texts) {
    const inputs = texts.map((text) => (typeof text === 'string' ? encoder.encode(text) : text));
    const addresses = inputs.map(place);
    let capacity = 4096;
    for (;;) {
      const out = wasm.zirev1_allocate(capacity);
      const outLength = wasm.zirev1_allocate(4);
      const outcome = wasm[entry](
        ...inputs.flatMap((input, i) => [addresses[i], input.length]), out, capacity, outLength);
      const length = new Uint32Array(wasm.memory.buffer, outLength, 1)[0];
      const text = outcome === outcomes.outTooSmall
        ? '' : decoder.decode(new Uint8Array(wasm.memory.buffer, out, length));
      wasm.zirev1_release(out);
      wasm.zirev1_release(outLength);
      if (outcome === outcomes.outTooSmall) {
        capacity = length;
        continue;
      }
      addresses.forEach((address) => wasm.zirev1_release(address));
      return { outcome, text };
    }
  };
}

// calculate(a, b, c, separator) through the module's entry that writes lines: zirev1_calculate
// for the twelve texts, zirev1_elements for them and every element:
//   calculate('3', '4', '5', '.') -> { texts: ['36', '52', '12', ..., '4.', '6.', '12.'] }
//   calculate('1', '2', '3', '.') -> { noTriangle: true }
//   calculate('9999…', ...)      -> { fault: 2 }  (the outcome code of the fault, here Overflow,
//                                                  for a side of 400 nines)
export function loadCalculation(moduleBytes, outcomes, entry = 'zirev1_calculate') {
  const call = moduleCaller(moduleBytes, outcomes);
  return function calculate(a, b, c, separator) {
    const { outcome, text } = call(entry, a, b, c, separator);
    if (outcome === outcomes.results) {
      return { texts: text.slice(0, -1).split('\n') };
    }
    if (outcome === outcomes.noTriangle) {
      return { noTriangle: true };
    }
    return { fault: outcome };
  };
}

// calculate(a, b, c, separator) as the window's one call, zirev1_window: what it says of a
// triangle or of sides that make none (zirev1_window.h), or { fault } as above; and
// sheet(a, b, c, separator), the printed sheet's SVG of a triangle, dated today in Italian,
// drawn by the working only when it prints:
//   calculate('3', '4', '9', '.') -> { results: null, message: 'Questi lati ...', marked: 2, ... }
//   sheet('3', '4', '5', '.')     -> '<svg ...>'
export function loadWindowCalculation(moduleBytes, outcomes) {
  const call = moduleCaller(moduleBytes, outcomes);
  const dated = new Intl.DateTimeFormat('it-IT', { day: 'numeric', month: 'long', year: 'numeric' });
  return {
    calculate(a, b, c, separator) {
      const { outcome, text } = call('zirev1_window', a, b, c, separator);
      return outcome === outcomes.results || outcome === outcomes.noTriangle
        ? JSON.parse(text) : { fault: outcome };
    },
    sheet(a, b, c, separator) {
      const { outcome, text } = call('zirev1_sheet', a, b, c, separator, dated.format(new Date()));
      return outcome === outcomes.results ? text : '';
    },
  };
}

// The characters a side field enters for a text as typed, by the form's keystroke rule
// (sideKeys, which holds backspace too: deleting is no inserted character here). Where the
// language's decimal separator is the comma, decimalComma says which typed key is entered as
// the point ({ typed: ',', entered: '.' }); elsewhere it is null, and the comma is dropped:
//   enteredCharacters('3,5x', keys, { typed: ',', entered: '.' }) -> '3.5'
//   enteredCharacters('3,5x', keys, null)                         -> '35'
function enteredCharacters(text, sideKeys, decimalComma) {
  return [...text]
    .map((ch) => (decimalComma !== null && ch === decimalComma.typed ? decimalComma.entered : ch))
    .filter((ch) => ch !== '\b' && sideKeys.includes(ch)).join('');
}

// The decimal separator of the browser's language: a comma under it-IT, a point under en-US.
// Intl's first use loads the locale data, which costs a fresh page about as much as everything
// else it does before it is ready; the page asks for the separator only when a key, a calculation
// or an idle moment first needs it, and keeps it: the language does not change while it is open.
function decimalSeparatorOnDemand() {
  let separator = null;
  return () => {
    if (separator === null) {
      const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
      separator = parts.find((part) => part.type === 'decimal')?.value ?? '.';
    }
    return separator;
  };
}

// The module's bytes from base64: natively where the browser can, else through one binary string
// (a map function called per byte is ten times slower).
function bytesOfBase64(text) {
  if (typeof Uint8Array.fromBase64 === 'function') {
    return Uint8Array.fromBase64(text);
  }
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) {
    bytes[i] = binary.charCodeAt(i);
  }
  return bytes;
}

// Typing and input-method commits pass the filter character by character; pasting does not.
// Ctrl with a letter types a control character in the window, which the filter drops, so it
// does nothing here either (no Ctrl+V paste: only the context menu pastes).
function filterSideField(field, sideKeys, decimalCommaOf) {
  field.addEventListener('keydown', (event) => {
    if ((event.ctrlKey || event.metaKey) && /^[a-z]$/i.test(event.key)) {
      event.preventDefault();
    }
  });
  field.addEventListener('beforeinput', (event) => {
    if (event.inputType !== 'insertText' || event.data === null) {
      return; // deletions, pastes and compositions (handled when they end)
    }
    const accepted = enteredCharacters(event.data, sideKeys, decimalCommaOf());
    if (accepted !== event.data) {
      event.preventDefault();
      if (accepted !== '') {
        field.setRangeText(accepted, field.selectionStart, field.selectionEnd, 'end');
      }
    }
  });
  let beforeComposition = null;
  field.addEventListener('compositionstart', () => {
    beforeComposition = { value: field.value, start: field.selectionStart, end: field.selectionEnd };
  });
  field.addEventListener('compositionend', (event) => {
    if (beforeComposition === null) return;
    const { value, start, end } = beforeComposition;
    beforeComposition = null;
    const accepted = enteredCharacters(event.data ?? '', sideKeys, decimalCommaOf());
    field.value = value.slice(0, start) + accepted + value.slice(end);
    field.setSelectionRange(start + accepted.length, start + accepted.length);
  });
}

// The link to the triangle on the screen: the three field texts in the address's fragment,
// '#a=3&b=4&c=5', each percent-encoded. A fragment comes from whoever sent the link: it is only
// ever field text, and only its first LINK_LIMIT characters are read, the rest ignored. The first
// pair of a key decides, later ones with the same key are ignored, and a value with a malformed
// escape leaves its field empty.
const LINK_KEYS = ['a', 'b', 'c']; // the sides, in the fields' Tab order
const LINK_LIMIT = 4096;

// A field can hold half of a surrogate pair (a paste, a script), which no URL can carry: it is
// written as U+FFFD, as the calculation, which reads UTF-8, reads it too.
const LONE_SURROGATE = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g;

function linkFragment(texts) {
  return texts.map((text, i) =>
    `${LINK_KEYS[i]}=${encodeURIComponent(text.replace(LONE_SURROGATE, '\uFFFD'))}`).join('&');
}

// The field texts a fragment (without its '#') holds, or null when it names no side:
//   sidesFromFragment('a=3&b=4&c=5')     -> ['3', '4', '5']
//   sidesFromFragment('a=3&a=7&b=%E0%A') -> ['3', '', '']
//   sidesFromFragment('top')             -> null
function sidesFromFragment(fragment) {
  const sides = new Map();
  for (const pair of fragment.slice(0, LINK_LIMIT).split('&')) {
    const at = pair.indexOf('=');
    const key = at < 0 ? pair : pair.slice(0, at);
    if (LINK_KEYS.includes(key) && !sides.has(key)) {
      let text = '';
      try {
        text = at < 0 ? '' : decodeURIComponent(pair.slice(at + 1));
      } catch {
        // a malformed escape: the field stays empty
      }
      sides.set(key, text);
    }
  }
  return sides.size === 0 ? null : LINK_KEYS.map((key) => sides.get(key) ?? '');
}

// What a screen reader says after a calculation: the description's parts with the twelve texts
// between them, parts[i] before texts[i]:
//   spokenSentence(['α ', ' gradi ', …, ', perimetro ', ''], ['36', '52', …, '12.'])
//     -> 'α 36 gradi 52 primi … perimetro 12.'
function spokenSentence(parts, texts) {
  return parts.map((part, i) => part + (texts[i] ?? '')).join('');
}

// The validity conditions' picture shows the failing condition marked, and its description says
// which: marks.picture is its id, marks.svgs its drawing as each condition marks it.
function conditionsMark(marks) {
  const picture = document.getElementById(marks.picture);
  const description = document.getElementById(`${marks.picture}-description`);
  const unmarked = picture.innerHTML;
  let shown = null;
  return function show(marked, text) {
    if (marked !== shown) {
      picture.innerHTML = marked === null ? unmarked : marks.svgs[marked];
      shown = marked;
    }
    description.textContent = text;
  };
}

// Work that can wait until the page has painted and nothing else is to do, or a quarter of a
// second at most: a browser that paints nothing new (in the background, headless) may never be
// idle.
const whenIdle = (work) => (window.requestIdleCallback
  ? requestIdleCallback(work, { timeout: 250 }) : setTimeout(work));

// Svolgimento, the working of the last valid triangle, in a window of its own that openButton
// opens (ids: config.working). Nothing of it is written before the first calculation; after
// each, it is written when the page is idle, and laid out while hidden, so that opening it only
// paints it. While it is open it follows each calculation at once.
function workingWindow(ids, openButton) {
  const byId = (id) => document.getElementById(id);
  const box = byId(ids.window);
  const table = byId(ids.table).querySelector('table');
  const drawing = byId(ids.drawing);
  const sheet = byId(ids.sheet);
  let latest = null; // the last valid triangle's calculation
  let latestSheet = null;
  let shown = null;

  // Rows are written anew only where the working's shape changes (a zero area leaves sections
  // out); otherwise only the texts that differ, so that a calculation lays out little.
  function writeTable(sections) {
    const shape = sections.map((section) => section.rows.length).join();
    if (table.dataset.shape !== shape) {
      table.querySelectorAll('tbody').forEach((body) => body.remove());
      table.append(...sections.map((section) => {
        const body = document.createElement('tbody');
        const heading = document.createElement('th');
        heading.colSpan = 3;
        heading.scope = 'rowgroup';
        body.insertRow().append(heading);
        for (let i = 0; i < section.rows.length; i++) {
          const row = body.insertRow();
          const name = document.createElement('th');
          name.scope = 'row';
          row.append(name, document.createElement('td'), document.createElement('td'));
        }
        return body;
      }));
      table.dataset.shape = shape;
    }
    const cells = table.tBodies;
    sections.forEach((section, i) => {
      const rows = cells[i].rows;
      const texts = [[section.heading], ...section.rows];
      texts.forEach((row, r) => row.forEach((text, c) => {
        const cell = rows[r].cells[c];
        if (cell.textContent !== text) cell.textContent = text;
      }));
    });
  }

  function render() {
    if (latest === shown) return;
    shown = latest;
    writeTable(latest.working);
    drawing.innerHTML = latest.drawing;
    // What the drawing shows: the sides it is drawn from, as the working's first section gives them.
    byId(`${ids.drawing}-description`).textContent = latest.working[0].rows
      .map(([quantity, , value]) => `${quantity} = ${value}`).join(', ');
  }

  // Both forms of the table; where the asynchronous clipboard is missing or refused, the editing
  // command's copy, whose event takes both as well.
  async function copy() {
    if (latest === null) return;
    const { tsv, html } = latest;
    try {
      await navigator.clipboard.write([new ClipboardItem({
        'text/plain': new Blob([tsv], { type: 'text/plain' }),
        'text/html': new Blob([html], { type: 'text/html' }),
      })]);
    } catch {
      const put = (event) => {
        event.clipboardData.setData('text/plain', tsv);
        event.clipboardData.setData('text/html', html);
        event.preventDefault();
      };
      document.addEventListener('copy', put);
      document.execCommand('copy');
      document.removeEventListener('copy', put);
    }
  }

  openButton.addEventListener('click', () => {
    if (latest !== null) render();
    box.show();
    byId(ids.heading).focus();
  });
  byId(ids.close).addEventListener('click', () => box.close());
  box.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      event.preventDefault();
      box.close();
    }
  });
  box.addEventListener('close', () => openButton.focus());
  byId(ids.copy).addEventListener('click', copy);
  // The browser's own print dialog, which also saves as PDF; the print style shows the sheet alone,
  // drawn as it prints.
  const drawSheet = () => {
    if (latest !== null && sheet.innerHTML === '') sheet.innerHTML = latestSheet();
  };
  const printSheet = () => {
    drawSheet();
    print();
  };
  byId(ids.print).addEventListener('click', printSheet);
  byId(ids.savePdf).addEventListener('click', printSheet);
  addEventListener('beforeprint', drawSheet);
  // calculation: the window's call's answer; printedSheet: its printed sheet's SVG, drawn when
  // asked.
  return function follow(calculation, printedSheet) {
    latest = calculation;
    latestSheet = printedSheet;
    sheet.innerHTML = '';
    if (box.open) render();
    else whenIdle(render);
  };
}

// Starts the page from the form's data: config.wasm is the module's bytes in base64,
// config.typeface the family and config.font the typeface's bytes in base64, config.form the
// form's id, config.fields the side fields' ids in Tab order, config.button
// Calcolo's id, config.results the twelve result labels' ids in writing order, config.sideKeys
// the characters a side field accepts, config.decimalCommaKey the key entered as the point where
// the decimal separator is the comma, config.outcomes the calculation's outcome codes,
// config.announcement the id of the live region that says the results, config.spokenResults the
// parts of that sentence, config.faultBox the ids of the fault box and its parts,
// config.faults each fault's name and explanation by its outcome code, config.message the
// message's id, config.marks the validity conditions as each is marked, config.openWorking
// Svolgimento's button and config.working the ids of Svolgimento's window. A link's fragment in
// the address fills the fields and calculates once.
export function startPage(config) {
  // Made from its bytes, the typeface is ready at once, so the form is laid out a single time,
  // in it; a style sheet's font is loaded later, and everything laid out again.
  document.fonts.add(new FontFace(config.typeface, bytesOfBase64(config.font), { weight: '700' }));
  const { calculate, sheet: printedSheet } = loadWindowCalculation(bytesOfBase64(config.wasm),
    config.outcomes);
  const fields = config.fields.map((id) => document.getElementById(id));
  const button = document.getElementById(config.button);
  const results = config.results.map((id) => document.getElementById(id));
  const faultBox = document.getElementById(config.faultBox.box);
  const announcement = document.getElementById(config.announcement);
  const message = document.getElementById(config.message);
  const showMark = conditionsMark(config.marks);
  const followWorking = workingWindow(config.working, document.getElementById(config.openWorking));
  const separator = decimalSeparatorOnDemand();
  const decimalCommaOf = () => (separator() === ',' ? config.decimalCommaKey : null);
  fields.forEach((field) => filterSideField(field, config.sideKeys, decimalCommaOf));
  // Enter never presses Calcolo; Space and a click do.
  button.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') event.preventDefault();
  });
  // The box is modal by hand: everything else on the page is inert while it shows. The browser's
  // own modal dialog gives the focus back to Calcolo only as the box leaves the accessibility
  // tree, and a screen reader that still holds the box's button then says nothing of Calcolo;
  // here the focus is on Calcolo before the box goes.
  const faultOk = document.getElementById(config.faultBox.button);
  const behindBox = [...document.body.children].filter((element) => element !== faultBox);
  function showFaultBox() {
    behindBox.forEach((element) => { element.inert = true; });
    faultBox.show();
    faultOk.focus();
  }
  function closeFaultBox() {
    behindBox.forEach((element) => { element.inert = false; });
    button.focus();
    faultBox.close();
  }
  faultOk.addEventListener('click', (event) => {
    event.preventDefault();
    closeFaultBox();
  });
  faultBox.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape') return;
    event.preventDefault();
    closeFaultBox();
  });
  function Command1_Click() {
    // The box is modal, but a script's click still reaches the button behind it: one fault is
    // reported at a time, and nothing is calculated until it is closed.
    if (faultBox.open) return;
    const texts = fields.map((field) => field.value);
    // The sheet, drawn later, is of the same reading of the sides.
    const decimalSeparator = separator();
    const outcome = calculate(...texts, decimalSeparator);
    if (outcome.fault !== undefined) {
      const fault = config.faults[outcome.fault];
      document.getElementById(config.faultBox.name).textContent = fault.name;
      document.getElementById(config.faultBox.explanation).textContent = fault.explanation;
      message.textContent = '';
      showMark(null, '');
      // What the region last said would be said again as the page comes back from behind the
      // modal box.
      announcement.textContent = '';
      showFaultBox();
      return;
    }
    message.textContent = outcome.message;
    showMark(outcome.marked, outcome.markedText);
    const said = [outcome.message];
    if (outcome.results) {
      outcome.results.forEach((text, i) => { results[i].textContent = text; });
      said.push(spokenSentence(config.spokenResults, outcome.results));
      followWorking(outcome, () => printedSheet(...texts, decimalSeparator));
      // Sides too long to be read back from a link leave none, rather than another triangle's;
      // their encoding is never shorter than they are.
      const address = new URL(location.href);
      const length = texts.reduce((sum, text) => sum + text.length, 0);
      const fragment = length <= LINK_LIMIT ? linkFragment(texts) : '';
      address.hash = fragment.length <= LINK_LIMIT ? fragment : '';
      // When the page is idle: the browser's same-document navigation costs more than all else
      // this frame paints.
      whenIdle(() => history.replaceState(history.state, '', address.href));
    }
    // Once for each calculation, in the form's order: the message stands before the results. A
    // new text is said even when it is the last one again.
    announcement.textContent = said.filter((part) => part !== '').join(' ');
  }
  button.addEventListener('click', Command1_Click);

  // Calcolo is on the first screen at every width: scrolling to it would only lay the page out
  // before it is ready, and would lose a reload's scroll position.
  button.focus({ preventScroll: true });
  // As if pasted: the texts are not filtered. A link opened in the page's own tab changes only
  // the fragment.
  const openLink = () => {
    const linked = sidesFromFragment(location.hash.slice(1));
    if (linked !== null) {
      linked.forEach((text, i) => { fields[i].value = text; });
      Command1_Click();
    }
  };
  addEventListener('hashchange', openLink);
  openLink();
  document.documentElement.dataset.ready = 'true';
  // The browser compiles the module's functions as they are first called: one calculation while
  // the page is idle has them ready for the first press of Calcolo.
  whenIdle(() => calculate('3', '4', '5', separator()));
}
