#!/usr/bin/python3
"""Makes a page: an HTML template with everything built in, so that the one file opens anywhere,
offline. The player's page, minigames.html (--play), holds the page's script (its modules as
esbuild bundled them), the calls the program makes as it starts (which the page plays back to
show the menu at once), the program on the real clock, the drawings of assets/, the icon and the
text face. The scenario runner's page, minigames-sim.html (--sim), holds the same view with the
program on a virtual clock instead.

With --site-output, the player's page is also written for a web address, as index.html in that
folder with the program's script, its code and the drawings as files beside it: the browser
fetches, unpacks and compiles them off the page's thread, which only has to read a page a third
the size. make_site.py lays out the rest of the site around them.

The title, the short name, the colours and the site's files come from the page's facts
(facts.json, written from the program's own definitions).

The face is IPA P Gothic cut down to the characters the collection shows (every character of
its sources and drawings that is not ASCII, and all of printable ASCII), renamed as the IPA Font
License asks of a derived font, and stored in the page as a web font. The licence, with a note on
where the face comes from and how to put the original back, is written beside the page.
"""

import argparse
import base64
import gzip
import html
import io
import json
import pathlib
import re
import subprocess
import sys
import tempfile

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "SoruneGothic"
SOURCE_SUFFIXES = {".cpp", ".h", ".js", ".html", ".svg"}


def shown_characters(roots):
    characters = {chr(code) for code in range(0x20, 0x7F)}
    for root in roots:
        for path in sorted(pathlib.Path(root).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES and path.is_file():
                text = path.read_text(encoding="utf-8")
                characters.update(c for c in text if ord(c) > 0x7E and c.isprintable())
    return "".join(sorted(characters))


def slimmed(svg):
    """A drawing without what the page never shows: the XML declaration, comments, titles and the
    indentation between elements."""
    svg = re.sub(r"<\?xml[^>]*\?>", "", svg)
    svg = re.sub(r"<!--.*?-->", "", svg, flags=re.S)
    svg = re.sub(r"<title>.*?</title>", "", svg, flags=re.S)
    return re.sub(r">\s+<", "><", svg).strip()


def drawings(assets):
    """Every drawing by its name ("swim/pool"), as JSON the page reads when it first wants one."""
    table = {path.relative_to(assets).with_suffix("").as_posix():
             slimmed(path.read_text(encoding="utf-8"))
             for path in sorted(assets.glob("*/*.svg"))}
    return json.dumps(table, ensure_ascii=False, separators=(",", ":"))


def subset_face(font_path, characters):
    """The face as WOFF2, which the page hands the browser as it starts. Its substitution tables
    serve vertical writing only, which the page never uses, and slow down the first layout."""
    options = subset.Options()
    options.hinting = False
    options.desubroutinize = True
    options.flavor = "woff2"
    options.layout_features = []
    options.drop_tables += ["GSUB", "GDEF"]
    font = TTFont(font_path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)
    # A derived font must not carry the original's name.
    for record in font["name"].names:
        if record.nameID in (1, 4, 16, 21):
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = FAMILY + "-Regular"
        elif record.nameID == 3:
            record.string = FAMILY + ";subset"
    font.flavor = options.flavor
    data = io.BytesIO()
    font.save(data)
    return data.getvalue()


def first_picture(node, play, drawings_json):
    """The calls the program makes on the page as it starts, as JSON (see first_picture.js)."""
    with tempfile.NamedTemporaryFile("w", suffix=".json", encoding="utf-8") as table:
        table.write(drawings_json)
        table.flush()
        recorder = pathlib.Path(__file__).with_name("first_picture.js")
        calls = subprocess.run([node, str(recorder), str(play), table.name], check=True,
                               stdout=subprocess.PIPE, text=True).stdout
    return json_in_html(json.loads(calls))


def tab_icon(rsvg, icon):
    """The icon for the browser's tab, drawn as a PNG: a browser draws an SVG icon as a document
    of its own on the page's thread, as the page starts, where a PNG is decoded at once."""
    return subprocess.run([rsvg, "--width", "48", "--height", "48", icon],
                          stdout=subprocess.PIPE, check=True).stdout


def script(path):
    text = pathlib.Path(path).read_text(encoding="utf-8")
    if "</script" in text.lower():
        sys.exit(f"{path} holds </script, which would end its element early")
    return text


def json_in_html(data):
    """JSON for a <script type="application/json"> element, which nothing inside may end."""
    return json.dumps(data, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/")


def style(path, facts):
    """The style sheet with the page's colours as custom properties (--frame-dark) before it."""
    colours = "".join(f"--{name}:{value};" for name, value in facts["colours"].items())
    return f":root{{{colours}}}" + pathlib.Path(path).read_text(encoding="utf-8")


def packed(data):
    """Gzipped Base64 text, which no script engine parses and the HTML parser passes over
    quickly."""
    return base64.b64encode(gzip.compress(data, 9, mtime=0)).decode("ascii")


def held(element_id, data):
    """An element of the page holding `data` gzipped (contents.js unpacks it)."""
    return f'<script type="text/plain" id="{element_id}">{packed(data)}</script>'


def named(element_id, file_name, kind):
    """An element naming the file beside the page that holds what `held` would: the browser
    fetches it early, and contents.js reads it from there."""
    return (f'<link rel="preload" id="{element_id}" href="{html.escape(file_name)}" as="{kind}"'
            f'{" crossorigin" if kind == "fetch" else ""}>')


# The files of the player's page for a web address, with the kind of fetch each is preloaded as.
SITE_FILES = {"minigames-drawings": ("drawings.json", "fetch"),
              "minigames-play-code": ("minigames.wasm", "fetch"),
              "minigames-play-program": ("minigames.js", "script")}


NOTICE = """The text face of minigames.html, {family}, is a subset of IPA P Gothic (IPAPGothic),
made with fontTools from {font} and renamed as the licence below requires. It holds only the
characters the collection shows. It is licensed under the IPA Font License Agreement v1.0,
whose text follows.

To use the original face instead, install IPA P Gothic (on Debian and Ubuntu: apt install
fonts-ipafont-gothic) and remove the @font-face rule from the page's style sheet: the page then
falls back to IPAPGothic installed on the system.

"""


def slot(element_id):
    """The template's slot for an element: "{{PLAY_CODE}}" for "minigames-play-code"."""
    return "{{" + element_id.removeprefix("minigames-").replace("-", "_").upper() + "}}"


def filled(template, name, parts):
    page = template
    for text_slot, text in parts.items():
        page = page.replace(text_slot, text)
    left = sorted(set(re.findall(r"\{\{[A-Z_]+\}\}", page)))
    if left:
        sys.exit(f"{name}: nothing to put in {', '.join(left)}")
    return page


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--template", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--script", required=True, help="the page's script, bundled")
    parser.add_argument("--style", required=True, help="the page's style sheet, minified")
    parser.add_argument("--facts", required=True, help="the page's facts, facts.json")
    program = parser.add_mutually_exclusive_group(required=True)
    program.add_argument("--play", help="the program on the real clock (its .wasm beside it)")
    program.add_argument("--sim", help="the program on a virtual clock (its .wasm beside it)")
    parser.add_argument("--node", default="node", help="node, to run the program once")
    parser.add_argument("--font", required=True)
    parser.add_argument("--face-output", help="the text face as cut down, for the bench")
    parser.add_argument("--icon", help="the player's page's icon (SVG)")
    parser.add_argument("--rsvg", default="rsvg-convert", help="rsvg-convert, to draw the icon")
    parser.add_argument("--assets", required=True, help="the folder of the drawings")
    parser.add_argument("--licence", help="the font's licence text, for the player's page")
    parser.add_argument("--licence-output")
    parser.add_argument("--site-output", help="a folder for the player's page for a web address")
    parser.add_argument("roots", nargs="+", help="folders whose text the page shows")
    args = parser.parse_args()

    facts = json.loads(pathlib.Path(args.facts).read_text(encoding="utf-8"))
    face = subset_face(args.font, shown_characters(args.roots))
    drawings_json = drawings(pathlib.Path(args.assets))
    parts = {
        "{{TITLE}}": html.escape(facts["title"]),
        "{{STYLE}}": style(args.style, facts),
        "{{FONT}}": base64.b64encode(face).decode("ascii"),
        "{{PAGE_SCRIPT}}": script(args.script),
    }
    # Everything the first picture does not need is gzipped: the less the browser has to read
    # before it, the sooner the menu is on the screen.
    contents = {"minigames-drawings": drawings_json.encode("utf-8")}
    if args.play:
        play = pathlib.Path(args.play)
        parts.update({
            "{{SHORT_NAME}}": html.escape(facts["shortName"]),
            "{{THEME_COLOUR}}": facts["colours"][facts["themeColour"]],
            "{{TOUCH_ICON}}": html.escape(facts["site"]["touchIcon"]),
            "{{ICON}}": "data:image/png;base64," +
                        base64.b64encode(tab_icon(args.rsvg, args.icon)).decode("ascii"),
            "{{FIRST_PICTURE}}": first_picture(args.node, play, drawings_json),
        })
        # The program's script is read only after the first picture too.
        contents.update({"minigames-play-code": play.with_suffix(".wasm").read_bytes(),
                         "minigames-play-program": script(play).encode("utf-8")})
    else:
        sim = pathlib.Path(args.sim)
        parts["{{SIM_PROGRAM}}"] = script(sim)
        contents["minigames-sim-code"] = sim.with_suffix(".wasm").read_bytes()
    template = pathlib.Path(args.template).read_text(encoding="utf-8")
    page = filled(template, args.template,
                  {**parts, **{slot(name): held(name, data) for name, data in contents.items()}})
    pathlib.Path(args.output).write_text(page, encoding="utf-8")
    if args.site_output:
        if not args.play:
            sys.exit("--site-output is for the player's page (--play)")
        site = pathlib.Path(args.site_output)
        site.mkdir(parents=True, exist_ok=True)
        for old in site.iterdir():
            old.unlink()
        for name, data in contents.items():
            (site / SITE_FILES[name][0]).write_bytes(data)
        (site / "index.html").write_text(
            filled(template, args.template,
                   {**parts, **{slot(name): named(name, *SITE_FILES[name]) for name in contents}}),
            encoding="utf-8")
    if args.face_output:
        pathlib.Path(args.face_output).write_bytes(face)
    if args.licence:
        licence = pathlib.Path(args.licence).read_text(encoding="utf-8")
        pathlib.Path(args.licence_output).write_text(
            NOTICE.format(family=FAMILY, font=args.font) + licence, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
