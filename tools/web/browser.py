"""Debian's headless Chromium driven through Debian's Selenium, for the page's tests, figures and
pictures, and the site served on 127.0.0.1 for them. Run with /usr/bin/python3: an earlier
python3 on the PATH may not see python3-selenium.
"""

import base64
import http.server
import json
import pathlib
import threading
import time

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
# As root and without a network: no sandbox, no background connections.
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-extensions", "--hide-scrollbars", "--force-device-scale-factor=1"]


def chromium(width=1280, height=1000, extra_flags=(), perf_log_categories=()):
    """Headless Chromium; with `perf_log_categories`, tracing those from the start (trace_events
    reads them)."""
    options = Options()
    for flag in FLAGS + [f"--window-size={width},{height}"] + list(extra_flags):
        options.add_argument(flag)
    options.binary_location = CHROMIUM
    logs = {"browser": "ALL"}
    if perf_log_categories:
        logs["performance"] = "ALL"
        options.add_experimental_option("perfLoggingPrefs", {
            "enableNetwork": False, "enablePage": False,
            "traceCategories": ",".join(perf_log_categories)})
    options.set_capability("goog:loggingPrefs", logs)
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def trace_events(driver):
    """The trace events gathered since the browser started (see chromium)."""
    messages = (json.loads(entry["message"])["message"]
                for entry in driver.get_log("performance"))
    return [message["params"] for message in messages
            if message["method"] == "Tracing.dataCollected"]


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


def open_afresh(driver, address):
    """The page at `address` read anew, whatever was open: reloaded if it is open already (opened
    again at the same address it would stay as it is), which costs the browser half as much as
    going there from another page."""
    if driver.current_url == address:
        driver.refresh()
    else:
        driver.get(address)


def open_simulated(driver, sim_page):
    """A fresh scenario runner's page, minigames-sim.html."""
    open_afresh(driver, sim_page.as_uri())


def script_timeout(driver, seconds):
    """How long the driver waits for an asynchronous script: set only when it changes, since each
    setting is a call to the driver of its own (so set it here, not on the driver)."""
    if getattr(driver, "mg_script_timeout", None) != seconds:
        driver.set_script_timeout(seconds)
        driver.mg_script_timeout = seconds


def simulate(driver, lines):
    """Carries out scenario lines in the scenario runner's page; what it printed."""
    script_timeout(driver, 120)
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


# Looks in the page every few milliseconds until a function body (%s) returns something true for
# the arguments, or the time is up.
_WAIT_IN_PAGE = """
const done = arguments[arguments.length - 1];
const [timeout, ...args] = Array.from(arguments).slice(0, -1);
const holds = function () { %s };
const since = performance.now();
(function look() {
  const result = holds(...args);
  if (result) {
    done({result});
  } else if (performance.now() - since > timeout * 1000) {
    done({});
  } else {
    setTimeout(look, 5);
  }
})();
"""


def wait_in_page(driver, script, timeout=30, *args):
    """Until `script`, a function body given `args`, returns something true in the page; what it
    returned. Looked at in the page itself, in one call to the driver (wait_until makes one a
    look); the page must stay while it waits."""
    script_timeout(driver, max(120, timeout + 30))
    answer = driver.execute_async_script(_WAIT_IN_PAGE % script, timeout, *args)
    if "result" not in answer:
        raise TimeoutError(f"the page never answered {script!r} with true")
    return answer["result"]


def wait_until_playing(driver, timeout=30):
    """Until the player's page has its program running and has been read whole."""
    wait_in_page(driver, "return document.documentElement.dataset.play === 'running'"
                 " && document.readyState === 'complete'", timeout)


def controlling_caches(driver):
    """Once a service worker controls the page, the names of the caches at its origin."""
    script_timeout(driver, 30)
    return driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "navigator.serviceWorker.ready.then(() => navigator.serviceWorker.controller ||"
        "  new Promise((resolve) => navigator.serviceWorker.oncontrollerchange = resolve))"
        ".then(() => caches.keys()).then(done, (error) => done(String(error)));")


def emulate_phone(driver, width, height, scale=3):
    """The page as a phone of `width` × `height` CSS pixels shows it, with a touch screen (a
    coarse pointer) and `scale` device pixels to a CSS pixel."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": scale, "mobile": True,
        "screenOrientation": {"type": "portraitPrimary" if height >= width else
                              "landscapePrimary", "angle": 0 if height >= width else 90}})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                           {"enabled": True, "maxTouchPoints": 5})


def centre(driver, element):
    """The middle of an element on the screen, in CSS pixels."""
    return driver.execute_script(
        "const r = arguments[0].getBoundingClientRect();"
        "return [r.left + r.width / 2, r.top + r.height / 2];", element)


def touch(driver, kind, points, timeout=10):
    """A touch sent from a thread of its own, so that one the browser never answers fails the test
    instead of holding it up."""
    done = threading.Event()
    sender = threading.Thread(target=lambda: (driver.execute_cdp_cmd(
        "Input.dispatchTouchEvent", {"type": kind, "touchPoints": points}), done.set()),
        daemon=True)
    sender.start()
    if not done.wait(timeout):
        raise TimeoutError(f"the browser never took the {kind}")


# Readies the page for a touch at a point, or at the middle of an element or of the one a CSS
# selector finds (scrolled into view first, as a finger would scroll a full bar): asks for
# frames until the tap is over (see _AFTER_TAP), since a touch is handled with a frame of the
# page's and a page asleep with its time held still would never have one, and watches for the
# click the browser makes of the tap. Gives the point.
_READY_TO_TOUCH = """
const [target, x, y] = arguments;
window.mgFramesWanted = true;
if (!window.mgFraming) {
  window.mgFraming = true;
  const frame = () => {
    if (window.mgFramesWanted) requestAnimationFrame(frame);
    else window.mgFraming = false;
  };
  frame();
}
window.mgTap = new Promise((resolve) => addEventListener('click', () => resolve(),
  {capture: true, once: true}));
if (target === null) return [x, y];
const element = typeof target === 'string' ? document.querySelector(target) : target;
if (!element) throw new Error(`nothing on the page is ${target}`);
element.scrollIntoView({block: 'nearest', inline: 'nearest'});
const r = element.getBoundingClientRect();
return [r.left + r.width / 2, r.top + r.height / 2];
"""


# Waits, if asked, for the click the browser makes of a tap, and stops the frames asked for the
# tap (each would draw the page again while the program moves on); then, if asked, for the program
# to have caught up (page_driver.js's settle) in the same call.
_AFTER_TAP = """
const [clicks, settle, done] = arguments;
let timer;
const late = new Promise((_, fail) => {
  timer = setTimeout(() => fail(new Error('the browser made no click of the tap')), 10000);
});
(clicks ? Promise.race([window.mgTap, late]) : Promise.resolve()).finally(() => {
  clearTimeout(timer);
  window.mgFramesWanted = false;
})
  .then(() => settle && mgTest.step(['settle']))
  .then(() => done(null), (error) => done(String(error)));
"""


def tap(driver, element, clicks=True, settle=False):
    """A finger put down on the middle of an element (or of the one a CSS selector finds) and
    lifted again; with `clicks`, once the browser has made a click of it (it comes after the
    finger has lifted, in its own time); with `settle`, once the program has caught up."""
    _touch_at(driver, driver.execute_script(_READY_TO_TOUCH, element, 0, 0), clicks, settle)


def tap_at(driver, x, y, clicks=True):
    """A finger put down at a point of the screen (CSS pixels) and lifted again."""
    _touch_at(driver, driver.execute_script(_READY_TO_TOUCH, None, x, y), clicks, False)


def _touch_at(driver, point, clicks, settle):
    x, y = point
    touch(driver, "touchStart", [{"x": x, "y": y, "radiusX": 1, "radiusY": 1, "force": 1, "id": 0}])
    touch(driver, "touchEnd", [])
    script_timeout(driver, 120)
    failed = driver.execute_async_script(_AFTER_TAP, clicks, settle)
    if failed:
        raise AssertionError(f"a tap at {x}, {y}: {failed}")


PAGE_DRIVER = pathlib.Path(__file__).with_name("page_driver.js")
# The steps several tests and tools take in the player's page, by name.
STEPS = json.loads(pathlib.Path(__file__).with_name("page_steps.json").read_text(encoding="utf-8"))


def facts(page):
    """The facts the page was built with (facts.json beside it)."""
    return json.loads(pathlib.Path(page).with_name("facts.json").read_text(encoding="utf-8"))


def drive(driver):
    """page_driver.js installed in the player's page once its program runs: the page's clock held
    still from then on, moved only by page_step()."""
    driver.execute_script(PAGE_DRIVER.read_text(encoding="utf-8"))


def open_driven(driver, page):
    """The player's page afresh, once the program runs; its clock then held still by
    page_driver.js, moved only by page_step()."""
    open_afresh(driver, page.as_uri())
    wait_until_playing(driver)
    drive(driver)


def page_step(driver, step):
    """Carries out one of page_driver.js's steps (["advance", 1000], ["settle"] …) in the page."""
    script_timeout(driver, 120)
    failed = driver.execute_async_script(
        "const done = arguments[1];"
        "Promise.resolve().then(() => mgTest.step(arguments[0]))"
        ".then(() => done(null), (error) => done(String(error)));", step)
    if failed:
        raise AssertionError(f"{step}: {failed}")


def wait_until(driver, script, timeout=30, *args):
    """Polls the page until `script` returns something true; what it returned."""
    deadline = time.monotonic() + timeout
    while True:
        result = driver.execute_script(script, *args)
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(f"the page never answered {script!r} with true")
        time.sleep(0.002)


def selector(where):
    """The CSS selector of "Form4.Command1" (a widget) or "Form4" (a window)."""
    form, _, name = where.partition(".")
    return f'[data-form="{form}"]' + (f' [data-widget="{name}"]' if name else "")


def widget(driver, form, name):
    """A widget's element on the page."""
    return driver.find_element("css selector", selector(f"{form}.{name}"))


def mouse_and_keys(driver):
    """A player of page_steps.json at a desktop: clicks and keys."""
    keys = {"ArrowLeft": Keys.ARROW_LEFT, "ArrowRight": Keys.ARROW_RIGHT}
    return {
        "click": lambda where: driver.find_element("css selector", selector(where)).click(),
        "key": lambda key: ActionChains(driver).send_keys(keys[key]).perform(),
        "ok": lambda: driver.find_element("css selector", "dialog[open] button").click(),
    }


def taps(driver):
    """A player of page_steps.json on a touch screen: taps, the keys on the window's pads."""
    codes = {"ArrowLeft": 37, "ArrowRight": 39}
    return {
        "click": lambda where: tap(driver, selector(where)),
        "key": lambda key: tap(driver, f'[data-key="{codes[key]}"]', clicks=False),
        "ok": lambda: tap(driver, "dialog[open] button"),
    }


def play(driver, steps, player):
    """Carries out steps of page_steps.json: the player's (click, key, ok) with `player`'s
    function of that name, each followed by the page settling, and the page's own in the page."""
    for name, *args in steps:
        if name in player:
            player[name](*args)
            page_step(driver, ["settle"])
        else:
            page_step(driver, [name, *args])
