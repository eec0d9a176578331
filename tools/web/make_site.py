#!/usr/bin/python3
"""Lays out the player's page as a site for any static host: build/web/site/ with the page for a
web address (index.html and the program's files beside it, as make_page.py wrote them), a web app
manifest, the icons it and the page name, drawn from the program's icon at
build time, the text face's licence, and a service worker that keeps all of them for offline
play (app/web/site/sw.js, with the name of this build and its files filled in).

The names of the files the page names (its manifest, service worker and home-screen icon), the
title, the short name and the colours come from the page's facts, as the page took them.

    make_site.py --page site-page/ --icon icon.svg --facts facts.json
                 --service-worker sw.js --licence FONT-LICENSE.txt --output site/
"""

import argparse
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import sys

# (file, size in px, purpose, share of the side the drawing takes, opaque). A maskable icon
# keeps its drawing inside the middle circle of 80 % of the side, which any mask leaves whole:
# a square drawing of 56 % fits in it.
APP_ICONS = [("icon-192.png", 192, "any", 0.9, False),
             ("icon-512.png", 512, "any", 0.9, False),
             ("icon-maskable-512.png", 512, "maskable", 0.56, True)]
# iOS puts an opaque icon on the home screen and rounds its corners itself.
TOUCH_ICON = (180, 0.76)


def framed_icon(icon_svg, size, share, background):
    """The icon drawing centred on a square of `size` px, taking `share` of its side."""
    svg = re.sub(r"<\?xml[^>]*\?>", "", icon_svg).strip()
    opening = re.match(r"<svg\b[^>]*>", svg)
    if not opening or "viewBox" not in opening.group(0):
        sys.exit("the icon's <svg> has no viewBox: it cannot be scaled")
    side = size * share
    offset = (size - side) / 2
    tag = re.sub(r'\s(?:x|y|width|height)="[^"]*"', "", opening.group(0))
    tag = tag[:-1] + f' x="{offset}" y="{offset}" width="{side}" height="{side}">'
    fill = f'<rect width="{size}" height="{size}" fill="{background}"/>' if background else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}">{fill}{tag}{svg[opening.end():]}</svg>')


def render_png(rsvg, svg, size):
    return subprocess.run([rsvg, "--width", str(size), "--height", str(size)],
                          input=svg.encode("utf-8"), stdout=subprocess.PIPE, check=True).stdout


def manifest(facts, icons):
    colours = facts["colours"]
    return json.dumps({
        "name": facts["title"],
        "short_name": facts["shortName"],
        "lang": "ja",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": colours["background"],
        "theme_color": colours[facts["themeColour"]],
        "icons": [{"src": name, "sizes": f"{size}x{size}", "type": "image/png",
                   "purpose": purpose} for name, size, purpose, _, _ in icons],
    }, ensure_ascii=False, indent=2) + "\n"


def service_worker(source, files):
    """The worker with this build's name, made from the contents of every file it keeps, so that
    any change to the site makes a new cache."""
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode("utf-8") + b"\0" + hashlib.sha256(files[name]).digest())
    kept = ["./"] + sorted(files)
    return (source.replace("{{BUILD}}", digest.hexdigest()[:16])
            .replace("{{FILES}}", json.dumps(kept)))


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--page", required=True,
                        help="the folder of the player's page for a web address")
    parser.add_argument("--icon", required=True, help="the program's icon drawing (SVG)")
    parser.add_argument("--facts", required=True, help="the page's facts, facts.json")
    parser.add_argument("--service-worker", required=True, help="app/web/site/sw.js")
    parser.add_argument("--licence", required=True, help="the text face's licence")
    parser.add_argument("--rsvg", default="rsvg-convert")
    parser.add_argument("--output", required=True, help="the site's folder, laid out anew")
    args = parser.parse_args()

    facts = json.loads(pathlib.Path(args.facts).read_text(encoding="utf-8"))
    site = facts["site"]
    # Behind the drawing where an icon must be opaque: the page's own background.
    background = facts["colours"]["background"]
    worker = pathlib.Path(args.service_worker)
    if worker.name != site["worker"]:
        sys.exit(f"{worker} is not the worker the page registers, {site['worker']}")
    icon_svg = pathlib.Path(args.icon).read_text(encoding="utf-8")

    files = {path.name: path.read_bytes() for path in sorted(pathlib.Path(args.page).iterdir())}
    files[pathlib.Path(args.licence).name] = pathlib.Path(args.licence).read_bytes()
    for name, size, _, share, opaque in APP_ICONS:
        files[name] = render_png(args.rsvg,
                                 framed_icon(icon_svg, size, share, background if opaque else None),
                                 size)
    size, share = TOUCH_ICON
    files[site["touchIcon"]] = render_png(args.rsvg,
                                          framed_icon(icon_svg, size, share, background), size)
    files[site["manifest"]] = manifest(facts, APP_ICONS).encode("utf-8")
    worker_text = service_worker(worker.read_text(encoding="utf-8"), files)
    files[worker.name] = worker_text.encode("utf-8")

    output = pathlib.Path(args.output)
    if output.exists():
        shutil.rmtree(output)
    output.mkdir(parents=True)
    for name, data in files.items():
        (output / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
