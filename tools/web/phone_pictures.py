#!/usr/bin/python3
"""Pictures of the player's page on a phone, in headless Chromium emulating a 390 × 844 touch
screen: upright with a race under way (its pads below it), and turned with the board's first box.

    /usr/bin/python3 tools/web/phone_pictures.py PAGE [OUTDIR]
"""

import base64
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import browser  # noqa: E402


def picture(driver, path):
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})
    path.write_bytes(base64.b64decode(shot["data"]))


def tap(driver, element, clicks=True):
    browser.tap(driver, element, clicks)
    browser.page_step(driver, ["settle"])


def main():
    page = pathlib.Path(sys.argv[1]).resolve()
    out = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "docs")
    driver = browser.chromium()
    try:
        browser.emulate_phone(driver, 390, 844)
        browser.open_driven(driver, page)
        tap(driver, browser.widget(driver, "Form4", "Command1"))
        tap(driver, browser.widget(driver, "Form1", "Command3"))
        browser.page_step(driver, ["advance", 3500])
        tap(driver, driver.find_element("css selector", '[data-key="39"]'), clicks=False)
        browser.page_step(driver, ["advance", 100])
        picture(driver, out / "phone-portrait.png")
        browser.emulate_phone(driver, 844, 390)
        browser.open_driven(driver, page)
        tap(driver, browser.widget(driver, "Form4", "Command4"))
        tap(driver, browser.widget(driver, "Form5", "Command2"))
        browser.page_step(driver, ["advance", 50])
        picture(driver, out / "phone-landscape.png")
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
