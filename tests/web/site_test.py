#!/usr/bin/python3
"""The site (build/web/site/) in headless Chromium, served on 127.0.0.1: the player's page with
the manifest and icons it names; its service worker takes control on the first visit, so that
with the server gone a reload still plays; a new build's worker replaces the old one's cache.
Never a console error.

    site_test.py SITE_FOLDER PAGE
"""

import json
import pathlib
import re
import shutil
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser
from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait


class Site(unittest.TestCase):
    site = None
    page = None

    @classmethod
    def setUpClass(cls):
        cls.driver = browser.chromium(390, 844)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.copies = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.copies)
        browser.console_errors(self.driver)

    def tearDown(self):
        self.assertEqual(browser.console_errors(self.driver), [])

    def served(self, name, change=lambda folder: None):
        """A copy of the site, changed by `change`, and the server that serves it."""
        folder = self.copies / name
        shutil.copytree(self.site, folder)
        change(folder)
        server = browser.Server(folder)
        self.addCleanup(server.stop)
        return server

    def open_and_play(self, address):
        self.driver.get("about:blank")
        self.driver.get(address)
        browser.wait_until_playing(self.driver)
        self.driver.find_element(
            By.CSS_SELECTOR, '[data-form="Form4"] [data-widget="Command1"]').click()
        self.driver.find_element(By.CSS_SELECTOR, '[data-form="Form1"]')

    def test_the_site_is_the_page_with_what_it_names(self):
        files = {path.name: path.read_bytes() for path in self.site.iterdir()}
        # The player's page, naming the files beside it for what it holds after its script.
        index = files["index.html"].decode("utf-8")
        fetched = re.findall(r'<link rel="preload" id="minigames-[a-z-]+" href="([^"]+)"', index)
        self.assertEqual(sorted(fetched), ["drawings.json", "minigames.js", "minigames.wasm"])
        self.assertTrue(all(files[name] for name in fetched))
        self.assertEqual(index.split('<link rel="preload"')[0],
                         self.page.read_text(encoding="utf-8").split(
                             '<script type="text/plain" id="minigames-drawings"')[0])
        named = browser.facts(self.page)["site"]
        manifest = json.loads(files[named["manifest"]])
        icons = [(icon["src"], icon["sizes"]) for icon in manifest["icons"]]
        self.assertIn("maskable", [icon["purpose"] for icon in manifest["icons"]])
        for name, size in icons + [(named["touchIcon"], "180x180")]:
            self.assertEqual(files[name][12:16], b"IHDR", name)
            self.assertEqual("%dx%d" % struct.unpack(">II", files[name][16:24]), size, name)
        # The worker keeps every other file, and the folder's own address.
        worker = named["worker"]
        kept = json.loads(files[worker].decode().split("const FILES = ", 1)[1].split(";")[0])
        self.assertEqual(sorted(kept), sorted(["./"] + [name for name in files if name != worker]))

    def test_after_the_first_visit_the_site_plays_offline(self):
        server = self.served("site")
        self.open_and_play(server.address)
        [cache] = browser.controlling_caches(self.driver)
        self.assertTrue(cache.startswith(f"minigames {server.address} "), cache)
        server.stop()
        self.open_and_play(server.address)
        self.assertEqual(self.driver.execute_async_script(
            "fetch('icon-192.png').then((r) => fetch('gone').catch(() => arguments[0](r.ok)))"),
            True)
        self.assertIn("gone - Failed to load resource", browser.console_errors(self.driver)[0])

    def test_a_new_build_replaces_the_old_one(self):
        def older(folder):
            worker = (folder / "sw.js").read_text(encoding="utf-8")
            (folder / "sw.js").write_text(worker.replace("BUILD = '", "BUILD = 'old"))
            with open(folder / "index.html", "a", encoding="utf-8") as page:
                page.write("<!-- the old build -->")

        server = self.served("old", older)
        self.open_and_play(server.address)
        [old_cache] = browser.controlling_caches(self.driver)
        server.folder = self.served("new").folder
        # The old worker answers the first visit after the change; the new one installs
        # meanwhile, takes over and deletes the old build's cache.
        self.open_and_play(server.address)
        WebDriverWait(self.driver, 30, poll_frequency=0.05).until(
            lambda _: old_cache not in browser.controlling_caches(self.driver))
        [new_cache] = browser.controlling_caches(self.driver)
        self.assertNotIn(" old", new_cache)
        server.stop()
        self.open_and_play(server.address)
        self.assertNotIn("the old build", self.driver.page_source)


if __name__ == "__main__":
    Site.site = pathlib.Path(sys.argv[1]).resolve()
    Site.page = pathlib.Path(sys.argv[2]).resolve()
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
