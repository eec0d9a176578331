#!/usr/bin/python3
"""The page in headless Chromium, opened from disk: every widget where the layout puts it, every
scene played to its ending as the desktop's runner plays it, a race stroked with real keys to
its end and back to the menu, the board's boxes answered while a race runs beside it, the pigeon
pressed from the keyboard, windows closed from their close boxes until the program ends, a
browser too old for the program told so, a program that stops told so with the offer to start
again, which starts a new one, a click made before the program has been read answered as it
starts; and never a console error otherwise. The scenario runner's page
draws the same windows. The page's time is held still and moved on by the tests
(tools/web/page_driver.js).

    page_test.py PAGE SIM_PAGE NATIVE_RUNNER
"""

import pathlib
import subprocess
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools" / "web"))
import browser
from selenium.webdriver.common.by import By
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

SCENES = sorted((ROOT / "tools" / "screenshots" / "scenes").glob("*.txt"))
TWIPS = 15


class Page(unittest.TestCase):
    page = None
    sim_page = None
    native = ""

    @classmethod
    def setUpClass(cls):
        cls.driver = browser.chromium()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        browser.console_errors(self.driver)

    def tearDown(self):
        self.assertEqual(browser.console_errors(self.driver), [])

    # --- helpers ---
    def element(self, form, name, index=None):
        selector = f'[data-form="{form}"] [data-widget="{name}"]'
        if index is not None:
            selector += f'[data-index="{index}"]'
        return self.driver.find_element(By.CSS_SELECTOR, selector)

    def shown(self, form, name=None):
        element = (self.driver.find_element(By.CSS_SELECTOR, f'[data-form="{form}"]')
                   if name is None else self.element(form, name))
        return element.is_displayed()

    def open_real(self):
        """The page on the real clock, its time held still until advance() moves it on."""
        browser.open_driven(self.driver, self.page)
        # The program takes over the menu it finds on the page, making no window or widget twice.
        self.assertTrue(self.shown("Form4"))
        names = self.driver.execute_script(
            "return Array.from(document.querySelectorAll('[data-form], [data-widget]'), (e) =>"
            " (e.dataset.form || e.closest('[data-form]').dataset.form + '.' + e.dataset.widget)"
            " + '(' + (e.dataset.index ?? '') + ')')")
        self.assertEqual(len(names), len(set(names)))
        self.assertIn("Form4.Command1()", names)
        self.assertIsNone(self.driver.execute_script("return window.minigamesSim"))

    def advance(self, ms):
        """Lets `ms` of the page's time pass, and waits until the program has caught up."""
        browser.page_step(self.driver, ["advance", ms])

    def play(self, steps):
        """Steps of page_steps.json, the player's with a mouse and a keyboard."""
        browser.play(self.driver, steps, browser.mouse_and_keys(self.driver))

    def open_with(self, page, source):
        """A page with `source` run before its own scripts."""
        added = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                            {"source": source})
        try:
            browser.open_afresh(self.driver, page.as_uri())
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", added)

    def marker(self):
        return float(self.element("Form1", "Image5").value_of_css_property("left")[:-2])

    # --- the tests ---
    def test_every_widget_sits_where_the_layout_puts_it(self):
        browser.open_simulated(self.driver, self.sim_page)
        browser.simulate(self.driver, "click Form4.Command1\nclick Form4.Command2\n"
                                      "click Form4.Command3\nclick Form4.Command4\n")
        # Each element's box within its window's client area, and whether it is shown.
        boxes = self.driver.execute_script("""
            const boxes = {};
            for (const element of document.querySelectorAll('[data-widget]')) {
              const client = element.closest('.client').getBoundingClientRect();
              const box = element.getBoundingClientRect();
              const form = element.closest('[data-form]').dataset.form;
              boxes[form + '.' + element.dataset.widget + '(' + (element.dataset.index ?? '') + ')'] =
                  [box.left - client.left, box.top - client.top, box.width, box.height,
                   element.getClientRects().length > 0];
            }
            return boxes;""")
        # Tab goes through the controls in the order of their TabIndex.
        tabs = self.driver.execute_script("""
            return Array.from(document.querySelectorAll('[data-form] button[data-widget],'
                + ' [data-form] label[data-widget], [data-form] input[data-widget]'),
              (e) => e.closest('[data-form]').dataset.form + '.' + e.dataset.widget + '('
                + (e.dataset.index ?? '') + ')');""")
        checked = 0
        for form in ("Form4", "Form1", "Form2", "Form3", "Form5"):
            client = self.driver.find_element(By.CSS_SELECTOR, f'[data-form="{form}"] .client')
            state = browser.dump(self.driver, form)
            order = {f'{form}.{w["name"]}({"" if w["index"] is None else w["index"]})':
                     w["TabIndex"] for w in state["widgets"] if "TabIndex" in w}
            indexes = [order[tab] for tab in tabs if tab.startswith(form + ".")]
            self.assertEqual(indexes, sorted(indexes), form)
            self.assertAlmostEqual(client.rect["width"], state["ClientWidth"] / TWIPS, delta=1)
            self.assertAlmostEqual(client.rect["height"], state["ClientHeight"] / TWIPS, delta=1)
            for widget in state["widgets"]:
                if widget["kind"] == "Timer":
                    continue
                index = "" if widget["index"] is None else widget["index"]
                where = f'{form}.{widget["name"]}({index})'
                *actual, shown = boxes[where]
                if widget["kind"] == "Line":
                    left, right = sorted((widget["X1"], widget["X2"]))
                    top, bottom = sorted((widget["Y1"], widget["Y2"]))
                    expected = (left, top, right - left, bottom - top)
                else:
                    expected = (widget["Left"], widget["Top"], widget["Width"], widget["Height"])
                off = expected[0] >= state["ClientWidth"] or expected[1] >= state["ClientHeight"]
                self.assertEqual(shown, widget["Visible"] and not off, where)
                if not shown:
                    continue
                for got, want in zip(actual, expected):
                    self.assertAlmostEqual(got, want / TWIPS, delta=1.01, msg=where)
                checked += 1
        self.assertGreater(checked, 50)
        # The menu's text boxes are named by the labels above them; a picture with nothing to
        # say is hidden from screen readers, and only such a one: of the pictures shown, some
        # named and some hidden, none both or neither.
        self.assertEqual([self.element("Form4", "Text1", i).get_attribute("aria-label")
                          for i in (0, 1)], ["マスコットアイコン", "四角いアイコン"])
        named, hidden, both_or_neither = self.driver.execute_script(
            "const shown = Array.from(document.querySelectorAll('[role=img]:not([hidden])'));"
            "const named = (e) => Boolean(e.getAttribute('aria-label'));"
            "const hidden = (e) => e.getAttribute('aria-hidden') === 'true';"
            "return [shown.filter(named).length, shown.filter(hidden).length,"
            " shown.filter((e) => named(e) === hidden(e)).length];")
        self.assertGreater(named, 10)
        self.assertGreater(hidden, 0)
        self.assertEqual(both_or_neither, 0)

    def test_every_scene_plays_to_its_ending_as_on_the_desktop(self):
        for scene in SCENES:
            with self.subTest(scene=scene.name):
                text = scene.read_text(encoding="utf-8")
                browser.open_simulated(self.driver, self.sim_page)
                native = subprocess.run([self.native], input=text.encode(), capture_output=True,
                                        timeout=120)
                self.assertEqual(browser.simulate(self.driver, text), native.stdout.decode())

    def test_a_race_stroked_with_real_keys_to_its_end_and_back_to_the_menu(self):
        self.open_real()
        # With a mouse, a click beside Start is nobody's, and no twin or pad shows.
        self.play(browser.STEPS["openRace"][:1])
        start = self.element("Form1", "Command3")
        ActionChains(self.driver).move_to_element_with_offset(
            start, start.rect["width"] / 2 + 5, 0).click().perform()
        browser.page_step(self.driver, ["settle"])
        self.assertTrue(start.is_enabled())
        self.assertFalse(self.driver.find_element(By.CSS_SELECTOR, ".touch").is_displayed())
        # A stroke as the marker nears the R end; once past the middle again, a stroke far from
        # the L end freezes the marker a second.
        self.play(browser.STEPS["openRace"][1:] + browser.STEPS["strokeNearR"] +
                  browser.STEPS["strokeFarFromL"])
        frozen = self.marker()
        self.advance(500)
        self.assertEqual(self.marker(), frozen)
        # The rival swims on to the finish; five seconds later the menu is back alone.
        self.advance(60000)
        self.assertFalse(self.shown("Form1"))
        self.assertTrue(self.shown("Form4"))

    def test_the_boards_boxes_are_answered_while_a_race_runs_beside_it(self):
        self.open_real()
        self.element("Form4", "Command4").click()
        self.element("Form4", "Command1").click()
        self.element("Form1", "Command3").click()
        self.advance(3100)
        self.element("Form5", "Command2").click()  # 救助 at once: the dialogue begins
        self.advance(50)
        boxes = []
        for _ in range(12):
            dialogs = self.driver.find_elements(By.CSS_SELECTOR, "dialog[open]")
            if dialogs:
                self.assertEqual(len(dialogs), 1)
                # In its window for a screen reader, its text its description.
                self.assertEqual(self.driver.execute_script(
                    "const box = arguments[0]; return [box.closest('[data-form]').dataset.form,"
                    " document.getElementById(box.getAttribute('aria-describedby')).textContent]",
                    dialogs[0]), ["Form5", dialogs[0].find_element(By.TAG_NAME, "p").text])
                before = self.marker()
                self.advance(300)
                self.assertNotEqual(self.marker(), before, "the race stands still behind a box")
                boxes.append(dialogs[0].find_element(By.TAG_NAME, "p").text)
                dialogs[0].find_element(By.TAG_NAME, "button").click()
            self.advance(1000)
        self.assertEqual(boxes[0], "ラビト、今助けるからね！！")
        self.assertGreaterEqual(len(boxes), 2)
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "dialog[open]"), [])

    def test_the_pigeon_is_a_button_for_the_keyboard(self):
        self.open_real()
        self.element("Form4", "Command3").click()
        self.advance(17000)  # the readout hidden since 16.5 s, the pigeon shown
        pigeon = self.element("Form2", "Image1")
        self.assertEqual(pigeon.get_attribute("role"), "button")
        self.assertEqual(pigeon.get_attribute("aria-label"), "ハト")
        self.assertFalse(self.shown("Form2", "Label2"))
        self.driver.execute_script("arguments[0].focus()", pigeon)
        ActionChains(self.driver).send_keys(Keys.SPACE).perform()
        self.advance(20)
        self.assertTrue(self.shown("Form2", "Label2"))

    def test_closing_every_window_ends_the_program(self):
        self.open_real()
        self.element("Form4", "Command2").click()
        self.element("Form4", "Command3").click()
        self.advance(100)
        for form in ("Form4", "Form3", "Form2"):
            self.driver.find_element(By.CSS_SELECTOR, f'[data-form="{form}"] .close').click()
            self.advance(20)
            self.assertFalse(self.shown(form))
        self.assertTrue(self.driver.find_element(By.ID, "ended").is_displayed())

    def test_a_browser_too_old_for_the_program_says_so(self):
        self.open_with(self.page, "delete window.DecompressionStream;")
        WebDriverWait(self.driver, 30).until(
            lambda driver: driver.find_element(By.ID, "failed").is_displayed())
        self.assertTrue(self.shown("Form4"))
        self.assertEqual(len(browser.console_errors(self.driver)), 1)
        # The runner's page refuses scenarios with the reason, before and after it has failed.
        self.open_with(self.sim_page, "delete window.DecompressionStream;")
        for _ in range(2):
            with self.assertRaisesRegex(RuntimeError, "minigamesSim failed: Error: the scenario "
                                                      "runner could not start: DecompressionS"):
                browser.simulate(self.driver, "get Form4.Caption\n")
        self.assertEqual(len(browser.console_errors(self.driver)), 1)

    def test_a_click_while_the_program_is_being_read_is_answered_as_it_starts(self):
        self.open_with(self.page, """document.addEventListener('DOMContentLoaded', () => {
          document.querySelector('[data-form="Form4"] [data-widget="Command2"]')?.click();
          window.mgEarly = document.documentElement.dataset.play ?? 'not yet';
          new MutationObserver(() => requestAnimationFrame(() => { window.mgDuel =
            document.querySelector('[data-form="Form3"]')?.getClientRects().length > 0; }))
            .observe(document.documentElement, {attributeFilter: ['data-play']}); });""")
        # The duel is open in the first frame after the program has started.
        browser.wait_until(self.driver, "return window.mgDuel !== undefined")
        self.assertEqual(self.driver.execute_script("return [mgEarly, mgDuel]"), ["not yet", True])

    def test_the_program_takes_over_the_menu_without_drawing_it_anew(self):
        self.open_with(self.page, """window.mgRedrawn = [];
          addEventListener('DOMContentLoaded', () => new MutationObserver((records) =>
            mgRedrawn.push(...records.map((record) => record.target.textContent)))
            .observe(document.querySelector('[data-form="Form4"]') ?? document,
                     {childList: true, characterData: true, subtree: true}));""")
        browser.wait_until_playing(self.driver)
        self.assertEqual(self.driver.execute_script("return mgRedrawn"), [])

    def test_a_program_that_stops_says_so_and_offers_to_start_again(self):
        self.open_real()
        self.driver.execute_script("minigamesTest.failNextInput(new Error('no place'))")
        self.element("Form4", "Command1").click()
        WebDriverWait(self.driver, 30).until(
            lambda driver: driver.find_element(By.ID, "stopped").is_displayed())
        errors = browser.console_errors(self.driver)
        self.assertTrue(any("minigames: the program stopped" in e and "no place" in e
                            for e in errors), errors)
        # Started again, a new page runs a new program, which answers the player.
        self.driver.execute_script("window.mgOldPage = true")
        self.driver.find_element(By.CSS_SELECTOR, "#stopped button").click()
        browser.wait_until(self.driver, "return !window.mgOldPage &&"
                           " document.documentElement.dataset.play === 'running'")
        self.assertFalse(self.driver.find_element(By.ID, "stopped").is_displayed())
        browser.drive(self.driver)
        self.play(browser.STEPS["menuOpensTheDuel"])

    def test_the_page_holds_the_game_alone(self):
        self.assertLessEqual(self.page.stat().st_size, 200_000)


if __name__ == "__main__":
    Page.page = pathlib.Path(sys.argv[1]).resolve()
    Page.sim_page = pathlib.Path(sys.argv[2]).resolve()
    Page.native = sys.argv[3]
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2)
