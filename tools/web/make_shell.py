#!/usr/bin/python3
"""Makes the page's shell: the HTML template with the text face and the icon built in.

The face is IPA P Gothic cut down to the characters the collection shows (every character of
its sources and drawings that is not ASCII, and all of printable ASCII), renamed as the IPA Font
License asks of a derived font, and stored in the page as a web font. The licence, with a note on
where the face comes from and how to put the original back, is written beside the page.
"""

import argparse
import base64
import io
import pathlib
import sys

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


def subset_face(font_path, characters):
    options = subset.Options()
    options.hinting = False
    options.desubroutinize = True
    try:
        import brotli  # noqa: F401  (WOFF2 needs it)
        options.flavor = "woff2"
    except ImportError:
        options.flavor = "woff"
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
    return data.getvalue(), options.flavor


NOTICE = """The text face of minigames.html, {family}, is a subset of IPA P Gothic (IPAPGothic),
made with fontTools from {font} and renamed as the licence below requires. It holds only the
characters the collection shows. It is licensed under the IPA Font License Agreement v1.0,
whose text follows.

To use the original face instead, install IPA P Gothic (on Debian and Ubuntu: apt install
fonts-ipafont-gothic) and remove the @font-face rule from the page's style sheet: the page then
falls back to IPAPGothic installed on the system.

"""


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--template", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--font", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--licence", required=True, help="the font's licence text")
    parser.add_argument("--licence-output", required=True)
    parser.add_argument("roots", nargs="+", help="folders whose text the page shows")
    args = parser.parse_args()

    face, flavor = subset_face(args.font, shown_characters(args.roots))
    icon = pathlib.Path(args.icon).read_bytes()
    shell = pathlib.Path(args.template).read_text(encoding="utf-8")
    shell = shell.replace("{{FONT}}", base64.b64encode(face).decode("ascii"))
    shell = shell.replace("{{FONT_TYPE}}", "font/" + flavor)
    shell = shell.replace("{{FONT_FORMAT}}", flavor)
    shell = shell.replace("{{ICON}}",
                          "data:image/svg+xml;base64," + base64.b64encode(icon).decode("ascii"))
    pathlib.Path(args.output).write_text(shell, encoding="utf-8")
    licence = pathlib.Path(args.licence).read_text(encoding="utf-8")
    pathlib.Path(args.licence_output).write_text(
        NOTICE.format(family=FAMILY, font=args.font) + licence, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
