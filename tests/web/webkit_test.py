#!/usr/bin/python3
"""The player's page in WebKitGTK's MiniBrowser through WebKitWebDriver, under Xvfb: opened from
disk it plays a race and the board's first box from tools/web/page_steps.json with clicks and
keys (WebKitGTK emulates no touch).

    xvfb-run -a webkit_test.py PAGE
"""

import pathlib
import sys
import unittest
import warnings

from selenium import webdriver

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


class WebKitPage(unittest.TestCase):
    page = None

    def test_the_page_plays_with_clicks_and_keys(self):
        # Selenium 4.8's WebKitGTK driver passes arguments it has itself deprecated.
        warnings.filterwarnings("ignore", category=DeprecationWarning)
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
        self.addCleanup(driver.quit)
        browser.open_driven(driver, self.page)
        browser.play(driver, browser.STEPS["openRace"] + browser.STEPS["strokeNearR"] +
                     browser.STEPS["strokeFarFromL"] + browser.STEPS["boardsFirstBox"],
                     browser.mouse_and_keys(driver))
        browser.page_step(driver, ["expect", ["complaints"], [[]]])


if __name__ == "__main__":
    WebKitPage.page = pathlib.Path(sys.argv[1]).resolve()
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
