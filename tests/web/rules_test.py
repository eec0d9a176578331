#!/usr/bin/python3
"""axe-core's rules (WCAG 2.2 A and AA, best practices) find nothing on the player's page: the
menu, each game, a box, on a desktop and on a phone with touch.   rules_test.py PAGE"""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser

AXE = pathlib.Path(__file__).with_name("node_modules") / "axe-core" / "axe.min.js"
RUN_AXE = """axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa',
  'best-practice'], resultTypes: ['violations']}).then((result) => arguments[0](
  result.violations.map((v) => [v.id, v.nodes.map((n) => n.target)])),
  (error) => arguments[0](String(error)));"""
BOX = browser.STEPS["boardsFirstBox"][:3]
OPEN = [["click", f"Form4.Command{n}"] for n in (1, 3, 2)] + BOX[:1]
# On a phone one window at a time, so each game is seen alone; on a desktop side by side.
ON_A_PHONE = [[], *([step] for step in OPEN), BOX[1:]]
ON_A_DESKTOP = [[], OPEN, BOX[1:]]
# The race's pace options stand closer than 24 px on a phone: their thumb-sized twins beside the
# pads are the targets there (an equivalent control).
CROWDED = ["target-size", [[f'label[data-id="{n}"] > input[type="radio"][name="options-Form1"]']
                           for n in (28, 29, 30)]]


class Rules(unittest.TestCase):
    def check(self, driver, scenes, player, allowed=()):
        browser.open_driven(driver, self.page)
        driver.execute_script(AXE.read_text(encoding="utf-8"))
        for steps in scenes:
            browser.play(driver, steps, player)
            with self.subTest(steps=steps, phone=bool(allowed)):
                found = driver.execute_async_script(RUN_AXE)
                self.assertEqual([v for v in found if v not in allowed], [])
        self.assertEqual(browser.console_errors(driver), [])

    def test_on_a_desktop_and_on_a_phone_with_touch(self):
        driver = browser.chromium(1280, 1000)  # one browser for both: starting one is slow
        self.addCleanup(driver.quit)
        self.check(driver, ON_A_DESKTOP, browser.mouse_and_keys(driver))
        browser.emulate_phone(driver, 390, 844)
        taps = browser.taps(driver)

        def menu_in_front_then_tap(where):
            if where.startswith("Form4") and not driver.find_element(
                    "css selector", browser.selector("Form4")).is_displayed():
                bar = driver.find_element("css selector", '#windows [data-front="Form4"]')
                browser.tap(driver, bar, settle=True)
            taps["click"](where)
        self.check(driver, ON_A_PHONE, dict(taps, click=menu_in_front_then_tap), [CROWDED])


if __name__ == "__main__":
    Rules.page = pathlib.Path(sys.argv.pop(1)).resolve()
    unittest.main(verbosity=2)
