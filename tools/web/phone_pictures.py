#!/usr/bin/python3
"""Pictures of the player's page on a phone, in headless Chromium emulating a 390 × 844 touch
screen: upright with a race under way (its pads below it), and turned with the board's first box.

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
        browser.emulate_phone(driver, 390, 844)
        browser.open_driven(driver, page)
        browser.play(driver, browser.STEPS["openRace"] + browser.STEPS["strokeNearR"] +
                     [["advance", 100]], browser.taps(driver))
        picture(driver, out / "phone-portrait.png")
        browser.emulate_phone(driver, 844, 390)
        browser.open_driven(driver, page)
        # The board's first box, left open.
        browser.play(driver, browser.STEPS["boardsFirstBox"][:3], browser.taps(driver))
        picture(driver, out / "phone-landscape.png")
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
