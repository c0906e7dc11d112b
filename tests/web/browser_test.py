#!/usr/bin/env python3
"""The built web page in headless Chromium, served over http on 127.0.0.1.

For a handful of addresses the page's <pre id="ops"> must hold the operations
that `planetarium-cli chart --ops` prints for the same controls: the same
operations in the same order, colours and texts equal, coordinates within
1e-6 twips; after one tick of the animation, those of `--ticks 1`; the same
from planetarium.html, the page in one file, opened from disk, which must stay
under 400 KB. A bad address must show a message for each bad parameter and
still draw the defaults; `at` with `tz`, and `at=now`, mean what they mean on
the command line. A screenshot's chart area must not be empty. Printed
(--print-to-pdf), the page is one landscape A4 page with the chart's caption.

Usage: browser_test.py --page build/web --cli build/release/platform/cli/planetarium-cli
                       [--shots FOLDER]   (keeps the printed page, as PDF and PNG)
Exit status 77 (skipped) when the page has not been built.
"""

import argparse
import functools
import html
import http.server
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import urllib.parse
import zlib
from pathlib import Path

TOLERANCE_TWIPS = 1e-6
AT = ("2005-10-22T21:00", "2005-10-22 21:00")
# [ms] of the browser's virtual time: the page is drawn well before it ends,
# and the first tick of the animation (6 s after the button) has not come.
BUDGET_MS = 4000
TICK_BUDGET_MS = 9000  # one tick, not two

# (address query, planetarium-cli chart options for the same controls)
CASES = [
    ("site=12&at=2005-10-22T21:00&dir=south&grid&names&equator&ecliptic",
     ["--site", "12", "--at", AT[1], "--dir", "south", "--grid", "--names", "--equator",
      "--ecliptic"]),
    ("site=" + urllib.parse.quote("札幌") + "&at=2005-10-22T09:00&dir=east&step=30",
     ["--site", "札幌", "--at", "2005-10-22 09:00", "--dir", "east", "--step", "30"]),
    ("site=" + urllib.parse.quote("ロンドン") + "&at=2000-01-01+21:00&dir=north&names&equator",
     ["--site", "ロンドン", "--at", "2000-01-01 21:00", "--dir", "north", "--names",
      "--equator"]),
    ("site=48&lat=-33.9&lon=18.4&at=2024-06-21T23:30&dir=west&grid&ecliptic",
     ["--site", "48", "--lat", "-33.9", "--lon", "18.4", "--at", "2024-06-21 23:30", "--dir",
      "west", "--grid", "--ecliptic"]),
]
TICK_CASE = ("site=12&at=2005-10-22T21:00&dir=east&names&step=30",
             ["--site", "12", "--at", AT[1], "--dir", "east", "--names", "--step", "30",
              "--ticks", "1"])
# Every parameter but `at` is bad: the defaults are drawn for that instant.
BAD_QUERY = "site=Atlantis&dir=up&step=7&grid=yes&colour=red&at=2005-10-22T21:00"
# The foot lists the address's own faults first, three at most; the site and
# the step not in their lists are only counted.
SHOWN_BAD_PARAMETERS = ["dir=up", "grid=yes", "colour=red"]
BAD_CLI = ["--at", AT[1]]
# An instant in another zone, converted to Japan Standard Time as the command line converts it.
ZONE_CASE = ("site=%E3%83%91%E3%83%AA&at=2024-08-12T22:00&tz=Europe/Paris&dir=south&names",
             ["--site", "パリ", "--at", "2024-08-12 22:00", "--tz", "Europe/Paris", "--dir",
              "south", "--names"])
SINGLE_FILE_LIMIT = 400 * 1024  # [bytes] small enough to mail
# The printed page: A4 landscape [points], and the caption under the chart.
PRINT_QUERY = "site=12&at=2006-01-15T20:00&dir=east&names"
PRINT_CAPTION = "東京（北緯 35.65°、東経 139.75°） 2006年1月15日 20時0分（日本標準時） 東の空"
A4_LANDSCAPE = (841.9, 595.3)
CONTROL_CAPTIONS = ["緯度", "数値", "終了", "間隔", "赤道"]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def chromium(url, *extra, budget_ms=BUDGET_MS, zone=None):
    env = dict(os.environ, TZ=zone) if zone else None
    with tempfile.TemporaryDirectory() as profile:
        run = subprocess.run(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--disable-dev-shm-usage", "--hide-scrollbars",
             f"--user-data-dir={profile}",
             f"--virtual-time-budget={budget_ms}", *extra, url],
            capture_output=True, timeout=120, check=True, env=env)
    return run.stdout.decode("utf-8")


def element_text(dom, element_id):
    found = re.search(rf'<(\w+) id="{element_id}"[^>]*>(.*?)</\1>', dom, re.S)
    return html.unescape(found.group(2)) if found else None


def cli_operations(cli, options):
    with tempfile.TemporaryDirectory() as empty:  # no start file
        run = subprocess.run([str(cli.resolve()), "chart", "--ops", *options], capture_output=True, cwd=empty,
                             timeout=60, check=True)
    return run.stdout.decode("utf-8")


def number(field):
    try:
        return float(field)
    except ValueError:
        return None


def compare(page_text, cli_text):
    """The first difference between two operation listings, or None."""
    page_lines, cli_lines = page_text.splitlines(), cli_text.splitlines()
    if len(page_lines) != len(cli_lines):
        return f"{len(page_lines)} operations in the page, {len(cli_lines)} from the command line"
    for index, (got, expected) in enumerate(zip(page_lines, cli_lines), 1):
        got_fields, expected_fields = got.split(" "), expected.split(" ")
        # Operation, coordinates and colours; a print's text is compared whole.
        fields = 3 if expected_fields[0] == "print" else len(expected_fields)
        same = (len(got_fields) == len(expected_fields)
                and got_fields[fields:] == expected_fields[fields:]
                and got_fields[0] == expected_fields[0])
        for g, e in zip(got_fields[1:fields], expected_fields[1:fields]):
            g_value, e_value = number(g), number(e)
            same = same and g_value is not None and e_value is not None and (
                abs(g_value - e_value) <= TOLERANCE_TWIPS)
        if not same:
            return f"operation {index}: page '{got}', command line '{expected}'"
    return None


def png_pixels(data):
    """Width, height and rows of (r, g, b) of an 8-bit RGB or RGBA PNG."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    position, chunks, header = 8, b"", None
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks += body
        position += 12 + length
    width, height, depth, colour_type = header[:4]
    assert depth == 8 and colour_type in (2, 6), header
    channels = 3 if colour_type == 2 else 4
    raw = zlib.decompress(chunks)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                estimate = left + up - corner
                distances = (abs(estimate - left), abs(estimate - up), abs(estimate - corner))
                nearest = (left, up, corner)[distances.index(min(distances))]
                line[x] = (line[x] + nearest) & 0xFF
        rows.append([tuple(line[i:i + 3]) for i in range(0, stride, channels)])
        previous = line
    return width, height, rows


def check_print(url, shots, window_size):
    """The page printed by Chromium from a window of `window_size` (the narrow
    layout's or the scaled window's): one landscape A4 page, the chart and its
    caption, no controls."""
    with tempfile.TemporaryDirectory() as folder:
        pdf = Path(folder) / "page.pdf"
        chromium(url, f"--print-to-pdf={pdf}", "--no-pdf-header-footer",
                 f"--window-size={window_size}")
        info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True,
                              check=True).stdout
        text = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True,
                              text=True, check=True).stdout
        if shots:
            shutil.copyfile(pdf, Path(shots) / "print.pdf")
            subprocess.run(["pdftoppm", "-png", "-r", "100", "-singlefile", str(pdf),
                            str(Path(shots) / "print")], check=True)
    pages = re.search(r"^Pages:\s+(\d+)", info, re.M)
    size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
    width, height = (float(size.group(1)), float(size.group(2))) if size else (0, 0)
    print(f"printed from {window_size}: {pages.group(1) if pages else '?'} page(s) of "
          f"{width} x {height} points")
    failures = []
    if not pages or pages.group(1) != "1":
        failures.append(f"printed from {window_size}: not one page: {info}")
    if abs(width - A4_LANDSCAPE[0]) > 1 or abs(height - A4_LANDSCAPE[1]) > 1:
        failures.append(f"printed from {window_size}: the page is {width} x {height} points, "
                        "not A4 landscape")
    # The chart drawn as the page prints it, in vector form, holds its words.
    words = " ".join(text.split())
    missing = [part for part in (" ".join(PRINT_CAPTION.split()), "東北", "ｼﾘｳｽ") if part not in words]
    controls = [caption for caption in CONTROL_CAPTIONS if caption in words]
    if missing or controls:
        failures.append(f"printed from {window_size}: the page's text lacks {missing} or holds "
                        f"the controls' {controls}: '{words}'")
    return failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", type=Path, required=True)
    parser.add_argument("--cli", type=Path, required=True)
    parser.add_argument("--shots", type=Path)
    args = parser.parse_args()
    if not (args.page / "index.html").exists():
        print(f"skipped: no page built in {args.page} (scripts/web.sh --build-only)")
        return 77

    failures = []
    server = serve(args.page)
    base = f"http://127.0.0.1:{server.server_address[1]}/index.html?"
    try:
        for query, options in CASES + [(BAD_QUERY, BAD_CLI), ZONE_CASE, TICK_CASE]:
            budget = TICK_BUDGET_MS if (query, options) == TICK_CASE else BUDGET_MS
            dom = chromium(base + query + "&ops", "--dump-dom", budget_ms=budget)
            operations = element_text(dom, "ops")
            if not operations:
                failures.append(f"{query}: no operations in the page")
                continue
            difference = compare(operations, cli_operations(args.cli, options))
            if difference:
                failures.append(f"{query}: {difference}")
            print(f"{query}: {len(operations.splitlines())} operations"
                  f"{' differ' if difference else ' as the command line draws them'}")

        # The page in one file, from disk, draws what the command line draws.
        single = args.page / "planetarium.html"
        size = single.stat().st_size
        print(f"planetarium.html: {size:,} bytes")
        if size >= SINGLE_FILE_LIMIT:
            failures.append(f"planetarium.html is {size:,} bytes, not under {SINGLE_FILE_LIMIT:,}")
        query, options = CASES[0]
        dom = chromium(single.resolve().as_uri() + "?" + query + "&ops", "--dump-dom")
        difference = compare(element_text(dom, "ops") or "", cli_operations(args.cli, options))
        if difference:
            failures.append(f"planetarium.html?{query}: {difference}")

        # The foot names the first three parameters it ignored and counts the rest.
        message = element_text(chromium(base + BAD_QUERY, "--dump-dom"), "message") or ""
        for parameter in SHOWN_BAD_PARAMETERS:
            if f"「{parameter}」" not in message:
                failures.append(f"{BAD_QUERY}: no message about {parameter}: '{message}'")
        if "ほかに 2 件" not in message:
            failures.append(f"{BAD_QUERY}: the two other messages are not counted: '{message}'")

        # Without a date the page opens on the present time in Japan Standard
        # Time, as the command line does, whatever zone the browser is in (a
        # second try in case a minute turned in between).
        for query in ("dir=south&ops", "at=now&tz=Europe/Paris&dir=south&ops"):
            for attempt in range(2):
                dom = chromium(base + query, "--dump-dom", zone="America/Los_Angeles")
                difference = compare(element_text(dom, "ops") or "",
                                     cli_operations(args.cli, ["--dir", "south"]))
                if not difference:
                    break
            if difference:
                failures.append(f"{query}: the present time is not Japan Standard Time: "
                                f"{difference}")

        # What the command line refuses with status 2 the page names at its foot.
        refused = "at=2024-03-31T02:30&tz=Europe/Paris&dir=south"
        message = element_text(chromium(base + refused, "--dump-dom"), "message") or ""
        if "夏時間" not in message:
            failures.append(f"{refused}: no message about the skipped time: '{message}'")

        failures += check_print(base + PRINT_QUERY, args.shots, "1040,640")
        failures += check_print(base + PRINT_QUERY, None, "390,844")

        with tempfile.TemporaryDirectory() as folder:
            shot = Path(folder) / "page.png"
            chromium(base + CASES[0][0], f"--screenshot={shot}", "--window-size=1040,640")
            width, height, rows = png_pixels(shot.read_bytes())
        # The chart area: below the controls, above the horizon at 600 pixels.
        chart = [pixel for row in rows[100:595] for pixel in row[:width]]
        sky = (32, 96, 192)
        drawn = sum(1 for pixel in chart if pixel != sky)
        background = sum(1 for pixel in chart if pixel == sky)
        print(f"screenshot {width}x{height}: {drawn} chart pixels drawn over {background} of sky")
        if (width, height) != (1040, 640) or drawn < 2000 or background < len(chart) // 2:
            failures.append(f"screenshot: {drawn} pixels drawn, {background} of sky")
    finally:
        server.shutdown()

    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
