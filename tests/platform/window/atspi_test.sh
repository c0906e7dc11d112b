#!/usr/bin/env bash
# Runs the window on its own X server (Xvfb), D-Bus session and
# accessibility bus, with Qt's accessibility on, and atspi_test.py against it.
#
#   atspi_test.sh PLANETARIUM
#
# Exits 77 (skipped) where Xvfb, D-Bus or the AT-SPI tools are missing.
set -euo pipefail
window=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

if [ "${ATSPI_TEST_INSIDE:-}" != 1 ]; then
  for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi: skipped"; exit 77; }
  ATSPI_TEST_INSIDE=1 exec xvfb-run -a dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
work=$(mktemp -d)  # no start file: Tokyo
trap 'kill "$launcher" "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 0.5
(cd "$work" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$window") 2>/dev/null &
pid=$!
/usr/bin/python3 "$here/atspi_test.py"
