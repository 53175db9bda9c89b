#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser build in a real browser: headless Chromium, driven over the DevTools protocol
(through a pipe, so nothing but Python and Chromium is needed), against the page served on
127.0.0.1. The program is read through the page's tavimorDescribe() and used with real mouse and
key events on its canvas.

    browser_test.py BUILD_DIR [--screenshot FILE]

Exits 0 when every check holds, 1 with the failed check otherwise. Prints the time from the
page's start to the main window's first frame, and the page's sizes."""

import argparse
import base64
import functools
import gzip
import http.server
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import threading
import time

# The main window's designed size, 8895 x 7215 twips at 15 twips a pixel; the table's 4380 x 6645.
MAIN_SIZE = (593, 481)
TABLE_SIZE = (292, 443)

# The screens the page is tried on: CSS size, device pixel ratio, and whether it is a touch
# screen (a phone's or a tablet's, which lays out the page by its viewport).
SCREENS = [
    ("a tablet, landscape", 1024, 768, 2, True),
    ("a tablet, portrait", 768, 1024, 2, True),
    ("a phone, portrait", 390, 844, 3, True),
    ("a phone, landscape", 844, 390, 3, True),
    ("a small phone", 320, 568, 2, True),
    ("a desktop", 1280, 900, 1, False),
]


class Failure(Exception):
    pass


class Browser:
    """Chromium with --remote-debugging-pipe: commands on fd 3, replies and events on fd 4,
    each a JSON text ended by a NUL."""

    def __init__(self, width, height):
        to_browser_r, self._to_browser = os.pipe()
        self._from_browser, from_browser_w = os.pipe()
        self._profile = tempfile.mkdtemp(prefix="tavimor-chromium-")
        chromium = shutil.which("chromium") or shutil.which("chromium-browser")
        if chromium is None:
            raise Failure("chromium is not installed")

        def child_fds():
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)

        self._process = subprocess.Popen(
            [chromium, "--headless=new", "--no-sandbox", "--remote-debugging-pipe",
             "--user-data-dir=" + self._profile, "--no-first-run", "--disable-extensions",
             "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--lang=ja",
             f"--window-size={width},{height}", "about:blank"],
            pass_fds=(3, 4), preexec_fn=child_fds,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self._buffer = b""
        self._next_id = 0
        self.events = []
        self.session = None

    def attach(self):
        """Takes the browser's page as the session of every later command, its runtime and page
        events on."""
        targets = self.send("Target.getTargets", session=False)["targetInfos"]
        page_target = next(t for t in targets if t["type"] == "page")
        self.session = self.send("Target.attachToTarget",
                                 {"targetId": page_target["targetId"], "flatten": True},
                                 session=False)["sessionId"]
        self.send("Runtime.enable")
        self.send("Page.enable")

    def close(self):
        try:
            self.send("Browser.close", session=False)
        except Exception:
            pass
        try:
            self._process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self._process.kill()
        os.close(self._to_browser)
        os.close(self._from_browser)
        shutil.rmtree(self._profile, ignore_errors=True)

    def _read_message(self, timeout):
        deadline = time.monotonic() + timeout
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._from_browser], [], [], left)[0]:
                raise Failure("Chromium stopped answering")
            chunk = os.read(self._from_browser, 1 << 20)
            if not chunk:
                raise Failure("Chromium ended")
            self._buffer += chunk
        text, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(text)

    def send(self, method, params=None, session=True, timeout=60):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._read_message(timeout)
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise Failure(f"{method}: {reply['error']}")
                return reply.get("result", {})
            if "method" in reply:
                self.events.append(reply)

    def evaluate(self, expression, wait=False):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": wait})
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def exceptions(self):
        return [e for e in self.events if e["method"] == "Runtime.exceptionThrown"]

    def console(self):
        lines = []
        for event in self.events:
            if event["method"] == "Runtime.consoleAPICalled":
                lines.append(" ".join(str(a.get("value", a.get("description", "")))
                                      for a in event["params"]["args"]))
        return lines


class Page:
    """The program as the page shows it."""

    def __init__(self, browser):
        self.browser = browser

    def windows(self):
        text = self.browser.evaluate(
            "typeof tavimorDescribe === 'function' ? tavimorDescribe() : null")
        return json.loads(text) if text else None

    def wait_for(self, what, condition, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            windows = self.windows() or []
            found = condition(windows)
            if found:
                return found
            time.sleep(0.05)
        raise Failure(f"timed out waiting for {what}; the windows: " + "; ".join(
            f"{w['title']} {w['w']}x{w['h']}{' modal' if w['modal'] else ''}: " + " ".join(
                f"{i['name']}={i.get('caption', i.get('text'))!r}" for i in w["widgets"]
                if i.get("caption") or i.get("focused")) for w in self.windows() or []))

    @staticmethod
    def window(windows, title_part):
        return next((w for w in windows if title_part in w["title"]), None)

    @staticmethod
    def widget(window, name=None, text=None):
        for item in window["widgets"]:
            if (name is None or item["name"] == name) and (text is None or item.get("text") == text):
                return item
        return None

    def main(self):
        window = self.window(self.windows() or [], "Tavimor ver.")
        if window is None:
            raise Failure("the main window is gone")
        return window

    def click(self, item):
        x = item["x"] + item["w"] / 2
        y = item["y"] + item["h"] / 2
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            params = {"type": kind, "x": x, "y": y}
            if kind != "mouseMoved":
                params.update(button="left", clickCount=1, buttons=1 if kind == "mousePressed" else 0)
            self.browser.send("Input.dispatchMouseEvent", params)
        time.sleep(0.1)

    def tap(self, item, cancel=False, while_down=None):
        """A finger on the middle of `item`, lifted (or the touch cancelled by the browser, after
        `while_down` has looked). The touch is given in the page's CSS pixels, whatever the
        page's zoom."""
        point = {"x": item["x"] + item["w"] / 2, "y": item["y"] + item["h"] / 2}
        self.browser.send("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [point]})
        if while_down:
            time.sleep(0.2)
            while_down()
        self.browser.send("Input.dispatchTouchEvent",
                          {"type": "touchCancel" if cancel else "touchEnd", "touchPoints": []})
        time.sleep(0.15)

    def key(self, key, code, key_code, text=None, modifiers=0, pause=0.05):
        down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": key_code, "modifiers": modifiers}
        if text:
            down["text"] = text
        self.browser.send("Input.dispatchKeyEvent", down)
        self.browser.send("Input.dispatchKeyEvent", {"type": "keyUp", "key": key, "code": code,
                                                     "windowsVirtualKeyCode": key_code,
                                                     "modifiers": modifiers})
        time.sleep(pause)

    def type_text(self, text):
        for ch in text:
            self.key(ch, "Digit" + ch if ch.isdigit() else "", ord(ch.upper()), text=ch, pause=0)
        time.sleep(0.1)


def options_in(window, group):
    """The option buttons inside the group named `group`."""
    box = Page.widget(window, group)
    return [w for w in window["widgets"] if w["class"] == "tavimor::OptionButton"
            and box["x"] <= w["x"] < box["x"] + box["w"] and box["y"] <= w["y"] < box["y"] + box["h"]]


def emulate(browser, width, height, ratio, touch):
    landscape = width > height
    browser.send("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": touch,
        "screenOrientation": {"type": "landscapePrimary" if landscape else "portraitPrimary",
                              "angle": 90 if landscape else 0}})
    browser.send("Emulation.setTouchEmulationEnabled",
                 {"enabled": touch, "maxTouchPoints": 5 if touch else 1})


def spoken(browser):
    """What the page's live region holds, as Chromium's accessibility tree has it: the text
    under the node of role log."""
    nodes = browser.send("Accessibility.getFullAXTree")["nodes"]
    by_id = {n["nodeId"]: n for n in nodes}

    def texts(node):
        found = [node.get("name", {}).get("value", "")] if node["role"]["value"] == "StaticText" else []
        for child in node.get("childIds", []):
            if child in by_id:
                found += texts(by_id[child])
        return found

    application = [n.get("name", {}).get("value") for n in nodes
                   if n.get("role", {}).get("value") == "application"]
    log = next((n for n in nodes if n.get("role", {}).get("value") == "log"), None)
    return application, " ".join(texts(log)) if log else None


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok:", what)


def serve(directory):
    """The folder on 127.0.0.1. The server's `replaced` maps a file's name to other contents
    served in its place (a newer version of a file, say)."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                              **{".wasm": "application/wasm"})
        replaced = {}

        def do_GET(self):
            contents = self.replaced.get(self.path.split("?")[0].lstrip("/"))
            if contents is None:
                return super().do_GET()
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(self.path))
            self.send_header("Content-Length", str(len(contents)))
            self.end_headers()
            self.wfile.write(contents)
            return None

        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=directory)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.replaced = Quiet.replaced
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def load(browser, page, url):
    browser.send("Page.navigate", {"url": url})
    time.sleep(0.3)
    return page.wait_for("the main window", lambda ws: (m := Page.window(ws, "Tavimor ver.")) and
                         (m["w"], m["h"]) == MAIN_SIZE and m, 120)


def screens(browser, page, url):
    """On every screen the whole window shows, and taps ask, answer and judge."""
    for name, width, height, ratio, touch in SCREENS:
        emulate(browser, width, height, ratio, touch)
        main = load(browser, page, url)
        time.sleep(0.5)
        main = page.main()
        layout = browser.evaluate("[document.documentElement.clientWidth, "
                                  "document.documentElement.clientHeight, visualViewport.width, "
                                  "visualViewport.height, visualViewport.scale]")
        page_width, page_height, seen_width, seen_height, scale = layout
        inside = (main["x"] >= 0 and main["y"] >= 24 and main["x"] + main["w"] <= page_width and
                  main["y"] + main["h"] <= page_height and seen_width >= page_width - 1 and
                  seen_height >= page_height - 1)
        check(inside, f"{name} ({width} x {height} at {ratio}x): the window lies within the page "
              f"({main['x']}, {main['y']} in {page_width} x {page_height}, shown at {scale:.2f})")
        press = page.tap if touch else page.click
        press(Page.widget(main, "cmdQuestion"))
        main = page.wait_for("a question", lambda ws: (m := Page.window(ws, "Tavimor ver.")) and
                             Page.widget(m, "lblAminoAcid")["caption"] and m)
        press(options_in(main, "mopAnswer")[3])
        press(Page.widget(page.main(), "cmdAnswer"))
        main = page.wait_for("the verdict", lambda ws: (m := Page.window(ws, "Tavimor ver.")) and
                             (Page.widget(m, "lblRightAnswer") or Page.widget(m, "lblBadAnswer")) and m)
        check(True, f"{name}: {'taps' if touch else 'clicks'} ask, answer and judge")
        if touch and width < 400:
            touch_only(browser, page)


def touch_only(browser, page):
    """What only a touch screen does: a cancelled touch, and typing on its own keyboard."""
    main = page.main()
    pressed = []
    page.tap(Page.widget(main, "cmdQuestion"), cancel=True,
             while_down=lambda: pressed.append(Page.widget(page.main(), "cmdQuestion")["down"]))
    time.sleep(0.2)
    judged = page.main()
    check(pressed == [True] and not Page.widget(judged, "cmdQuestion")["down"] and
          (Page.widget(judged, "lblRightAnswer") or Page.widget(judged, "lblBadAnswer")),
          "a touch the browser cancels leaves no button pressed, and clicks none")
    page.tap(Page.widget(page.main(), "chkUseTimer"))
    limit = next(w for w in page.main()["widgets"] if w["class"] == "tavimor::TypedTextBox")
    page.tap(limit)
    time.sleep(0.2)
    check(browser.evaluate("document.activeElement.id + ' ' + document.activeElement.inputMode") ==
          "tavimor-keys decimal", "tapping the time limit brings up the screen's number keyboard")
    before = next(w for w in page.main()["widgets"] if w["class"] == "tavimor::TypedTextBox")["caption"]
    browser.send("Input.insertText", {"text": "7x"})
    time.sleep(0.3)
    after = next(w for w in page.main()["widgets"] if w["class"] == "tavimor::TypedTextBox")["caption"]
    check(after.count("7") == before.count("7") + 1 and "x" not in after,
          f"what is typed there goes through the box's key filter ({before!r} became {after!r})")


def slow_download(browser, page, url):
    """Over a slow network the loading line counts the download, and goes when the drill shows."""
    browser.send("Network.enable")
    browser.send("Network.setCacheDisabled", {"cacheDisabled": True})
    browser.send("Network.setBypassServiceWorker", {"bypass": True})
    browser.send("Network.emulateNetworkConditions", {"offline": False, "latency": 100,
                                                      "downloadThroughput": 2_000_000,
                                                      "uploadThroughput": -1})
    lines = []
    try:
        browser.send("Page.navigate", {"url": "about:blank"})
        browser.send("Page.navigate", {"url": url})
        deadline = time.monotonic() + 60
        while not page.windows():
            if time.monotonic() > deadline:
                raise Failure(f"the slow download did not end (the loading line said {lines})")
            line = browser.evaluate("(n => n && !n.hidden ? n.querySelector('#status').textContent"
                                    " : '')(document.getElementById('loading'))")
            if line and line not in lines:
                lines.append(line)
            time.sleep(0.1)
    finally:
        browser.send("Network.emulateNetworkConditions", {"offline": False, "latency": 0,
                                                          "downloadThroughput": -1,
                                                          "uploadThroughput": -1})
        browser.send("Network.setBypassServiceWorker", {"bypass": False})
        browser.send("Network.setCacheDisabled", {"cacheDisabled": False})
    counts = [line for line in lines if line.startswith("ダウンロード中 ") and line.endswith(" %")]
    check(len(counts) >= 3, "over a slow network the loading line counts the download (" +
          (f"{counts[0]} ... {counts[-1]}, {len(counts)} lines)" if counts else f"{lines})"))
    page.wait_for("the main window", lambda ws: Page.window(ws, "Tavimor ver."), 30)
    check(browser.evaluate("document.getElementById('loading').hidden"),
          "the loading line goes when the drill shows")


def offline(browser, page, url, server, build_dir):
    """Installable, back with the network off, and replaced by a newer version."""
    errors = browser.send("Page.getInstallabilityErrors")["installabilityErrors"]
    check(errors == [], f"Chromium finds the page installable ({errors})")
    check(browser.evaluate("navigator.serviceWorker.ready.then(r => !!r.active)", wait=True),
          "the service worker is active")
    browser.send("Network.enable")
    browser.send("Network.emulateNetworkConditions", {"offline": True, "latency": 0,
                                                      "downloadThroughput": -1,
                                                      "uploadThroughput": -1})
    try:
        load(browser, page, url)
        check(True, "with the network off, a reload brings the drill back")
    finally:
        browser.send("Network.emulateNetworkConditions", {"offline": False, "latency": 0,
                                                          "downloadThroughput": -1,
                                                          "uploadThroughput": -1})
    # A newer version of the page: its worker has a cache of another name. The next visit takes
    # it up, and the older cache is gone.
    kept = browser.evaluate("caches.keys()", wait=True)
    check(len(kept) == 1 and kept[0].startswith("tavimor-"), f"the page's files are kept in one cache ({kept})")
    with open(os.path.join(build_dir, "sw.js"), "rb") as f:
        worker = f.read()
    newer = kept[0] + "-newer"
    server.replaced["sw.js"] = worker.replace(kept[0].encode(), newer.encode())
    load(browser, page, url)
    deadline = time.monotonic() + 20
    while (now := browser.evaluate("caches.keys()", wait=True)) != [newer]:
        if time.monotonic() > deadline:
            raise Failure(f"the newer version's cache did not replace {kept} ({now})")
        time.sleep(0.2)
    check(True, f"the next visit after a newer version keeps only the newer cache ({now})")


def run(build_dir, screenshot):
    server = serve(build_dir)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    browser = Browser(1280, 900)
    try:
        browser.attach()
        browser.send("Emulation.setDeviceMetricsOverride",
                     {"width": 1280, "height": 900, "deviceScaleFactor": 1, "mobile": False})
        page = Page(browser)

        start = time.monotonic()
        browser.send("Page.navigate", {"url": url})
        first = page.wait_for("the main window", lambda ws: Page.window(ws, "Tavimor ver."), 120)
        first_frame = time.monotonic() - start
        print(f"page load to the main window's first frame: {first_frame:.2f} s")
        check(not browser.exceptions(), "the page loads without an exception")
        first = page.wait_for(f"the main window at its designed size {MAIN_SIZE}", lambda ws: (
            m := Page.window(ws, "Tavimor ver.")) and (m["w"], m["h"]) == MAIN_SIZE and m, 5)
        time.sleep(0.2)
        first = page.main()
        check((first["w"], first["h"]) == MAIN_SIZE, f"the main window has its designed size {MAIN_SIZE}")
        centre = (first["x"] + first["w"] / 2, first["y"] + first["h"] / 2)
        # Centred as the program centres it on every platform: its inside, with the frame's border
        # and title bar around it.
        check(abs(centre[0] - 640) <= 8 and abs(centre[1] - 450) <= 30,
              f"the main window is centred on the page ({centre[0]}, {centre[1]})")
        check(browser.evaluate("document.title").startswith("Tavimor"), "the page carries the program's title")

        main = page.main()
        page.click(Page.widget(main, "cmdQuestion"))
        main = page.wait_for("a question", lambda ws: (m := Page.window(ws, "Tavimor ver.")) and
                             Page.widget(m, "lblAminoAcid")["caption"] and m)
        check(True, f"出題 asks a question ({Page.widget(main, 'lblAminoAcid')['caption']})")

        # An answer, then 解答の確定: the verdict and the score.
        page.click(options_in(main, "mopAnswer")[0])
        page.click(Page.widget(page.main(), "cmdAnswer"))
        main = page.wait_for("the verdict", lambda ws: (m := Page.window(ws, "Tavimor ver.")) and
                             (Page.widget(m, "lblRightAnswer") or Page.widget(m, "lblBadAnswer")) and m)
        verdict = "正解" if Page.widget(main, "lblRightAnswer") else "不正解"
        score = Page.widget(main, "lblRigthAnswerNumber")["caption"] + " / " + \
            Page.widget(main, "lblQuestionNumber")["caption"]
        check(score in ("0 / 1", "1 / 1") and (verdict == "正解") == (score == "1 / 1"),
              f"解答の確定 judges the answer: {verdict}, {score}, the right answer "
              f"{Page.widget(main, 'lblAnswer')['caption']}")

        # The same by keyboard alone, heard through the page's live region: Alt+Q asks, Tab
        # reaches the answers, Space chooses, Alt+A judges.
        browser.send("Accessibility.enable")
        page.key("q", "KeyQ", 81, modifiers=1)
        main = page.wait_for("a second question", lambda ws: (m := Page.window(ws, "Tavimor ver.")) and
                             not Page.widget(m, "lblRightAnswer") and
                             not Page.widget(m, "lblBadAnswer") and m)
        question = Page.widget(main, "lblAminoAcid")["caption"]
        deadline = time.monotonic() + 5
        while question not in (spoken(browser)[1] or "") and time.monotonic() < deadline:
            time.sleep(0.1)
        application, said = spoken(browser)
        check(application == ["Tavimor アミノ酸ドリル"],
              f"the canvas is an application to assistive technology, named {application}")
        check(question in (said or ""), f"the live region speaks the question: {said!r}")
        for _ in range(30):
            focused = next((w for w in options_in(page.main(), "mopAnswer") if w["focused"]), None)
            if focused:
                break
            page.key("Tab", "Tab", 9)
        check(focused is not None, "Tab reaches the answers")
        deadline = time.monotonic() + 3
        while "radio button" not in browser.evaluate(
                "document.getElementById('tavimor-focus').textContent") and time.monotonic() < deadline:
            time.sleep(0.1)
        focus_said = browser.evaluate("document.getElementById('tavimor-focus').textContent")
        check(focused["text"] in focus_said and "radio button" in focus_said,
              f"a focus move is spoken: {focus_said!r}")
        page.key(" ", "Space", 32, text=" ")
        page.key("a", "KeyA", 65, modifiers=1)
        deadline = time.monotonic() + 5
        while "正答率" not in (spoken(browser)[1] or "") and time.monotonic() < deadline:
            time.sleep(0.1)
        said = spoken(browser)[1] or ""
        check(("正解" in said or "不正解" in said) and "正答率" in said and "/ 2" in said,
              f"the live region speaks the verdict, the right answer and the score: {said!r}")

        if screenshot:
            shot = browser.send("Page.captureScreenshot", {"format": "png"})
            with open(screenshot, "wb") as out:
                out.write(base64.b64decode(shot["data"]))
            print("screenshot:", screenshot)

        # The same form asked and answered: the refusal box keeps the window from input until OK.
        question_forms = options_in(main, "mopQuestionType")
        answer_forms = options_in(main, "mopAnswerType")
        same = next(a for a in answer_forms if a["checked"])
        page.click(next(q for q in question_forms if q["text"] == same["text"]))
        page.click(Page.widget(page.main(), "cmdQuestion"))
        box = page.wait_for("the refusal box", lambda ws: next((w for w in ws if w["modal"]), None))
        check(any("同じ" in (w.get("caption") or "") for w in box["widgets"]),
              "equal forms bring up the refusal box: " +
              " ".join(w.get("caption") or "" for w in box["widgets"] if w["class"] == "QLabel"))
        deadline = time.monotonic() + 3
        while "同じ" not in (spoken(browser)[1] or "") and time.monotonic() < deadline:
            time.sleep(0.1)
        focus_said = browser.evaluate("document.getElementById('tavimor-focus').textContent")
        check("同じ" in (spoken(browser)[1] or "") and "push button" in focus_said,
              f"the box is spoken ({spoken(browser)[1]!r}) and its button named ({focus_said!r})")
        asked = Page.widget(page.main(), "lblQuestionNumber")["caption"]
        page.click(Page.widget(page.main(), "cmdShowTable"))
        time.sleep(0.3)
        windows = page.windows()
        check(len(windows) == 2 and Page.widget(page.main(), "lblQuestionNumber")["caption"] == asked,
              "while the box is up the window takes no click (一覧表 opened nothing)")
        page.click(next(w for w in box["widgets"] if w["class"] == "QPushButton"))
        page.wait_for("the box to close", lambda ws: not any(w["modal"] for w in ws) or None)
        check(True, "OK closes the box")
        page.click(next(q for q in question_forms if q["text"] != same["text"]))

        # A time limit beyond any number is refused: after OK, the box takes the focus back.
        page.click(Page.widget(page.main(), "chkUseTimer"))
        limit = next(w for w in page.main()["widgets"] if w["class"] == "tavimor::TypedTextBox")
        page.click(limit)
        for _ in range(4):
            page.key("Backspace", "Backspace", 8)
        page.type_text("9" * 310)
        page.key("Tab", "Tab", 9)
        box = page.wait_for("the time limit's refusal", lambda ws: next((w for w in ws if w["modal"]), None))
        page.click(next(w for w in box["widgets"] if w["class"] == "QPushButton"))
        page.wait_for("the focus back in the time limit", lambda ws: not any(w["modal"] for w in ws) and any(
            w["class"] == "tavimor::TypedTextBox" and w["focused"] for w in Page.window(ws, "Tavimor ver.")["widgets"]))
        check(True, "after the refusal's OK the time limit has the focus again")

        # A timed run with limit 1 asks its next question by itself.
        page.key("End", "End", 35)
        for _ in range(320):
            page.key("Backspace", "Backspace", 8, pause=0)
        page.type_text("1")
        page.click(Page.widget(page.main(), "cmdStartQuestion"))
        first_asked = int(page.wait_for("the timed run's first question", lambda ws: (
            m := Page.window(ws, "Tavimor ver.")) and Page.widget(m, "cmdEndQuestion")["enabled"] and
            Page.widget(m, "lblQuestionNumber")["caption"]))
        page.wait_for("a question asked by the timer", lambda ws: int(Page.widget(
            Page.window(ws, "Tavimor ver."), "lblQuestionNumber")["caption"]) > first_asked, 10)
        check(True, "a timed run with limit 1 asks the next question by itself")
        page.click(Page.widget(page.main(), "cmdEndQuestion"))

        # 一覧表 opens the table window, here by its access key, Alt+T.
        page.key("t", "KeyT", 84, modifiers=1)
        table = page.wait_for("the table window", lambda ws: next(
            (w for w in ws if "Tavimor ver." not in w["title"] and not w["modal"]), None), 5)
        check((table["w"], table["h"]) == TABLE_SIZE,
              f"Alt+T, the access key of 一覧表, opens the table window ({table['title']}, {table['w']} x {table['h']})")

        # 終了 ends the drill, and the page says so.
        page.click(Page.widget(page.main(), "cmdExit"))
        deadline = time.monotonic() + 10
        while not browser.evaluate("!document.getElementById('ended').hidden"):
            if time.monotonic() > deadline:
                raise Failure("終了 did not end the drill")
            time.sleep(0.05)
        check(True, "終了 ends the drill, and the page offers to start again")
        check(not browser.exceptions(), "no exception on the page")

        screens(browser, page, url)
        slow_download(browser, page, url)
        offline(browser, page, url, server, build_dir)
    except Failure as failure:
        print("FAILED:", failure)
        for line in browser.console()[-20:]:
            print("console:", line)
        for event in browser.exceptions():
            print("exception:", json.dumps(event["params"])[:2000])
        return 1
    finally:
        browser.close()
        server.shutdown()

    wasm = os.path.join(build_dir, "tavimor.wasm")
    with open(wasm, "rb") as f:
        packed = len(gzip.compress(f.read(), 9))
    print(f"tavimor.wasm: {os.path.getsize(wasm) / 1e6:.1f} MB, {packed / 1e6:.1f} MB gzipped")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    return run(os.path.abspath(args.build_dir), args.screenshot)


if __name__ == "__main__":
    sys.exit(main())
