#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build's start against its floor: plain Qt widgets in the main window's layout,
in the same embedded fonts, built for the browser on the same Qt with the same build type
(bench/web_floor/). Both pages are loaded in turn in headless Chromium with nothing cached,
after one unrecorded round, each going first every other round; printed are the medians of the
time to the first frame of the window (and of its ratio within each round) and of the main
thread's blocking time (Lighthouse's measure: every task's time beyond 50 ms, from the
navigation until two seconds after the first frame), the sizes of both .wasm files raw, gzip -9
and brotli -q 11, and the ratios. A benchmark, not a test: it checks nothing. Measure on a quiet machine.

    bench/web_start.py BUILD_DIR [--runs N]      (BUILD_DIR: build/web, after setup.sh web)"""

import argparse
import gzip
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import browser_test  # noqa: E402  the Chromium driver and the page server of the browser test

BLOCKING = """
window.longTasks = [];
new PerformanceObserver((list) => {
  for (const task of list.getEntries()) window.longTasks.push([task.startTime, task.duration]);
}).observe({ type: 'longtask', buffered: true });
"""


def measure(browser, url):
    browser.send("Network.clearBrowserCache")
    browser.send("Page.navigate", {"url": url})
    deadline = time.monotonic() + 120
    while True:
        first = browser.evaluate("window.firstFrameAt || 0")
        if first:
            break
        if time.monotonic() > deadline:
            raise browser_test.Failure(f"{url}: no first frame")
        time.sleep(0.02)
    time.sleep(2.2)
    tasks = browser.evaluate("window.longTasks")
    blocking = sum(max(0.0, d - 50) for start, d in tasks if start <= first + 2000)
    return first / 1000, blocking


def sizes(path):
    with open(path, "rb") as f:
        data = f.read()
    brotli = subprocess.run(["brotli", "-q", "11", "-c"], input=data, capture_output=True,
                            check=True).stdout
    return len(data), len(gzip.compress(data, 9)), len(brotli)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("--runs", type=int, default=9)
    args = parser.parse_args()
    build = os.path.abspath(args.build_dir)
    # emcc's optimiser takes Debian's acorn from Node's modules and runs on Debian's own Python,
    # as in scripts/setup.sh web.
    env = dict(os.environ)
    env.setdefault("NODE_PATH", "/usr/share/nodejs")
    env.setdefault("EMSDK_PYTHON", "/usr/bin/python3")
    subprocess.run(["cmake", "--build", build, "--target", "floor"], check=True,
                   stdout=subprocess.DEVNULL, env=env)
    server = browser_test.serve(build)
    base = f"http://127.0.0.1:{server.server_address[1]}"
    pages = {"Tavimor": base + "/index.html", "floor": base + "/bench/web_floor/index.html"}
    browser = browser_test.Browser(1280, 900)
    results = {name: [] for name in pages}
    try:
        browser.attach()
        browser.send("Network.enable")
        # Every start a first visit: no cache, no service worker.
        browser.send("Network.setCacheDisabled", {"cacheDisabled": True})
        browser.send("Network.setBypassServiceWorker", {"bypass": True})
        browser.send("Page.addScriptToEvaluateOnNewDocument", {"source": BLOCKING})
        browser.send("Emulation.setDeviceMetricsOverride",
                     {"width": 1280, "height": 900, "deviceScaleFactor": 1, "mobile": False})
        # One unrecorded round warms the browser and the disk; after it, the pages take turns
        # going first, so that neither always follows the other.
        for name, url in pages.items():
            measure(browser, url)
        order = list(pages.items())
        for _ in range(args.runs):
            for name, url in order:
                results[name].append(measure(browser, url))
            order.reverse()
    finally:
        browser.close()
        server.shutdown()

    first = {n: statistics.median(r[0] for r in runs) for n, runs in results.items()}
    blocking = {n: statistics.median(r[1] for r in runs) for n, runs in results.items()}
    print(f"{'':28}{'Tavimor':>12}{'floor':>12}{'ratio':>8}")
    print(f"{'first frame (median, s)':28}{first['Tavimor']:12.2f}{first['floor']:12.2f}"
          f"{first['Tavimor'] / first['floor']:8.2f}")
    # The ratio within each round, whose median drifts less with the machine's load.
    paired = statistics.median(a[0] / b[0] for a, b in zip(results['Tavimor'], results['floor']))
    print(f"{'first frame (round by round)':28}{'':24}{paired:8.2f}")
    print(f"{'blocking (median, ms)':28}{blocking['Tavimor']:12.0f}{blocking['floor']:12.0f}"
          f"{blocking['Tavimor'] / max(blocking['floor'], 1):8.2f}")
    ours = sizes(os.path.join(build, "tavimor.wasm"))
    floor = sizes(os.path.join(build, "bench", "web_floor", "floor.wasm"))
    for label, a, b in zip(("wasm raw (MB)", "wasm gzip -9 (MB)", "wasm brotli -q 11 (MB)"),
                           ours, floor):
        print(f"{label:28}{a / 1e6:12.2f}{b / 1e6:12.2f}{a / b:8.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
