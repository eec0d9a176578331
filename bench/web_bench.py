#!/usr/bin/python3
"""The page's figures, each beside its baseline measured in the same run, in headless Chromium,
printed as JSON lines like minigames-bench's:

- page weight: the one file, against 2 MB; and the site's (build/web/site/ beside the page: the
  page again, with the program's code, script and drawings as files beside it, its manifest,
  icons, service worker and the face's licence), in all;
- load to the menu's first paint, beside a minimal page showing one line of Japanese text in the
  same face (both timed by the paint of an element marked for Element Timing);
- the program's script time per frame with a race running (from the moment the page wakes it
  until it sleeps again), p50 / p99;
- how often the program is woken with only the menu open;
- on a phone (Chromium emulating 390 × 844 with touch): load to the menu's first paint beside the
  minimal page, and tap to screen, from a pad's `pointerdown` to the first frame after the program
  has taken the stroke and slept again, beside a page whose pad writes its text itself;
- with --lighthouse, Lighthouse 11's mobile run (a mid-range phone: the CPU slowed 4 ×, a slow 4G
  link, simulated) on the site served on 127.0.0.1, on its own 412 × 823 screen and on one of
  360 × 640: the four scores, the total blocking time, the longest task and the longest after
  the first paint, each the median of three runs; before them, the site's longest task on the
  main thread from the first paint until the program plays, by the thread's own clock (which
  the machine's other work does not stretch, as it stretches Lighthouse's), median of seven. Lighthouse is pinned in bench/package-lock.json (`npm ci --prefix bench`) and
  drives Debian's Chromium: it downloads no browser.

The page keeps no figures itself: the bench watches the program's turns through the page's test
interface (minigamesTest.watchTurns) to count the wake-ups and time the program between them.

    /usr/bin/python3 bench/web_bench.py build/web/minigames.html [--quick] [--lighthouse]
"""

import base64
import json
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tools" / "web"))
import browser

FIRST_PAINT = """
const done = arguments[arguments.length - 1];
const seen = (entries) => {
  const entry = entries.find((e) => e.identifier === arguments[0]);
  if (entry) done(entry.renderTime || entry.loadTime);
};
new PerformanceObserver((list) => seen(list.getEntries()))
    .observe({type: 'element', buffered: true});
"""


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, max(0, int(len(ordered) * fraction + 0.999999) - 1))]


def emit(line):
    print(json.dumps(line, ensure_ascii=False), flush=True)


# Counts the wake-ups and, once bench.scriptTimes is a list, times the program from each wake-up
# until it sleeps again.
WAKE_UP_COUNTER = """
const bench = window.bench = {wakeUps: 0, wokenAt: -1, scriptTimes: null};
minigamesTest.watchTurns((turn) => {
  if (turn === 'woken') {
    ++bench.wakeUps;
    bench.wokenAt = performance.now();
    return;
  }
  if (bench.wokenAt >= 0 && bench.scriptTimes) {
    bench.scriptTimes.push(performance.now() - bench.wokenAt);
  }
  bench.wokenAt = -1;
});
"""


def minimal_page(page):
    """One line of Japanese text, the page's title, in the page's own face (face.woff2 beside
    the page), and nothing else."""
    face = base64.b64encode(page.with_name("face.woff2").read_bytes()).decode("ascii")
    title = browser.facts(page)["title"]
    html = ("<!doctype html><html lang=ja><meta charset=utf-8><style>@font-face{font-family:g;"
            f"src:url(data:font/woff2;base64,{face}) format(\"woff2\")}}body{{font-family:g}}"
            f"</style><p elementtiming=line>{title}</p></html>")
    path = pathlib.Path(tempfile.mkdtemp()) / "minimal.html"
    path.write_text(html, encoding="utf-8")
    return path


def first_paint(driver, path, identifier):
    driver.get("about:blank")
    driver.get(path.as_uri())
    driver.set_script_timeout(30)
    return driver.execute_async_script(FIRST_PAINT, identifier)


def load_times(page, repetitions, phone=False):
    """The first paint of the menu beside that of a minimal page, each in fresh browsers; with
    `phone`, on a phone of 390 × 844 with a touch screen."""
    minimal = minimal_page(page)
    ours, theirs = [], []
    for _ in range(repetitions):
        driver = browser.chromium()
        try:
            if phone:
                browser.emulate_phone(driver, 390, 844)
            theirs.append(first_paint(driver, minimal, "line"))
            ours.append(first_paint(driver, page, "Form4"))
        finally:
            driver.quit()
    value, baseline = statistics.median(ours), statistics.median(theirs)
    line = {"name": ("phone" if phone else "page") + "_load_to_menu_first_paint", "unit": "ms",
            "value": round(value, 1), "baseline": round(baseline, 1),
            "baseline_what": "minimal page: one line of Japanese text in the same face",
            "ratio": round(value / baseline, 3), "target": "<= 1.5 x baseline",
            "met": value <= 1.5 * baseline}
    if phone:
        line["viewport"] = "390x844 mobile, touch, 3x"
    emit(line)


def open_race(click):
    """The clicks of openRace (tools/web/page_steps.json) made with `click`, and the race's
    countdown waited for on the real clock."""
    for name, *args in browser.STEPS["openRace"]:
        if name == "click":
            click(*args)
    time.sleep(3.2)  # the countdown


def frames(page, race_ms, idle_ms):
    driver = browser.chromium()
    try:
        driver.get(page.as_uri())
        time.sleep(1)
        driver.execute_script(WAKE_UP_COUNTER)
        time.sleep(idle_ms / 1000)
        idle = driver.execute_script("return bench.wakeUps")
        open_race(browser.mouse_and_keys(driver)["click"])
        driver.execute_script("bench.scriptTimes = []")
        started = time.monotonic()
        time.sleep(race_ms / 1000)
        times = driver.execute_script(
            "const t = bench.scriptTimes; bench.scriptTimes = null; return t")
        seconds = time.monotonic() - started
        errors = browser.console_errors(driver)
    finally:
        driver.quit()
    p99 = percentile(times, 0.99)
    emit({"name": "page_script_time_per_frame_race_running", "unit": "ms",
          "value": {"p50": round(percentile(times, 0.5), 3), "p99": round(p99, 3),
                    "max": round(max(times), 3), "frames": len(times),
                    "frames_per_s": round(len(times) / seconds, 1)},
          "target": "p99 <= 2 ms", "met": p99 <= 2 and not errors})
    emit({"name": "page_frames_with_script_menu_only", "unit": "wake-ups", "span_ms": idle_ms,
          "value": idle, "target": "none", "met": idle == 0})


# Times each pad's pointerdown to the frame after the program has taken it and gone back to sleep.
TAP_TIMER = """
const bench = window.bench = {latencies: [], touchedAt: -1};
document.addEventListener('pointerdown', () => { bench.touchedAt = performance.now(); }, true);
minigamesTest.watchTurns((turn) => {
  const at = bench.touchedAt;
  if (turn !== 'asleep' || at < 0) return;
  bench.touchedAt = -1;
  requestAnimationFrame(() => bench.latencies.push(performance.now() - at));
});
"""
# The browser's own floor: a pad that writes its text itself on pointerdown.
MINIMAL_PAD = """<!doctype html><meta name=viewport content="width=device-width">
<div class=pad data-key=39 style="height:80px;touch-action:none">→</div><p id=out></p><script>
const bench = window.bench = {latencies: []};
document.querySelector('.pad').addEventListener('pointerdown', () => {
  const at = performance.now();
  document.getElementById('out').textContent = String(at);
  requestAnimationFrame(() => bench.latencies.push(performance.now() - at));
});</script>"""


def tap_latencies(driver, taps):
    pad = driver.find_element("css selector", '[data-key="39"]')
    for _ in range(taps):
        browser.tap(driver, pad, clicks=False)
        time.sleep(0.05)
    return driver.execute_script("return bench.latencies")


def phone(page, taps, repetitions):
    load_times(page, repetitions, phone=True)
    pad_page = pathlib.Path(tempfile.mkdtemp()) / "pad.html"
    pad_page.write_text(MINIMAL_PAD, encoding="utf-8")
    driver = browser.chromium()
    try:
        browser.emulate_phone(driver, 390, 844)
        driver.get(pad_page.as_uri())
        floor = tap_latencies(driver, taps)
        driver.get(page.as_uri())
        time.sleep(1.5)
        driver.execute_script(TAP_TIMER)
        open_race(browser.taps(driver)["click"])
        driver.execute_script("bench.latencies = []")
        times = tap_latencies(driver, taps)
        errors = browser.console_errors(driver)
    finally:
        driver.quit()
    p99 = percentile(times, 0.99)
    emit({"name": "phone_tap_to_screen_race_pad", "unit": "ms",
          "value": {"p50": round(percentile(times, 0.5), 2), "p99": round(p99, 2),
                    "taps": len(times)},
          "baseline": {"p50": round(percentile(floor, 0.5), 2),
                       "p99": round(percentile(floor, 0.99), 2)},
          "baseline_what": "a page whose pad writes its own text on pointerdown",
          # Both wait for the next frame: the frame clock's jitter shows in the baseline too.
          "target": "p99 <= one frame (16.7 ms), or the baseline's p99 + 2 ms",
          "met": p99 <= max(16.7, percentile(floor, 0.99) + 2) and not errors})


LIGHTHOUSE = (pathlib.Path(__file__).resolve().parent / "node_modules" / "lighthouse" / "cli"
              / "index.js")
CATEGORIES = ("performance", "accessibility", "best-practices", "pwa")
# Lighthouse's own mobile screen, and a small phone's.
SCREENS = {"412x823": [], "360x640": ["--screenEmulation.width=360",
                                      "--screenEmulation.height=640",
                                      "--screenEmulation.deviceScaleFactor=3"]}


def lighthouse_run(address, screen_flags):
    """One Lighthouse run with its default (mobile, simulated slow phone) settings: its report."""
    flags = " ".join(browser.FLAGS)
    result = subprocess.run(
        ["node", str(LIGHTHOUSE), address, "--output=json", "--output-path=stdout", "--quiet",
         "--only-categories=" + ",".join(CATEGORIES), f"--chrome-flags={flags}", *screen_flags],
        env={"CHROME_PATH": browser.CHROMIUM, "PATH": "/usr/bin:/bin"},
        capture_output=True, text=True, check=True, timeout=300)
    return json.loads(result.stdout)


def lighthouse_figures(report):
    audits = report["audits"]
    long_tasks = audits["long-tasks"].get("details", {}).get("items", [])
    first_paint = audits["first-contentful-paint"]["numericValue"]
    interactive = audits["interactive"]["numericValue"]
    settings = report["configSettings"]["screenEmulation"]
    return {
        **{name: round(report["categories"][name]["score"] * 100) for name in CATEGORIES},
        "total_blocking_time_ms": round(audits["total-blocking-time"]["numericValue"]),
        "longest_task_ms": round(max((task["duration"] for task in long_tasks), default=0)),
        # Before the first paint the page is blank, and nothing a player does can wait: as
        # Lighthouse does for the blocking time, a task is cut at the first paint and at the
        # moment the page is interactive, and what is left of it is what a player could wait on.
        "longest_task_after_first_paint_ms": round(max(
            [0, *(min(task["startTime"] + task["duration"], interactive)
                  - max(task["startTime"], first_paint) for task in long_tasks)])),
        "long_tasks": len(long_tasks),
        "screen": f"{settings['width']}x{settings['height']}",
        "failed_audits": sorted(
            ref["id"] for name in CATEGORIES[1:] for ref in report["categories"][name]["auditRefs"]
            if ref["weight"] and audits[ref["id"]]["score"] not in (None, 1)),
    }


def lighthouse(server, runs=3):
    """The medians of `runs` Lighthouse runs on the site `server` serves on 127.0.0.1."""
    for screen, flags in SCREENS.items():
        figures = [lighthouse_figures(lighthouse_run(server.address, flags)) for _ in range(runs)]
        medians = {key: statistics.median(run[key] for run in figures)
                   for key, value in figures[0].items() if isinstance(value, (int, float))}
        tbt = medians["total_blocking_time_ms"]
        emit({"name": f"lighthouse_mobile_{screen}", "unit": "score / ms", "value": medians,
              "screen": figures[0]["screen"],
              # Wall-clock figures swing from run to run: each run's, beside the medians.
              "runs": {key: [run[key] for run in figures] for key in (
                  "total_blocking_time_ms", "longest_task_after_first_paint_ms")},
              "failed_audits": sorted({a for run in figures for a in run["failed_audits"]}),
              "target": "TBT <= 50 ms, no task over 50 ms after the first paint; "
                        "accessibility, best practices, PWA 100",
              "met": tbt <= 50 and medians["longest_task_after_first_paint_ms"] <= 50
              and all(medians[name] == 100 for name in CATEGORIES[1:])})


# The slowing of Lighthouse's mid-range phone, and the longest task a player never feels.
SLOW_PHONE = 4
LONG_TASK_MS = 50


def main_thread_tasks(trace):
    """The tasks of the page's main thread in a trace: (start, thread time) in ms, and the user
    timing marks and first contentful paint by name (start in ms)."""
    # Other renderers parse pages too (the blank page before): the page's own thread is the one
    # that marks the program playing.
    playing = next(e for e in trace if e.get("name") == "minigames-playing")
    main = (playing["pid"], playing["tid"])
    tasks = [(e["ts"] / 1000, e.get("tdur", e["dur"]) / 1000) for e in trace
             if (e["pid"], e["tid"]) == main and e.get("name") == "RunTask" and e.get("ph") == "X"]
    marks = {e["name"]: e["ts"] / 1000 for e in trace if e["pid"] == main[0] and (
        e.get("name", "").startswith("minigames-") or e.get("name") == "firstContentfulPaint")}
    return tasks, marks


def start_up_tasks(server, repetitions):
    """The longest task on the main thread of the site `server` serves from the first paint until
    the program plays (its first turn over), timed by the thread's own clock: what the machine's
    other work does not stretch. Lighthouse's slow phone takes SLOW_PHONE times as long over
    each."""
    longest, over = [], []
    for _ in range(repetitions):
        driver = browser.chromium(412, 823, perf_log_categories=(
            "devtools.timeline", "disabled-by-default-devtools.timeline", "blink.user_timing",
            "loading"))
        try:
            driver.get(server.address)
            browser.wait_until(driver, "return performance.getEntriesByName("
                               "'minigames-playing').length > 0")
            tasks, marks = main_thread_tasks(browser.trace_events(driver))
        finally:
            driver.quit()
        start, end = marks["firstContentfulPaint"], marks["minigames-playing"]
        during = [time for at, time in tasks if at <= end and at + time >= start]
        longest.append(max(during, default=0))
        over.append(sum(time * SLOW_PHONE > LONG_TASK_MS for time in during))
    slowest = statistics.median(longest)
    emit({"name": "site_longest_task_first_paint_to_playing", "unit": "ms of thread time",
          "value": {"median": round(slowest, 1), "max": round(max(longest), 1),
                    f"on a phone {SLOW_PHONE} x slower": round(slowest * SLOW_PHONE, 1),
                    f"tasks over {LONG_TASK_MS / SLOW_PHONE} ms, most in a load": max(over),
                    "loads": repetitions},
          "target": f"<= {LONG_TASK_MS} ms on the slow phone",
          "met": slowest * SLOW_PHONE <= LONG_TASK_MS})


def main():
    page = pathlib.Path(sys.argv[1]).resolve()
    quick = "--quick" in sys.argv
    if "--lighthouse" in sys.argv:
        server = browser.Server(page.parent / "site")
        try:
            start_up_tasks(server, 7)
            lighthouse(server)
        finally:
            server.stop()
        return 0
    size = page.stat().st_size
    emit({"name": "page_weight", "unit": "bytes", "value": size, "target": "<= 2 MB",
          "met": size <= 2 * 1024 * 1024})
    site = page.parent / "site"
    if site.is_dir():
        files = {path.name: path.stat().st_size for path in sorted(site.iterdir())}
        emit({"name": "site_weight", "unit": "bytes", "value": sum(files.values()),
              "files": files, "target": "<= 2 MB", "met": sum(files.values()) <= 2 * 1024 * 1024})
    load_times(page, 3 if quick else 7)
    frames(page, 3000 if quick else 20000, 2000 if quick else 10000)
    phone(page, 20 if quick else 60, 3 if quick else 7)
    return 0


if __name__ == "__main__":
    sys.exit(main())
