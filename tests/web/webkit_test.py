#!/usr/bin/python3
"""The player's page in WebKitGTK's MiniBrowser through WebKitWebDriver, under Xvfb: opened from
disk it plays the steps of engines_scenario.json with clicks and keys (WebKitGTK emulates no
touch).

    xvfb-run -a webkit_test.py PAGE
"""

import json
import pathlib
import sys
import unittest
import warnings

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser  # noqa: E402

HERE = pathlib.Path(__file__).parent
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
KEYS = {"ArrowLeft": Keys.ARROW_LEFT, "ArrowRight": Keys.ARROW_RIGHT}


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
        scenario = json.loads((HERE / "engines_scenario.json").read_text(encoding="utf-8"))
        for step in scenario["plays"]:
            if step[0] == "click":
                driver.find_element(By.CSS_SELECTOR, step[1]).click()
            elif step[0] == "key":
                ActionChains(driver).send_keys(KEYS[step[1]]).perform()
            browser.page_step(driver, ["settle"] if step[0] in ("click", "key") else step)


if __name__ == "__main__":
    WebKitPage.page = pathlib.Path(sys.argv[1]).resolve()
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
