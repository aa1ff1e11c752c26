# SPDX-License-Identifier: MIT
"""Writes the web edition, one self-contained HTML file, from the desktop window's own description
(the controls and the SVG pictures that tools/describe_window.cpp writes), the calculation
compiled to WebAssembly, the page's one JavaScript module, and DejaVu Sans Bold subset to the
characters the page shows.

    make_page.py WINDOW_DIR WASM MODULE FONT OUTPUT
"""

import base64
import html
import json
import os
import re
import subprocess
import sys
import tempfile

# Characters shown besides the captions: digits, signs and both decimal separators of the
# results, the fault names and the box's button.
EXTRA_CHARACTERS = "0123456789-+.,OK Overflow Divisione per zero zirev1."


def subset_font(font, characters):
    """The font cut down to the characters, as WOFF2 bytes (fonttools and woff2)."""
    with tempfile.TemporaryDirectory() as work:
        text_file = os.path.join(work, "characters.txt")
        with open(text_file, "w", encoding="utf-8") as out:
            out.write(characters)
        subset = os.path.join(work, "subset.ttf")
        subprocess.run(["pyftsubset", font, f"--text-file={text_file}",
                        f"--output-file={subset}", "--layout-features=kern,liga",
                        "--no-hinting", "--desubroutinize", "--drop-tables+=FFTM"], check=True)
        subprocess.run(["woff2_compress", subset], check=True, capture_output=True)
        with open(os.path.join(work, "subset.woff2"), "rb") as woff2:
            return woff2.read()


def inline_svg(path, label_id):
    """The picture's SVG, ready to sit inside the page: no XML prologue, no pixel size of its own
    (the picture's box gives it), hidden from screen readers (the box has the name)."""
    with open(path, encoding="utf-8") as svg_file:
        svg = svg_file.read()
    svg = re.sub(r"<\?xml[^>]*\?>\s*", "", svg)
    svg = re.sub(r"<title>.*?</title>\s*<desc>.*?</desc>", "", svg, flags=re.S)
    svg = re.sub(r'<svg width="[^"]*" height="[^"]*"',
                 f'<svg width="100%" height="100%" aria-hidden="true" focusable="false"', svg)
    return svg.replace('id="', f'id="{label_id}-')


def svg_text(path):
    with open(path, encoding="utf-8") as svg_file:
        return "".join(html.unescape(t) for t in re.findall(r">([^<>]+)</text>", svg_file.read()))


def control_style(control, stack):
    font = control["font"]
    rules = [f"left:{control['left']}px", f"top:{control['top']}px", f"z-index:{stack}",
             f"font-size:{font['pixelSize']:g}px"]
    if not control.get("autoSize", False):
        rules += [f"width:{control['width']}px", f"height:{control['height']}px"]
    if "colour" in control:
        rules += [f"color:{control['colour']}", f"background:{control['background']}"]
    return f"#{control['name']}{{{';'.join(rules)}}}"


def control_markup(control):
    name = control["name"]
    text = html.escape(control.get("caption", ""))
    kind = control["kind"]
    if kind == "field":
        return (f'<input id="{name}" type="text" inputmode="decimal" autocomplete="off" '
                f'spellcheck="false" aria-label="{html.escape(control["accessibleName"])}">')
    if kind == "button":
        return f'<button id="{name}" type="button">{text}</button>'
    if kind == "picture":
        return (f'<div id="{name}" class="picture" role="img" '
                f'aria-label="{html.escape(control["accessibleName"])}">'
                f'{inline_svg(control["svgPath"], name)}</div>')
    if control["accessibleDescription"]:
        description = html.escape(control["accessibleDescription"])
        return (f'<output id="{name}" class="label" aria-describedby="{name}-description">'
                f'</output><span id="{name}-description" hidden>{description}</span>')
    if name == "Label1":  # the window's heading
        return f'<h1 id="{name}" class="label">{text}</h1>'
    return f'<div id="{name}" class="label">{text}</div>'


def dom_order(controls):
    """Stacking order (kept by z-index), except that the focusable controls take their slots in
    the window's tab order, so that Tab moves as it does in the window."""
    focusable = sorted((c for c in controls if c["tabIndex"] > 0), key=lambda c: c["tabIndex"])
    ordered = list(controls)
    slots = [i for i, c in enumerate(controls) if c["tabIndex"] > 0]
    for slot, control in zip(slots, focusable):
        ordered[slot] = control
    return ordered


def main():
    window_dir, wasm, module, font, output = sys.argv[1:6]
    with open(os.path.join(window_dir, "window.json"), encoding="utf-8") as description:
        window = json.load(description)
    controls = window["controls"]
    for control in controls:
        if control["kind"] == "picture":
            control["svgPath"] = os.path.join(window_dir, control["svg"])

    characters = set(EXTRA_CHARACTERS + window["title"])
    for control in controls:
        characters |= set(control.get("caption", ""))
        if control["kind"] == "picture":
            characters |= set(svg_text(control["svgPath"]))
    characters |= set("".join(window["faults"].values()))
    font_data = base64.b64encode(subset_font(font, "".join(sorted(characters)))).decode()

    width = max(c["left"] + c["width"] for c in controls) + window["controls"][0]["left"] // 5
    height = max(c["top"] + c["height"] for c in controls) + 16
    result_ids = [c["name"] for c in controls if c["accessibleDescription"]]
    faults = {"Overflow": window["faults"]["Overflow"],
              "Divisione per zero": window["faults"]["DivisionByZero"]}
    with open(wasm, "rb") as wasm_file:
        wasm_data = base64.b64encode(wasm_file.read()).decode()
    with open(module, encoding="utf-8") as module_file:
        script = module_file.read()
    config = json.dumps({"wasm": wasm_data, "results": result_ids, "faults": faults},
                        ensure_ascii=False)

    styles = "\n".join(control_style(c, i + 1) for i, c in enumerate(controls))
    body = "\n".join(control_markup(c) for c in dom_order(controls))
    background = window["background"]
    page = f"""<!DOCTYPE html>
<html lang="it">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{html.escape(window["title"])}</title>
<style>
@font-face{{font-family:"DejaVu Sans";font-weight:700;src:url(data:font/woff2;base64,{font_data}) format("woff2")}}
html,body{{margin:0;background:{background}}}
body{{overflow-x:hidden}}
#Form2{{position:relative;width:{width}px;height:{height}px;transform-origin:0 0;
font-family:"DejaVu Sans";font-weight:700;color:#000;background:{background}}}
#Form2>*{{position:absolute;margin:0;box-sizing:border-box;font:inherit;font-size:inherit}}
.label{{white-space:pre;line-height:normal;overflow:hidden}}
input{{padding:0 3px;border:1px solid #767676;background:#fff;color:#000}}
button{{padding:0;border:1px solid #767676;border-radius:3px;background:#e1e1e1;color:#000}}
:focus-visible{{outline:2px solid #0000ff;outline-offset:1px}}
.picture svg{{display:block}}
dialog{{font:400 15px "DejaVu Sans",sans-serif;min-width:22em;border:1px solid #767676;padding:0}}
dialog h2{{font-size:15px;margin:0;padding:6px 10px;background:#e1e1e1}}
dialog p{{margin:12px 16px}}
dialog form{{text-align:right;margin:12px 16px}}
{styles}
</style>
</head>
<body>
<main id="Form2">
{body}
</main>
<dialog id="faultBox" aria-labelledby="faultTitle" aria-describedby="faultName faultExplanation">
<h2 id="faultTitle">{html.escape(window["title"])}</h2>
<p id="faultName"></p>
<p id="faultExplanation"></p>
<form method="dialog"><button id="faultOk">OK</button></form>
</dialog>
<script type="module">
{script}
startPage({config});
</script>
</body>
</html>
"""
    with open(output, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
