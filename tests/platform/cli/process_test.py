#!/usr/bin/env python3
"""planetarium-cli as a process: its standard output failing (a full device, a
reader that has gone), its standard error holding only its own messages, and
the printed page it writes, read back with poppler's tools.

    process_test.py CLI
"""
import os
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2]))
from checks import check, finish  # noqa: E402  (tests/checks.py)

cli = sys.argv[1]
def run(args, stdout, env=None):
    process = subprocess.run([cli] + args, stdout=stdout, stderr=subprocess.PIPE, env=env)
    return process.returncode, process.stderr.decode("utf-8", "replace")


# Each listing onto a device that is always full: status 1 and the reason.
with open("/dev/full", "wb") as full:
    for args in (["stars"], ["sites"], ["table"], ["chart", "--ops"],
                 ["table", "--series", "--ticks", "500", "--format", "csv"]):
        status, err = run(args, full)
        check(" ".join(args) + " onto /dev/full exits 1", status == 1, f"status {status}")
        check(" ".join(args) + " says why", "cannot write to standard output: No space left on device"
              in err, repr(err))

# A pipe whose reader has gone: the write fails with EPIPE, reported as such
# instead of the program dying of SIGPIPE.
for args in (["stars"], ["chart", "--ops"]):
    reader, writer = os.pipe()
    os.close(reader)
    status, err = run(args, writer)
    os.close(writer)
    check(" ".join(args) + " into a closed pipe exits 1", status == 1, f"status {status}")
    check(" ".join(args) + " says why", "Broken pipe" in err, repr(err))

# Qt's note that XDG_RUNTIME_DIR is not set is not the command line's business.
with tempfile.TemporaryDirectory() as folder:
    env = {k: v for k, v in os.environ.items() if k != "XDG_RUNTIME_DIR"}
    env["QT_QPA_PLATFORM"] = "offscreen"
    for args in (["chart", "--out", os.path.join(folder, "sky.png")],
                 ["window", "--out", os.path.join(folder, "window.png")]):
        status, err = run(args, subprocess.DEVNULL, env)
        check(" ".join(args[:1]) + " draws", status == 0, err)
        check(" ".join(args[:1]) + " leaves standard error empty", err == "", repr(err))

# The page the window prints: one landscape A4 page with the chart in the
# print palette and the caption line under it.
with tempfile.TemporaryDirectory() as folder:
    page = os.path.join(folder, "page.pdf")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    status, err = run(["print", "--site", "東京", "--at", "2006-01-15 20:00", "--dir", "east",
                       "--names", "--out", page], subprocess.DEVNULL, env)
    check("print writes the page", status == 0, err)
    info = subprocess.run(["pdfinfo", page], capture_output=True, text=True).stdout
    check("the page is one landscape A4 page",
          "Pages:           1" in info and "842 x 595 pts (A4)" in info, info)
    words = subprocess.run(["pdftotext", page, "-"], capture_output=True, text=True).stdout
    caption = "東京（北緯 35.65°、東経 139.75°） 2006年1月15日 20時0分（日本標準時） 東の空"
    check("the page holds the caption", caption in words, words[-300:])
    check("the page holds the chart's words", all(w in words for w in ("月", "土星", "東北", "東南")),
          words[:200])
    # At 30 dots an inch, in grey (PGM): white paper, black discs and words.
    subprocess.run(["pdftoppm", "-r", "30", "-gray", page, os.path.join(folder, "page")],
                   check=True)
    pgm = open(os.path.join(folder, "page-1.pgm"), "rb").read()
    magic, width, height, _, pixels = pgm.split(maxsplit=4)
    dark = sum(1 for value in pixels if value < 96)
    check("the page is landscape, white, with the chart in black",
          magic == b"P5" and int(width) > int(height) and 50 < dark < len(pixels) // 10,
          f"{width}x{height}, {dark} dark pixels")
    status, err = run(["print", "--out", os.path.join(folder, "page.png")], subprocess.DEVNULL, env)
    check("print takes only a PDF", status == 2 and "print needs --out FILE.pdf" in err, err)

finish()
