"""Debian's headless Chromium driven through Debian's Selenium, for the page's tests, figures and
pictures, and the site served on 127.0.0.1 for them. Run with /usr/bin/python3: an earlier
python3 on the PATH may not see python3-selenium.
"""

import base64
import http.server
import json
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.wait import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
# As root and without a network: no sandbox, no background connections.
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-extensions", "--hide-scrollbars", "--force-device-scale-factor=1"]


def chromium(width=1280, height=1000, extra_flags=()):
    options = Options()
    for flag in FLAGS + [f"--window-size={width},{height}"] + list(extra_flags):
        options.add_argument(flag)
    options.binary_location = CHROMIUM
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def shoot(driver, element, path, scale=1):
    """A picture of an element as the page shows it, wherever the page is scrolled."""
    box = driver.execute_script(
        "const r = arguments[0].getBoundingClientRect();"
        "return {x: r.left + scrollX, y: r.top + scrollY, width: r.width, height: r.height};",
        element)
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {
        "format": "png", "captureBeyondViewport": True, "clip": dict(box, scale=scale)})
    with open(path, "wb") as file:
        file.write(base64.b64decode(shot["data"]))


def console_errors(driver):
    """What the page wrote to its console as errors or warnings since the last call."""
    return [entry["message"] for entry in driver.get_log("browser")
            if entry["level"] in ("SEVERE", "WARNING")]


def open_simulated(driver, sim_page):
    """A fresh scenario runner's page, minigames-sim.html (a page opened at the same address
    would stay as it is)."""
    driver.get("about:blank")
    driver.get(sim_page.as_uri())


def simulate(driver, lines):
    """Carries out scenario lines in the scenario runner's page; what it printed."""
    driver.set_script_timeout(120)
    result = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "window.minigamesSim(arguments[0]).then((out) => done({out}), (e) => done({error: String(e)}));",
        lines)
    if "error" in result:
        raise RuntimeError("minigamesSim failed: " + result["error"])
    return result["out"]


def dump(driver, form):
    """A window's state as the runner's dump prints it."""
    return json.loads(simulate(driver, f"dump {form}\n"))


class _Unstored(http.server.SimpleHTTPRequestHandler):
    """Keeps the browser's HTTP cache out: whatever a page reads once the server has gone comes
    from its service worker."""

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *args):
        pass


class Server:
    """A folder served on a free port of 127.0.0.1 from a thread, as a static host would; `folder`
    may change while it runs (a new build published at the same address)."""

    def __init__(self, folder):
        self.folder = folder
        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), lambda *args: _Unstored(*args, directory=str(self.folder)))
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        self.address = f"http://127.0.0.1:{self.httpd.server_port}/"

    def stop(self):
        if self.thread.is_alive():
            self.httpd.shutdown()
            self.httpd.server_close()
            self.thread.join()


def wait_until_playing(driver, timeout=30):
    """Until the player's page has its program running and has been read whole."""
    WebDriverWait(driver, timeout).until(lambda _: driver.execute_script(
        "return document.documentElement.dataset.play === 'running'"
        " && document.readyState === 'complete'"))


def controlling_caches(driver):
    """Once a service worker controls the page, the names of the caches at its origin."""
    driver.set_script_timeout(30)
    return driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "navigator.serviceWorker.ready.then(() => navigator.serviceWorker.controller ||"
        "  new Promise((resolve) => navigator.serviceWorker.oncontrollerchange = resolve))"
        ".then(() => caches.keys()).then(done, (error) => done(String(error)));")
