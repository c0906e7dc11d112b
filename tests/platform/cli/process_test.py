#!/usr/bin/env python3
"""planetarium-cli as a process: its standard output failing (a full device, a
reader that has gone), and its standard error holding only its own messages.

    cli_process_test.py CLI
"""
import os
import subprocess
import sys
import tempfile

cli = sys.argv[1]
failures = 0


def check(what, condition, detail=""):
    global failures
    print(("ok: " if condition else "FAIL: ") + what + ("" if condition else " " + detail))
    if not condition:
        failures += 1


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

sys.exit(1 if failures else 0)
