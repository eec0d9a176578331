#!/usr/bin/python3
"""Renders every window of the page in its main states into PNG files: the scenes of
tools/screenshots/scenes/ played in the scenario runner's page, minigames-sim.html, in headless
Chromium, each `shot FORM FILE` taking a picture of that window as the page shows it (the
player's page draws its windows with the same code); and page.png, the whole page with every
game under way (the README's picture of the page).

    /usr/bin/python3 tools/web/render_page.py SIM_PAGE [OUTDIR]
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import browser

SCENES = pathlib.Path(__file__).resolve().parents[1] / "screenshots" / "scenes"
# Every game under way: a stroke graded "Great", the feed passed, the cards laid, the dice thrown.
EVERY_GAME = """rnd 0.5 0.25
click Form4.Command1
click Form1.Command3
wait 3510
key Form1 39
click Form4.Command3
wait 4200
click Form2.Command1
click Form2.Command2
click Form2.Command3
click Form4.Command2
rnd 0.05
click Form3.Command1(0)
click Form4.Command4
rnd 0.0 0.015 0.025 0.5 0.0 0.15 0.3 0.9 0.9 0.9
click Form5.Command1
wait 2600
"""


def render(page, out):
    out.mkdir(parents=True, exist_ok=True)
    driver = browser.chromium()
    try:
        for scene in sorted(SCENES.glob("*.txt")):
            browser.open_simulated(driver, page)
            pending = []
            for line in scene.read_text(encoding="utf-8").splitlines():
                words = line.split()
                if words[:1] == ["shot"] and len(words) == 3:
                    browser.simulate(driver, "\n".join(pending) + "\n")
                    pending = []
                    window = driver.find_element("css selector", f'[data-form="{words[1]}"]')
                    if not window.is_displayed():
                        print(f"{scene.name}: {words[1]} is not shown for {words[2]}",
                              file=sys.stderr)
                        return 1
                    browser.shoot(driver, window, out / words[2])
                elif words[:1] != ["boxshot"]:
                    pending.append(line)
            errors = browser.console_errors(driver)
            if errors:
                print(f"{scene.name}: " + "\n".join(errors), file=sys.stderr)
                return 1
        browser.open_simulated(driver, page)
        browser.simulate(driver, EVERY_GAME)
        driver.execute_script("scrollTo(0, 0)")
        browser.shoot(driver, driver.find_element("css selector", "html"), out / "page.png",
                      scale=0.75)
    finally:
        driver.quit()
    return 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(render(pathlib.Path(sys.argv[1]).resolve(),
                    pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "docs/page-screens")))
