#!/usr/bin/env python3
"""Start-up of the web page in headless Chromium: from navigation to the first
chart drawn, and the bytes the page loads.

Serves the built page (scripts/web.sh --build-only) on 127.0.0.1 and opens it,
at an address that presses the planetarium button, RUNS times in a fresh
browser context each (a new renderer process, nothing cached) and RUNS times
again in one tab (caches kept); then the same for planetarium.html, the page
in one file, opened from disk (file://). Each time it reads when the page first
painted a chart: performance.now() from the start of the navigation, which the
page writes as `data-first-chart-ms` on its root element. Chromium is driven
through its DevTools protocol on a pipe, in real time (no virtual time budget).

Usage: bench/web_first_chart.py [RUNS] [PAGE_FOLDER]      (defaults: 20, build/web)
"""

import functools
import http.server
import json
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

QUERY = "site=12&at=2005-10-22T21:00&dir=south&grid&names&equator&ecliptic"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class DevTools:
    """Chromium's DevTools protocol over --remote-debugging-pipe (fds 3 and 4)."""

    def __init__(self, profile):
        to_browser_read, self._to_browser = os.pipe()
        self._from_browser, from_browser_write = os.pipe()

        def child_fds():
            os.dup2(to_browser_read, 3)
            os.dup2(from_browser_write, 4)

        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--disable-dev-shm-usage", "--remote-debugging-pipe",
             f"--user-data-dir={profile}", "--window-size=1040,640", "about:blank"],
            pass_fds=(3, 4), preexec_fn=child_fds,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self._next_id = 0
        self._buffer = b""

    def call(self, method, session=None, **params):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._receive()
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]

    def _receive(self):
        while b"\0" not in self._buffer:
            chunk = os.read(self._from_browser, 65536)
            if not chunk:
                raise RuntimeError("the browser closed its pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def close(self):
        self.process.terminate()
        self.process.wait()


def first_chart_ms(tools, session, url):
    """Navigates the tab of `session` to `url`; the new page's first-chart time."""
    read = "document.documentElement.dataset.firstChartMs || ''"
    # The page being left must not answer for the new one.
    tools.call("Runtime.evaluate", session,
               expression="document.documentElement.removeAttribute('data-first-chart-ms')")
    tools.call("Page.navigate", session, url=url)
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        # Empty, or nothing at all while the new document is being made.
        value = tools.call("Runtime.evaluate", session, expression=read,
                           returnByValue=True)["result"].get("value")
        if value:
            return float(value)
        time.sleep(0.02)
    raise RuntimeError("no chart within 30 s")


def in_new_context(tools, url):
    """The first-chart time in a tab of a fresh browser context: a new renderer
    process, nothing cached."""
    context = tools.call("Target.createBrowserContext")["browserContextId"]
    target = tools.call("Target.createTarget", url="about:blank",
                        browserContextId=context)["targetId"]
    session = tools.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
    try:
        return first_chart_ms(tools, session, url)
    finally:
        tools.call("Target.closeTarget", targetId=target)
        tools.call("Target.disposeBrowserContext", browserContextId=context)


def again_in_one_tab(tools, url, runs):
    """First-chart times of one tab opening the page again and again: the
    renderer, the HTTP cache and the compiled module are kept."""
    target = tools.call("Target.createTarget", url="about:blank")["targetId"]
    session = tools.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
    try:
        first_chart_ms(tools, session, url)  # fills the caches
        return [first_chart_ms(tools, session, url) for _ in range(runs)]
    finally:
        tools.call("Target.closeTarget", targetId=target)


def summary(times):
    return (f"mean {statistics.mean(times):.1f} ms, median {statistics.median(times):.1f} ms, "
            f"{min(times):.1f} to {max(times):.1f} ms")


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 20
    folder = Path(sys.argv[2] if len(sys.argv) > 2 else "build/web")
    files = ["index.html", "planetarium.js", "planetarium.wasm"]
    sizes = {name: (folder / name).stat().st_size for name in files}
    single_file = folder / "planetarium.html"
    single_url = f"{single_file.resolve().as_uri()}?{QUERY}"

    handler = functools.partial(QuietHandler, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html?{QUERY}"
    with tempfile.TemporaryDirectory() as profile:
        tools = DevTools(profile)
        try:
            in_new_context(tools, url)  # the browser's own start-up, not measured
            cold = [in_new_context(tools, url) for _ in range(runs)]
            warm = again_in_one_tab(tools, url, runs)
            single_cold = [in_new_context(tools, single_url) for _ in range(runs)]
            single_warm = again_in_one_tab(tools, single_url, runs)
        finally:
            tools.close()
            server.shutdown()

    for name in files:
        print(f"{name:18} {sizes[name]:9,} bytes")
    print(f"{'together':18} {sum(sizes.values()):9,} bytes")
    print(f"{single_file.name:18} {single_file.stat().st_size:9,} bytes (the page in one file)")
    print(f"navigation to first chart, {runs} runs each:")
    print(f"  served, new browser context (nothing cached): {summary(cold)}")
    print(f"  served, the same tab again (caches kept):     {summary(warm)}")
    print(f"  planetarium.html from disk, new context:      {summary(single_cold)}")
    print(f"  planetarium.html from disk, the same tab:     {summary(single_warm)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
