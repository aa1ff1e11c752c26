# SPDX-License-Identifier: MIT
"""Writes the web edition, one self-contained HTML file, from the form's description (form.json
and the pictures' SVG, both written by zirev1_export_form), the calculation compiled to
WebAssembly, the page's one JavaScript module, DejaVu Sans Bold subset to the characters the page
shows, and the project's icon.

    make_page.py FORM_DIR WASM MODULE FONT ICON OUTPUT
    make_page.py --site FORM_DIR WASM MODULE FONT ICON SITE_DIR --desktop-file FILE --worker JS

With --site it writes instead SITE_DIR, the page as a web app for a static HTTPS host:
index.html (the same page, with its manifest, icons and service worker), manifest.webmanifest,
the icons rendered from ICON by rsvg-convert, and sw.js from the worker JS. The app's name and
description are the desktop entry's.
"""

import argparse
import base64
import configparser
import hashlib
import html
import json
import os
import re
import string
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# What the results show besides: digits, the minus sign and either decimal separator.
MEASURE_CHARACTERS = "0123456789-.,"
BACKSPACE = "\b"
HERE = os.path.dirname(os.path.abspath(__file__))


def script_escape(ch):
    """A character as JavaScript's \\u escapes of its UTF-16 code units."""
    units = ch.encode("utf-16-be")
    return "".join(f"\\u{int.from_bytes(units[i:i + 2], 'big'):04x}"
                   for i in range(0, len(units), 2))


def ascii_page(page):
    """The page in ASCII alone: other characters as character references in the markup and as
    escapes in scripts. One character beyond ASCII makes the browser hold the whole document,
    and the 90 KB of data in its script, in two bytes a character, which slows its reading
    measurably."""
    def escaped(part):
        if part.startswith("<script"):
            return "".join(ch if ord(ch) < 128 else script_escape(ch) for ch in part)
        if part.startswith("<style"):
            return "".join(ch if ord(ch) < 128 else f"\\{ord(ch):06x}" for ch in part)
        return part.encode("ascii", "xmlcharrefreplace").decode("ascii")
    parts = re.split(r"(<script\b.*?</script>|<style\b.*?</style>)", page, flags=re.S)
    return "".join(escaped(part) for part in parts)


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


def control_style(control, stack):
    """An autosized label gets no size here: the browser fits it to its caption, which for a
    result changes with every calculation."""
    font = control["font"]
    rules = [f"left:{control['left']}px", f"top:{control['top']}px", f"z-index:{stack}",
             f"font-size:{font['pixelSize']:g}px"]
    if not control["autoSize"]:
        rules += [f"width:{control['width']}px", f"height:{control['height']}px"]
    if "background" in control:
        rules += [f"color:{control['colour']}", f"background:{control['background']}"]
    return f"#{control['name']}{{{';'.join(rules)}}}"


def narrow_styles(form):
    """The rules of the narrow layout, in the order of the column: each group's blocks one under
    another, and each control of a block at its window place less the block's corner."""
    controls = {c["name"]: c for c in form["controls"]}
    layout = form["narrowLayout"]
    rules = []
    for group in layout["groups"]:
        if group["style"] == "places":
            top = 0
            for block in group["blocks"]:
                for name in block["controls"]:
                    control = controls[name]
                    rules.append(f"#{name}{{left:{control['left'] - block['left']}px;"
                                 f"top:{control['top'] - block['top'] + top}px}}")
                top += block["height"] + layout["blockGap"]
            rules.append(f"#group-{group['name']}{{height:{top - layout['blockGap']}px}}")
        for block in group["blocks"]:
            for name in block["controls"]:
                control = controls[name]
                size = control["font"]["pixelSize"]
                if group["style"] == "flowing" and control["width"] > 0:
                    # About flowingLines lines at the narrowest, the window's size where it fits.
                    share = layout["flowingLines"] * size / control["width"]
                    # A box of the window's size, such as the message's, flows in the column.
                    box = "" if control["autoSize"] else "width:auto;height:auto;"
                    rules.append(f"#{name}{{left:auto;top:auto;{box}font-size:min({size:g}px,"
                                 f"calc((100vw - {2 * layout['margin']}px) * {share:.4f}))}}")
                elif group["style"] == "scaled":
                    rules += scaled_picture_rules(control, layout["pictureGrowth"])
    return "\n".join(rules)


def scaled_picture_rules(picture, growth):
    """A picture as wide as the column, or growth times its drawing where that is less."""
    name, drawn = picture["name"], picture["drawn"]
    return [f"#{name}{{left:auto;top:auto;height:auto;"
            f"width:min(100%,{drawn['width'] * growth:g}px);"
            f"aspect-ratio:{drawn['width']}/{drawn['height']}}}",
            f"#{name} svg{{width:100%;height:100%}}"]


def drawn_part_rule(picture):
    """In the window, a picture whose drawing leaves most of its box empty shows its drawn part
    at the box's top left, as the whole would."""
    drawn = picture["drawn"]
    if (drawn["width"], drawn["height"]) == (picture["width"], picture["height"]):
        return ""
    return f"#{picture['name']} svg{{width:{drawn['width']}px;height:{drawn['height']}px}}"


def picture_svg(svg_text, picture):
    """The picture's SVG with its view box cut to what its drawing reaches: on a narrow screen the
    validity conditions, in the corner of a box six times as wide, would otherwise show at half
    their size."""
    ET.register_namespace("", SVG)
    root = ET.fromstring(svg_text)
    drawn = picture["drawn"]
    root.set("viewBox", f"0 0 {drawn['width']} {drawn['height']}")
    return ET.tostring(root, encoding="unicode")


def touch_styles(controls, target):
    """What a finger uses grows about its centre to the target's size, where it is smaller."""
    rules = []
    for control in controls:
        if control["kind"] in ("field", "button"):
            grow_x = max(0, target - control["width"]) / 2
            grow_y = max(0, target - control["height"]) / 2
            if grow_x or grow_y:
                rules.append(f"#{control['name']}{{min-width:{target}px;"
                             f"min-height:{target}px;margin:{-grow_y:g}px {-grow_x:g}px}}")
    return "\n".join(rules)


def control_markup(control, form_dir, working=None):
    """working: Svolgimento's description, for its controls."""
    name = control["name"]
    text = html.escape(control["caption"])
    kind = control["kind"]
    if kind == "field":
        return (f'<input id="{name}" type="text" inputmode="decimal" autocomplete="off" '
                f'spellcheck="false" aria-label="{html.escape(control["accessibleName"])}">')
    if kind == "button":
        return f'<button id="{name}" type="button">{text}</button>'
    if kind == "picture":
        # Written for this place: sized by its box, hidden from screen readers (the box has the
        # name). Its description, unseen, says what the last calculation shows in it.
        with open(os.path.join(form_dir, control["svg"]), encoding="utf-8") as svg:
            picture = picture_svg(svg.read(), control)
        return (f'<div id="{name}" class="picture" role="img" '
                f'aria-label="{html.escape(control["accessibleName"])}" '
                f'aria-describedby="{name}-description">{picture}</div>'
                f'<span id="{name}-description" class="spoken"></span>')
    if kind == "table":
        # It scrolls in the window's box, so it takes the focus, for the keyboard to scroll it.
        heads = "".join(f'<th scope="col">{html.escape(c)}</th>' for c in working["columns"])
        return (f'<div id="{name}" class="table" tabindex="0" role="region" '
                f'aria-labelledby="{name}-caption"><table><caption id="{name}-caption" '
                f'class="spoken">{html.escape(control["accessibleName"])}</caption>'
                f'<thead><tr>{heads}</tr></thead></table></div>')
    if control["role"] == "message":
        # Read where it stands; the announcement says it as it changes.
        named = (f' role="note" aria-label="{html.escape(control["accessibleName"])}"'
                 if control["accessibleName"] else "")
        return f'<div id="{name}" class="label message"{named}></div>'
    if control["accessibleDescription"]:
        # The description stands before the value, unseen, where reading goes: say-all and the
        # arrow keys meet "Superficie", then "6.". No live region: the results are said once, in
        # one sentence, by the page's announcement.
        description = html.escape(control["accessibleDescription"])
        return (f'<span id="{name}-description" class="spoken">{description}</span>'
                f'<span id="{name}" class="label result" aria-describedby="{name}-description">'
                f'</span>')
    if control["role"] == "heading":
        if working:
            # Under the page's heading; it takes the focus as Svolgimento opens.
            return f'<h2 id="{name}" class="label" tabindex="-1">{text}</h2>'
        return f'<h1 id="{name}" class="label">{text}</h1>'
    return f'<div id="{name}" class="label">{text}</div>'


def group_markup(form, form_dir):
    """The groups of the narrow layout in reading order, each holding its controls in the order
    of dom_order."""
    order = {c["name"]: i for i, c in enumerate(dom_order(form["controls"]))}
    controls = {c["name"]: c for c in form["controls"]}
    groups = []
    for group in form["narrowLayout"]["groups"]:
        names = sorted((n for b in group["blocks"] for n in b["controls"]), key=order.get)
        inner = "\n".join(control_markup(controls[n], form_dir) for n in names)
        groups.append(f'<div id="group-{group["name"]}" class="group {group["style"]}">\n'
                      f'{inner}\n</div>')
    return "\n".join(groups)


def working_order(controls):
    """Svolgimento read as the window lays it out, column by column: the heading and the table,
    then the drawing's caption, the drawing and Copia; its tab order follows."""
    return sorted(controls, key=lambda c: (c["left"], c["top"]))


def working_ids(working):
    """The ids of Svolgimento's window on the page, its form, its close button and the printed
    sheet."""
    name = working["name"]
    return {"window": f"{name}-window", "form": name, "close": f"{name}-close",
            "sheet": f"{name}-sheet"}


def working_markup(form, form_dir):
    working = form["workingForm"]
    return "\n".join(control_markup(c, form_dir, working)
                     for c in working_order(working["controls"]))


def working_narrow_styles(working, layout):
    """On a narrow screen Svolgimento is a column under the form: the table as wide as the column
    with its cells wrapping, and the drawing scaled to it."""
    rules = []
    for control in working["controls"]:
        name = control["name"]
        if control["kind"] == "table":
            # Its text as large as the fields', which no phone zooms into.
            rules.append(f"#{name}{{left:auto;top:auto;width:auto;height:auto;overflow:visible;"
                         f"font-size:var(--field-text)}}")
        elif control["kind"] == "picture":
            rules += scaled_picture_rules(dict(control, drawn=control), layout["pictureGrowth"])
        elif control["kind"] == "button":
            # In the column's flow, a target's growth makes room rather than overlapping.
            rules.append(f"#{name}{{left:auto;top:auto;margin:0}}")
        else:
            rules.append(f"#{name}{{left:auto;top:auto;white-space:normal}}")
    return "\n".join(rules)


def tab_order(controls):
    return sorted((c for c in controls if c["tabIndex"] > 0), key=lambda c: c["tabIndex"])


def dom_order(controls):
    """Stacking order (kept by z-index), except that the focusable controls take their slots in
    the window's tab order, so that Tab moves as it does in the window."""
    ordered = list(controls)
    slots = [i for i, c in enumerate(controls) if c["tabIndex"] > 0]
    for slot, control in zip(slots, tab_order(controls)):
        ordered[slot] = control
    return ordered


def shown_characters(form):
    """Every character the page can show in its own typeface."""
    texts = [form["title"], form["pictureCharacters"], MEASURE_CHARACTERS,
             form["sideKeys"].replace(BACKSPACE, ""),
             form["faultBox"]["title"], form["faultBox"]["button"]]
    working = form["workingForm"]
    texts += [c["caption"] for c in form["controls"] + working["controls"]]
    texts += [working["title"], working["close"], form["calculatedCharacters"]]
    texts += working["columns"]
    texts += [f["name"] + f["explanation"] for f in form["faults"]]
    return "".join(sorted(set("".join(texts))))


# The live region through which a screen reader hears the results after a calculation.
ANNOUNCEMENT = "announcement"
SVG = "http://www.w3.org/2000/svg"
# The launcher icons (purpose "any"), the maskable one and Apple's, as (file, pixels, the share of
# the square the icon takes, purpose). A maskable icon is cut to any shape inside the circle of
# 40 % radius: the icon's rounded square (its corners at 0.605 of its side from the centre) fits
# there at 64 %. Apple's must be opaque, so the icon sits on the form's background.
ICONS = [("icon-192.png", 192, None, "any"), ("icon-512.png", 512, None, "any"),
         ("icon-maskable-512.png", 512, 0.64, "maskable"),
         ("apple-touch-icon.png", 180, 1.0, None)]
# Only where it can work: a file:// page registers no worker, and shows no error for it.
REGISTER_WORKER = """<script>
if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
}
</script>
"""


def padded_icon(icon_svg, share, background):
    """The icon centred on a square of the background, taking the share of its side."""
    ET.register_namespace("", SVG)
    icon = ET.fromstring(icon_svg)
    offset = (1 - share) * 50
    icon.attrib.update({"x": f"{offset:g}", "y": f"{offset:g}", "width": f"{share * 100:g}",
                        "height": f"{share * 100:g}"})
    square = ET.Element(f"{{{SVG}}}svg", {"width": "100", "height": "100",
                                          "viewBox": "0 0 100 100"})
    ET.SubElement(square, f"{{{SVG}}}rect", {"width": "100", "height": "100", "fill": background})
    square.append(icon)
    return ET.tostring(square)


def render_icons(icon_svg, background, site_dir):
    for name, pixels, share, _ in ICONS:
        source = icon_svg if share is None else padded_icon(icon_svg, share, background)
        subprocess.run(["rsvg-convert", f"--width={pixels}", f"--height={pixels}",
                        f"--output={os.path.join(site_dir, name)}"], input=source, check=True)


def manifest_json(form, desktop_file):
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(desktop_file, encoding="utf-8")
    entry = entry["Desktop Entry"]
    return json.dumps({
        "name": entry["Name"],
        "short_name": entry["Name"],
        "description": entry["Comment"],
        "lang": "it",
        "id": "./",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "theme_color": theme_colour(form),
        "background_color": form["background"],
        "icons": [{"src": name, "sizes": f"{pixels}x{pixels}", "type": "image/png",
                   "purpose": purpose} for name, pixels, _, purpose in ICONS if purpose],
    }, ensure_ascii=False, indent=2) + "\n"


def theme_colour(form):
    return next(c["colour"] for c in form["controls"] if c["role"] == "heading")


def site_links(form):
    """The app's manifest, its icons and its colour; the tab's icon is the smallest launcher
    icon, which the worker keeps with the rest."""
    return (f'<link rel="manifest" href="manifest.webmanifest">\n'
            f'<link rel="icon" href="{ICONS[0][0]}" sizes="{ICONS[0][1]}x{ICONS[0][1]}">\n'
            f'<link rel="apple-touch-icon" href="{ICONS[-1][0]}">\n'
            f'<meta name="theme-color" content="{theme_colour(form)}">\n')


def single_file_links(icon_svg):
    """The tab's icon inside the file, which requests nothing beyond itself."""
    data = base64.b64encode(icon_svg).decode()
    return f'<link rel="icon" href="data:image/svg+xml;base64,{data}">\n'


def write_site(index, form, site_dir, icon_svg, desktop_file, worker):
    os.makedirs(site_dir, exist_ok=True)
    render_icons(icon_svg, form["background"], site_dir)
    with open(os.path.join(site_dir, "manifest.webmanifest"), "w", encoding="utf-8") as out:
        out.write(manifest_json(form, desktop_file))
    with open(os.path.join(site_dir, "index.html"), "w", encoding="utf-8") as out:
        out.write(index)

    # A new build of any file the worker keeps is a new cache: the version is their hash, so
    # that a new icon reaches an installed app as surely as a new page.
    files = ["./", "index.html", "manifest.webmanifest"] + [name for name, *_ in ICONS]
    version = hashlib.sha256()
    for name in files[1:]:
        with open(os.path.join(site_dir, name), "rb") as cached:
            content = cached.read()
        version.update(f"{name}\0{len(content)}\0".encode())
        version.update(content)
    with open(worker, encoding="utf-8") as worker_file:
        script = worker_file.read()
    script = script.replace("__VERSION__", version.hexdigest()[:16], 1)
    script = script.replace("__FILES__", json.dumps(files), 1)
    with open(os.path.join(site_dir, "sw.js"), "w", encoding="utf-8") as out:
        out.write(script)


def marks_config(form, form_dir):
    """The picture that marks a failing validity condition: its id, and its SVG as each condition
    marks it, in the order of the conditions."""
    picture = next(c for c in form["controls"] if "marks" in c)
    svgs = []
    for mark in sorted(picture["marks"], key=lambda m: m["condition"]):
        with open(os.path.join(form_dir, mark["svg"]), encoding="utf-8") as svg:
            svgs.append(picture_svg(svg.read(), picture))
    return {"picture": picture["name"], "svgs": svgs}


def working_config(working):
    controls = working["controls"]
    role = lambda r: next(c["name"] for c in controls if c["role"] == r)
    return dict(working_ids(working), heading=role("heading"), table=role("working"),
                drawing=next(c["name"] for c in controls if c["kind"] == "picture"),
                copy=role("copy"), print=role("print"), savePdf=role("savePdf"))


def page_config(form, form_dir, wasm, font_data):
    """What the page's module starts from. Inside a script element nothing may close it."""
    controls = form["controls"]
    with open(wasm, "rb") as wasm_file:
        wasm_data = base64.b64encode(wasm_file.read()).decode()
    return json.dumps({
        "wasm": wasm_data,
        "typeface": form["typeface"],
        "font": font_data,
        "form": form["name"],
        "fields": form["sideFields"],
        "button": next(c["name"] for c in controls if c["role"] == "calculate"),
        "results": form["resultLabels"],
        "sideKeys": form["sideKeys"],
        "decimalCommaKey": form["decimalCommaKey"],
        "outcomes": form["outcomes"],
        "announcement": ANNOUNCEMENT,
        "spokenResults": form["spokenResults"],
        "faultBox": form["faultBox"]["ids"],
        "faults": {f["outcome"]: {"name": f["name"], "explanation": f["explanation"]}
                   for f in form["faults"]},
        "message": next(c["name"] for c in controls if c["role"] == "message"),
        "marks": marks_config(form, form_dir),
        "openWorking": next(c["name"] for c in controls if c["role"] == "openWorking"),
        "working": working_config(form["workingForm"]),
    }, ensure_ascii=False).replace("</", "<\\/")


def form_size(form, controls=None):
    margin = form["narrowLayout"]["formMargin"]
    controls = controls or form["controls"]
    return (max(c["left"] + c["width"] for c in controls) + margin,
            max(c["top"] + c["height"] for c in controls) + margin)


def custom_properties(form):
    """The numbers and colours page.css takes from the description."""
    layout = form["narrowLayout"]
    colours = form["colours"]
    width, height = form_size(form)
    working_width, working_height = form_size(form, form["workingForm"]["controls"])
    field = next(c for c in form["controls"] if c["name"] == form["sideFields"][0])
    calculate = next(c for c in form["controls"] if c["role"] == "calculate")
    widest_block = max(b["width"] for g in layout["groups"] if g["style"] == "places"
                       for b in g["blocks"])
    properties = {
        "face": form["background"], "text": colours["text"],
        "field-ground": colours["fieldGround"], "border": colours["border"],
        "button-face": colours["buttonFace"], "focus-ring": colours["focusRing"],
        "typeface": f'"{form["typeface"]}"',
        "form-width": f"{width}px", "form-height": f"{height}px",
        "working-width": f"{working_width}px", "working-height": f"{working_height}px",
        "form-margin": f"{layout['formMargin']}px", "narrow-margin": f"{layout['margin']}px",
        "column-width": f"{layout['columnWidth']}px", "group-gap": f"{layout['groupGap']}px",
        "touch-target": f"{layout['touchTarget']}px", "widest-block": f"{widest_block}px",
        "field-text": f"{field['font']['pixelSize']:g}px",
        "working-top": f"{calculate['top'] + calculate['height'] + layout['formMargin']}px",
    }
    return ":root{" + ";".join(f"--{name}:{value}" for name, value in properties.items()) + "}"


def without_comments(text, opening, closing):
    return re.sub(re.escape(opening) + ".*?" + re.escape(closing) + r"\n?", "", text, flags=re.S)


def page_style(form):
    controls = form["controls"]
    working = form["workingForm"]["controls"]
    rules = "\n".join(control_style(c, i + 1) for i, c in enumerate(controls))
    rules += "".join("\n" + control_style(c, i + 1) for i, c in enumerate(working))
    rules += "".join("\n" + rule for c in controls if c["kind"] == "picture"
                     for rule in [drawn_part_rule(c)] if rule)
    with open(os.path.join(HERE, "page.css"), encoding="utf-8") as css:
        static = without_comments(css.read(), "/*", "*/")
    width, _ = form_size(form)
    return custom_properties(form) + "\n" + string.Template(static).substitute(
        controls=rules, narrow=f"(max-width:{width - 1}px)",
        narrowControls=narrow_styles(form),
        touchControls=touch_styles(controls + working, form["narrowLayout"]["touchTarget"]),
        workingNarrow=working_narrow_styles(form["workingForm"], form["narrowLayout"]))


def page(form, form_dir, script, config, links, worker):
    """The page from its skeleton, page.html. The module runs once the document is parsed,
    wherever it stands. Standing first, its data (the calculation and the typeface) are read
    before the markup, which then comes in one piece: the form is not laid out and painted
    half-made while the rest is still being read."""
    ids = form["faultBox"]["ids"]
    with open(os.path.join(HERE, "page.html"), encoding="utf-8") as skeleton:
        template = string.Template(without_comments(skeleton.read(), "<!--", "-->"))
    return ascii_page(template.substitute(
        title=html.escape(form["title"]), links=links, script=script, config=config,
        style=page_style(form), form=form["name"], groups=group_markup(form, form_dir),
        announcement=ANNOUNCEMENT,
        box=ids["box"], boxTitle=ids["title"], boxName=ids["name"],
        boxExplanation=ids["explanation"], boxButton=ids["button"],
        boxTitleText=html.escape(form["faultBox"]["title"]),
        boxButtonCaption=html.escape(form["faultBox"]["button"]), worker=worker,
        workingTitle=html.escape(form["workingForm"]["title"]),
        workingClose=html.escape(form["workingForm"]["close"]),
        workingControls=working_markup(form, form_dir),
        **{f"working_{key}": value for key, value in working_ids(form["workingForm"]).items()},
        workingHeading=next(c["name"] for c in form["workingForm"]["controls"]
                            if c["role"] == "heading")))


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    for name in ("form_dir", "wasm", "module", "font", "icon", "output"):
        parser.add_argument(name)
    parser.add_argument("--site", action="store_true",
                        help="write the site folder OUTPUT instead of the single file OUTPUT")
    parser.add_argument("--desktop-file")
    parser.add_argument("--worker")
    args = parser.parse_args()
    if args.site and not (args.desktop_file and args.worker):
        parser.error("--site needs --desktop-file and --worker")
    return args


def main():
    args = arguments()
    with open(os.path.join(args.form_dir, "form.json"), encoding="utf-8") as description:
        form = json.load(description)
    with open(args.icon, "rb") as icon_file:
        icon_svg = icon_file.read()
    with open(args.module, encoding="utf-8") as module_file:
        script = module_file.read()
    font_data = base64.b64encode(subset_font(args.font, shown_characters(form))).decode()
    config = page_config(form, args.form_dir, args.wasm, font_data)
    if args.site:
        index = page(form, args.form_dir, script, config, site_links(form), REGISTER_WORKER)
        write_site(index, form, args.output, icon_svg, args.desktop_file, args.worker)
    else:
        with open(args.output, "w", encoding="utf-8") as out:
            out.write(page(form, args.form_dir, script, config, single_file_links(icon_svg), ""))


if __name__ == "__main__":
    main()
