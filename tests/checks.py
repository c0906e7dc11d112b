"""Checks for the tests written in Python: each says ok or FAIL with what it
checked, and the run ends with the count of failures as its status."""
import sys

_failures = 0


def check(what, condition, detail=""):
    global _failures
    print(("ok: " if condition else "FAIL: ") + what + ("" if condition else " " + detail))
    if not condition:
        _failures += 1


def finish():
    sys.exit(1 if _failures else 0)
