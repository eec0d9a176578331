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
  barBox: box(document.getElementById('windows')),
  pressed: document.querySelector('#windows [aria-pressed="true"]')?.dataset.front,
  pressedBox: box(document.querySelector('#windows [aria-pressed="true"]')),
  // Each button of the bar: its height, and whether its caption shows at least its first four
  // characters (with the ellipsis of a cut caption).
  barButtons: Array.from(document.querySelectorAll('#windows [data-front]'), (b) => {
    const four = document.createElement('span');
    four.textContent = b.textContent.slice(0, 4) + (b.textContent.length > 4 ? '…' : '');
    b.append(four);
    const wanted = four.getBoundingClientRect().width;
    four.remove();
    const style = getComputedStyle(b);
    const room = b.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    return [b.getBoundingClientRect().height, room + 0.5 >= Math.min(wanted, b.scrollWidth)];
  }),
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
# Each twin beside its control: [twin, [caption, checked, enabled, shown] of each] where they differ.
TWINS_APART = """
return Array.from(document.querySelectorAll('.twin'), (twin) => {
  const [, form, name, index] = twin.dataset.for.match(/^(\\w+)\\.(\\w+)(?:\\((\\d+)\\))?$/);
  const control = document.querySelector(`[data-form="${form}"] [data-widget="${name}"]` +
    (index === undefined ? ':not([data-index])' : `[data-index="${index}"]`));
  const input = control.querySelector('input') ?? control;
  const state = (caption, checked, disabled, shown) => [caption, checked, !disabled, shown];
  return [twin.dataset.for,
    state(twin.textContent, twin.classList.contains('checked'), twin.disabled, !twin.hidden),
    state(control.textContent, Boolean(input.checked), input.disabled, !control.hidden)];
}).filter(([, twin, control]) => JSON.stringify(twin) !== JSON.stringify(control));
"""

# Records which control each tap works (by the event it acts on), and lists the controls of the
# window in front, and their twins, smaller than 44 px either way, each by its name, its middle
# and whether it is a twin; a crowded control (with a twin) is left to its twin.
REACH = """
const CONTROLS = '.window [data-widget]:is(button, label), .window [data-widget][role="button"],'
  + ' .window .close, dialog[open] button, #windows button, .pad, .twin';
const DOWN = '.pad, [role="button"][data-widget]';
const named = (c) => c.dataset.for ?? c.dataset.front ??
  c.closest('[data-form]').dataset.form + '.' + (c.dataset.widget ?? 'close') +
  (c.dataset.index ? `(${c.dataset.index})` : '');
if (!window.mgActed) {
  window.mgActed = [];
  for (const kind of ['click', 'pointerdown']) {
    addEventListener(kind, (event) => {
      const control = event.target.closest?.(CONTROLS);
      if (control && control.matches(DOWN) === (kind === 'pointerdown')) mgActed.push(named(control));
    });
  }
}
const middle = (c) => { const r = c.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; };
const twins = Array.from(document.querySelectorAll('.window.front .twin, #windows .closer'))
  .filter((t) => !t.hidden);
const twinned = new Set(twins.map((t) => t.dataset.for));
const small = (c) => c.getBoundingClientRect().width < 43.5 || c.getBoundingClientRect().height < 43.5;
return Array.from(document.querySelectorAll('.window.front :is(' + CONTROLS + ')'))
  .filter((c) => c.getClientRects().length > 0 && !c.matches('.pad, .twin'))
  .filter((c) => !twinned.has(named(c)) && !(c.matches('.close') && twinned.has(named(c).split('.')[0])))
  .concat(twins).filter(small).map((c) => [named(c), ...middle(c), twins.includes(c)]);
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

    def tap(self, target):
        """A tap on an element or on the one a CSS selector finds, and the program caught up."""
        browser.tap(self.driver, target, settle=True)

    def step(self, *step):
        browser.page_step(self.driver, list(step))

    def seen(self):
        return self.driver.execute_script(SEEN)

    @staticmethod
    def twin(control):
        return f'.twin[data-for="{control}"]'

    def assertTwinsFollow(self):
        self.assertEqual(self.driver.execute_script(TWINS_APART), [])

    def switch_to(self, form):
        self.tap(f'#windows [data-front="{form}"]')

    def assert_fits(self, form, width, height):
        seen = self.seen()
        self.assertEqual((seen["shown"], seen["pressed"]), ([form], form))
        self.assertEqual((seen["overflow"], seen["scrollX"], seen["zoom"]), (0, 0, 1))
        left, top, right, bottom = seen["box"]
        self.assertTrue(left >= 0 and top >= 0 and right <= width and bottom <= height, seen)
        self.assertTrue(seen["focused"], "the keys go to the window in front")
        # The bar's buttons a finger's height, their captions never cut below four characters;
        # the bar scrolls sideways, the window in front with its button in view.
        bar_left, _, bar_right, _ = seen["barBox"]
        self.assertTrue(bar_left >= 0 and bar_right <= width, seen)
        self.assertTrue(bar_left <= seen["pressedBox"][0] and seen["pressedBox"][2] <= bar_right)
        self.assertEqual([(height >= 44, whole) for height, whole in seen["barButtons"]],
                         [(True, True)] * len(seen["barButtons"]))
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
                self.step("settle")  # the windows arranged for the screen, in a frame to come
                self.play(width, height)
                self.step("expect", ["complaints"], [[]])

    def test_a_finger_works_every_control_within_its_reach(self):
        # The windows of a program that takes no taps: what a tap works is only recorded. The
        # same windows at each size: the page arranges them anew as the screen changes.
        browser.emulate_phone(self.driver, 360, 640)
        browser.open_simulated(self.driver, self.page.with_name("minigames-sim.html"))
        browser.simulate(self.driver, "".join(f"click Form4.{button}\n" for button, _ in GAMES))
        for width, height in (360, 640), (390, 844), (844, 390):
            with self.subTest(size=f"{width}x{height}"):
                browser.emulate_phone(self.driver, width, height)
                # The bar and the arrangement follow in the page's next frame, which may come late
                # on a busy machine.
                browser.wait_in_page(self.driver, "return innerWidth === arguments[0] &&"
                                     " document.querySelectorAll('#windows [data-front]').length"
                                     " === arguments[1]", 30, width, len(GAMES) + 1)
                for _, form in (("", "Form4"),) + GAMES:
                    browser.tap(self.driver, f'#windows [data-front="{form}"]')
                    # A twin is a finger's size itself: what is smaller answers in its square.
                    for name, x, y, twin in self.driver.execute_script(REACH):
                        self.assertFalse(twin, f"the twin of {name} is smaller than 44 px")
                        for dx, dy in (-21, -21), (21, -21), (-21, 21), (21, 21):
                            corner = (min(max(x + dx, 0.5), width - 0.5),
                                      min(max(y + dy, 0.5), height - 0.5))
                            self.assertEqual(self.tapped(*corner), name, (form, corner))
                # Between two paces 15 px apart, the nearer wins.
                browser.tap(self.driver, '#windows [data-front="Form1"]')
                high, middle = (browser.centre(self.driver, self.driver.find_element(
                    "css selector", browser.selector("Form1.Option1") + f'[data-index="{i}"]'))
                    for i in (0, 1))
                for share, nearer in (0.3, "Form1.Option1(0)"), (0.7, "Form1.Option1(1)"):
                    self.assertEqual(self.tapped(high[0], high[1] + share * (middle[1] - high[1])),
                                     nearer)

    def tapped(self, x, y):
        """What a tap at a point works."""
        before = self.driver.execute_script("return mgActed.length")
        browser.tap_at(self.driver, x, y, clicks=False)
        browser.wait_in_page(self.driver, "return mgActed.length > arguments[0]", 10, before)
        return self.driver.execute_script("return mgActed.at(-1)")

    def play(self, width, height):
        # Each game opened from the menu comes to the front; the bar goes back to the menu.
        self.assert_fits("Form4", width, height)
        for button, form in GAMES:
            self.switch_to("Form4")
            self.assert_fits("Form4", width, height)
            self.tap(browser.selector(f"Form4.{button}"))
            self.assert_fits(form, width, height)
        self.assertEqual(self.seen()["bar"], ["Form4", "Form2", "Form3", "Form5", "Form1"])
        for _, form in GAMES:
            self.switch_to(form)
            self.assert_fits(form, width, height)

        # The pigeon, shown after 17 s, is hit where it is drawn in the scaled window.
        self.step("advance", 17000)
        self.switch_to("Form2")
        self.assertFalse(self.widget("Form2", "Label2").is_displayed())
        self.tap(browser.selector("Form2.Image1"))
        self.assertTrue(self.widget("Form2", "Label2").is_displayed())

        # The board's boxes come up over the board, with OK focused, whichever window is in
        # front: the player goes back to the race after each.
        self.switch_to("Form5")
        self.tap(browser.selector("Form5.Command2"))
        boxes = 0
        for _ in range(12):
            dialog = self.seen()["dialog"]
            if dialog:
                boxes += 1
                form, left, top, right, bottom, focused = dialog
                self.assertEqual((form, focused), ("Form5", "OK"))
                self.assertTrue(left >= 0 and top >= 0 and right <= width and bottom <= height)
                self.assertEqual(self.seen()["shown"], ["Form5"])
                self.tap("dialog[open] button")
                if not self.seen()["dialog"]:  # the next line of the dialogue may come at once
                    self.switch_to("Form1")
            self.step("advance", 1000)
        self.assertGreaterEqual(boxes, 2)
        self.assertIsNone(self.seen()["dialog"])

        # A race's pace chosen and the race started on the twins, then stroked on the pads: near
        # the R end, then far from the L end. The twins follow their controls all the way.
        self.switch_to("Form1")
        for pace in (2, 1):
            self.assertTwinsFollow()
            self.tap(self.twin(f"Form1.Option1({pace})"))
            self.assertTrue(self.driver.find_element("css selector", browser.selector(
                "Form1.Option1") + f'[data-index="{pace}"] input').is_selected())
        self.tap(self.twin("Form1.Command3"))
        self.assertFalse(self.widget("Form1", "Command3").is_enabled())
        self.assertTwinsFollow()
        self.step("advance", 3000)
        browser.play(self.driver, browser.STEPS["strokeNearR"] + browser.STEPS["strokeFarFromL"],
                     browser.taps(self.driver))
        self.assertTwinsFollow()
        # Two fast taps: no zoom.
        pad = '[data-key="39"]'
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
