#!/usr/bin/python3
"""The player's page on phones, in headless Chromium emulating a touch screen at 360 × 640 and
390 × 844, upright and turned, played by taps alone: every window fits with no sideways scroll,
one at a time, switched from the bar; the pigeon is hit where it is drawn in a scaled window; the
board's boxes come up over their window and are answered by a tap; a race is stroked on the pads
to its end; a fast double tap never zooms.

    phone_test.py PAGE
"""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser

SIZES = ((360, 640), (640, 360), (390, 844), (844, 390))
# The menu's buttons and the windows they open, the race last.
GAMES = (("Command3", "Form2"), ("Command2", "Form3"), ("Command4", "Form5"), ("Command1", "Form1"))
# What the player sees: the page's scroll and zoom, the windows shown, the bar, the one in front
# with its box on the screen and its scale, where the focus is, the pads and the hint.
SEEN = """
const box = (e) => ['left', 'top', 'right', 'bottom'].map((s) => e.getBoundingClientRect()[s]);
const shown = Array.from(document.querySelectorAll('section.window')).filter((w) => w.offsetWidth);
const [front, dialog] = [shown[0], document.querySelector('dialog[open]')];
return {
  overflow: document.documentElement.scrollWidth - innerWidth, scrollX, zoom: visualViewport.scale,
  shown: shown.map((w) => w.dataset.form),
  bar: Array.from(document.querySelectorAll('#windows [data-front]'), (b) => b.dataset.front),
  barRight: Math.max(...Array.from(document.querySelectorAll('#windows *'), (b) => box(b)[2])),
  pressed: document.querySelector('#windows [aria-pressed="true"]')?.dataset.front,
  box: front && box(front), scale: front && front.getBoundingClientRect().width / front.offsetWidth,
  focused: Boolean(front && front.contains(document.activeElement)),
  pads: Array.from(front?.querySelectorAll('.pad') ?? [], (p) => [p.dataset.key, ...box(p)]),
  hint: !document.getElementById('turn').hidden,
  dialog: dialog && [dialog.closest('[data-form]').dataset.form, ...box(dialog),
                     document.activeElement.textContent],
  // Whatever answers a tap takes no gesture of the browser's own (no double-tap zoom on iOS).
  gestures: Array.from(document.querySelectorAll('button, label, [role="button"], .pad'))
    .filter((e) => e.getClientRects().length > 0 && getComputedStyle(e).touchAction !== 'none')
    .map((e) => e.outerHTML.slice(0, 60)),
};
"""


class Phone(unittest.TestCase):
    page = None

    @classmethod
    def setUpClass(cls):
        cls.driver = browser.chromium()
        cls.facts = browser.facts(cls.page)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def widget(self, form, name):
        return browser.widget(self.driver, form, name)

    def tap(self, element, clicks=True):
        browser.tap(self.driver, element, clicks)
        self.step("settle")

    def step(self, *step):
        browser.page_step(self.driver, list(step))

    def seen(self):
        return self.driver.execute_script(SEEN)

    def switch_to(self, form):
        self.tap(self.driver.find_element("css selector", f'#windows [data-front="{form}"]'))

    def assert_fits(self, form, width, height):
        seen = self.seen()
        self.assertEqual((seen["shown"], seen["pressed"]), ([form], form))
        self.assertEqual((seen["overflow"], seen["scrollX"], seen["zoom"]), (0, 0, 1))
        left, top, right, bottom = seen["box"]
        self.assertTrue(left >= 0 and top >= 0 and right <= width and bottom <= height, seen)
        self.assertTrue(seen["focused"], "the keys go to the window in front")
        self.assertLessEqual(seen["barRight"], width)
        # The hint to turn the device only for a window shown much smaller than on a desktop.
        self.assertFalse(seen["hint"] and seen["scale"] >= 0.75, seen)
        self.assertEqual(seen["gestures"], [])
        for key, _, pad_top, pad_right, pad_bottom in seen["pads"]:
            self.assertGreaterEqual(pad_bottom - pad_top, 64)
            self.assertTrue(pad_top >= top and pad_right <= width and pad_bottom <= height)
        # The keys the window is played with, as the program declares them.
        self.assertEqual([pad[0] for pad in seen["pads"]],
                         [str(key["code"]) for key in self.facts["windows"][form]["keys"]])

    def test_every_game_is_played_by_taps_on_phones_upright_and_turned(self):
        for width, height in SIZES:
            with self.subTest(size=f"{width}x{height}"):
                browser.emulate_phone(self.driver, width, height)
                browser.open_driven(self.driver, self.page)
                self.play(width, height)
                self.step("expect", ["complaints"], [[]])

    def play(self, width, height):
        # Each game opened from the menu comes to the front; the bar goes back to the menu.
        self.assert_fits("Form4", width, height)
        for button, form in GAMES:
            self.switch_to("Form4")
            self.assert_fits("Form4", width, height)
            self.tap(self.widget("Form4", button))
            self.assert_fits(form, width, height)
        self.assertEqual(self.seen()["bar"], ["Form4", "Form2", "Form3", "Form5", "Form1"])
        for _, form in GAMES:
            self.switch_to(form)
            self.assert_fits(form, width, height)

        # The pigeon, shown after 17 s, is hit where it is drawn in the scaled window.
        self.step("advance", 17000)
        self.switch_to("Form2")
        self.assertFalse(self.widget("Form2", "Label2").is_displayed())
        self.tap(self.widget("Form2", "Image1"))
        self.assertTrue(self.widget("Form2", "Label2").is_displayed())

        # The board's boxes come up over the board, with OK focused, whichever window is in
        # front: the player goes back to the race after each.
        self.switch_to("Form5")
        self.tap(self.widget("Form5", "Command2"))
        boxes = 0
        for _ in range(12):
            dialog = self.seen()["dialog"]
            if dialog:
                boxes += 1
                form, left, top, right, bottom, focused = dialog
                self.assertEqual((form, focused), ("Form5", "OK"))
                self.assertTrue(left >= 0 and top >= 0 and right <= width and bottom <= height)
                self.assertEqual(self.seen()["shown"], ["Form5"])
                self.tap(self.driver.find_element("css selector", "dialog[open] button"))
                if not self.seen()["dialog"]:  # the next line of the dialogue may come at once
                    self.switch_to("Form1")
            self.step("advance", 1000)
        self.assertGreaterEqual(boxes, 2)
        self.assertIsNone(self.seen()["dialog"])

        # A race stroked on the pads: near the R end, then far from the L end.
        self.switch_to("Form1")
        self.assertEqual(self.seen()["hint"], height > width)
        self.tap(self.widget("Form1", "Command3"))
        self.step("advance", 3000)
        browser.play(self.driver, browser.STEPS["strokeNearR"] + browser.STEPS["strokeFarFromL"],
                     browser.taps(self.driver))
        # Two fast taps: no zoom.
        pad = self.driver.find_element("css selector", '[data-key="39"]')
        browser.tap(self.driver, pad, clicks=False)
        browser.tap(self.driver, pad, clicks=False)
        self.assertEqual(self.seen()["zoom"], 1)
        # The race ends and its window closes: the one before it comes back to the front.
        self.step("advance", 60000)
        seen = self.seen()
        self.assertNotIn("Form1", seen["bar"])
        self.assert_fits(seen["pressed"], width, height)


if __name__ == "__main__":
    Phone.page = pathlib.Path(sys.argv[1]).resolve()
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
