#!/usr/bin/python3
"""The window as a screen reader meets it over AT-SPI (run by atspi_test.sh on
its own X server, session bus and accessibility bus): the controls by their
names, a sky set and drawn through their accessible actions and texts, the
chart read as an image whose description is the chart in words, the object
the arrow keys point at told as the chart's name, and the almanac's dialog
read as a table.
"""
import sys
import time
from pathlib import Path

import pyatspi
from gi.repository import GLib

sys.path.insert(0, str(Path(__file__).resolve().parents[2]))
from checks import check, finish  # noqa: E402  (tests/checks.py)

def eventually(condition, seconds=10):
    """Waits until condition() holds, handling the bus's events meanwhile, for
    at most `seconds` (a loaded machine answers late). Returned: whether it held."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)
    return True


def find(node, wanted, depth=0):
    if node is None or depth > 12:
        return None
    if wanted(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), wanted, depth + 1)
        if found:
            return found
    return None


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(300):
        for i in range(desktop.childCount):
            candidate = desktop.getChildAtIndex(i)
            if candidate is not None and candidate.name == name:
                return candidate
        time.sleep(0.1)
    return None


app = application("planetarium")
check("the window is on the accessibility bus", app is not None)
if app is None:
    finish()


def control(name, role):
    return find(app, lambda n: n.name == name and n.getRoleName() == role)


for name, role in (("年", "text"), ("緯度", "text"), ("観測地", "list"), ("東", "radio button"),
                   ("星の名前", "check box"), ("プラネタリウム", "push button"),
                   ("数値", "push button"), ("星図", "image")):
    check(f"{role} '{name}' is named", control(name, role) is not None)

chart = control("星図", "image")
check("no chart, no words", chart.description == "", repr(chart.description))
for name, text in (("年", "2006"), ("月", "1"), ("日", "15"), ("時", "20"), ("分", "0")):
    control(name, "text").queryEditableText().setTextContents(text)
control("東", "radio button").queryAction().doAction(0)
control("プラネタリウム", "push button").queryAction().doAction(0)
eventually(lambda: chart.description != "")
words = chart.description
check("the chart is read in words",
      words.startswith("東の空、東京、2006年1月15日 20時0分: 月 高度 ") and "、土星 高度 " in words,
      repr(words[:120]))

# "What is that?" by key: the chart in focus takes the name of the object
# Right points at, told as news; Escape gives it back its own.
told = []
pyatspi.Registry.registerEventListener(
    lambda event: told.append((event.source.getRoleName(), event.source.name)),
    "object:property-change:accessible-name")


def press(keysym, until):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    eventually(until)


chart.queryComponent().grabFocus()
eventually(lambda: False, seconds=0.5)  # the focus arrives unannounced: let it land
press(0xff53, lambda: chart.name != "星図" and told)  # Right
named = chart.name
check("Right names an object of the chart", " 高度 " in named and " 方位 " in named, repr(named))
check("and tells it", ("image", named) in told, repr(told))
press(0xff1b, lambda: chart.name == "星図")  # Escape
check("Escape gives the chart its own name back", chart.name == "星図", repr(chart.name))
control("数値", "push button").queryAction().doAction(0)
eventually(lambda: chart.description == "")
check("the readout replaces the chart and its words", chart.description == "",
      repr(chart.description[:80]))

# The almanac's dialog: its first table, by its caption, with a row a body.
control("暦", "push button").queryAction().doAction(0)


def almanac_table():
    return find(pyatspi.Registry.getDesktop(0),
                lambda n: n.name == "天体の出・南中・入" and n.getRoleName() == "table")


eventually(lambda: almanac_table() is not None)
bodies = almanac_table()
check("the almanac is read as a table", bodies is not None)
if bodies is not None:
    table = bodies.queryTable()
    check("a row a body, seven columns", (table.nRows, table.nColumns) == (6, 7),
          repr((table.nRows, table.nColumns)))
    check("the columns and rows are named",
          (table.getColumnDescription(0), table.getAccessibleAt(2, 0).name) == ("天体", "金星"),
          repr((table.getColumnDescription(0), table.getAccessibleAt(2, 0).name)))
finish()
