#!/usr/bin/python3
"""axe-core's rules (WCAG 2.2 A and AA, and its best practices) on the player's page in headless
Chromium: the menu, each game open, and a message box open, on a desktop and on a phone of
390 × 844 with touch. No violation.

    rules_test.py PAGE
"""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser

AXE = pathlib.Path(__file__).with_name("node_modules") / "axe-core" / "axe.min.js"
TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
RUN_AXE = """
const done = arguments[arguments.length - 1];
axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}, resultTypes: ['violations']})
  .then((result) => done(result.violations.map((v) => [v.id, v.nodes.map((n) => n.target)])),
        (error) => done([['axe failed', String(error)]]));
"""
# Each scene is reached by the steps before it: the menu, then each game opened from it, the
# board last, up to its first box. On a phone, one window at a time; on a desktop, side by side.
BOX = browser.STEPS["boardsFirstBox"][:3]
OPEN = [["click", "Form4.Command1"], ["click", "Form4.Command3"], ["click", "Form4.Command2"],
        BOX[0]]
ON_A_PHONE = [("the menu", []), ("the race", OPEN[:1]), ("the journey", OPEN[1:2]),
              ("the duel", OPEN[2:3]), ("the board", OPEN[3:]), ("the board's first box", BOX[1:])]
ON_A_DESKTOP = [("the menu", []), ("every game", OPEN), ("the board's first box", BOX[1:])]

# The race's three pace options stand closer than 24 px at phone scale; on a touch screen their
# thumb-sized twins beside the pads are the targets that count (an equivalent control).
CROWDED_ON_A_PHONE = ["target-size", [[f'label[data-id="{n}"] > input[type="radio"][name='
                                       '"options-Form1"]'] for n in (28, 29, 30)]]


def bringing_to_front(driver, player):
    """A player on one window at a time: a window's button on the bar first when it is hidden."""
    def click(where):
        form = where.split(".")[0]
        if not driver.execute_script(
                f"return document.querySelector('[data-form=\"{form}\"]').getClientRects().length"):
            browser.tap(driver, driver.find_element(
                "css selector", f'#windows [data-front="{form}"]'))
            browser.page_step(driver, ["settle"])
        player["click"](where)
    return dict(player, click=click)


class Rules(unittest.TestCase):
    page = None

    def check(self, driver, screen, scenes, player, allowed=()):
        browser.open_driven(driver, self.page)
        driver.execute_script(AXE.read_text(encoding="utf-8"))
        driver.set_script_timeout(30)
        for scene, steps in scenes:
            browser.play(driver, steps, player)
            with self.subTest(scene, screen=screen):
                violations = driver.execute_async_script(RUN_AXE, TAGS)
                self.assertEqual([v for v in violations if v not in allowed], [])
        self.assertEqual(browser.console_errors(driver), [])

    def test_on_a_desktop_and_on_a_phone_with_touch(self):
        # One browser for both: starting one is the slowest step of all.
        driver = browser.chromium(1280, 1000)
        self.addCleanup(driver.quit)
        self.check(driver, "1280x1000", ON_A_DESKTOP, browser.mouse_and_keys(driver))
        browser.emulate_phone(driver, 390, 844)
        self.check(driver, "390x844", ON_A_PHONE, bringing_to_front(driver, browser.taps(driver)),
                   [CROWDED_ON_A_PHONE])


if __name__ == "__main__":
    Rules.page = pathlib.Path(sys.argv.pop(1)).resolve()
    unittest.main(verbosity=2)
