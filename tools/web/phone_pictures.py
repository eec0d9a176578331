#!/usr/bin/python3
"""Pictures of the player's page on a phone, in headless Chromium emulating a 390 × 844 touch
screen, upright and turned: the race window about to start, with its twins (the paces and Start,
a slow pace chosen on them) and its pads below it.

    /usr/bin/python3 tools/web/phone_pictures.py PAGE [OUTDIR]
"""

import base64
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import browser


def picture(driver, path):
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})
    path.write_bytes(base64.b64decode(shot["data"]))


def main():
    page = pathlib.Path(sys.argv[1]).resolve()
    out = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "docs")
    driver = browser.chromium()
    try:
        for width, height, name in (390, 844, "phone-portrait.png"), (844, 390, "phone-landscape.png"):
            browser.emulate_phone(driver, width, height)
            browser.open_driven(driver, page)
            browser.play(driver, browser.STEPS["openRace"][:1], browser.taps(driver))
            browser.tap(driver, driver.find_element("css selector",
                                                    '.twin[data-for="Form1.Option1(2)"]'),
                        settle=True)
            picture(driver, out / name)
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
