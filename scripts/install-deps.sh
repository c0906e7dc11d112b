#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, only those still missing.
# Works as root and, through sudo, as anyone else.
#
#   scripts/install-deps.sh           everything: build, run, test, package
#   scripts/install-deps.sh run       only what building and running the window needs
#   scripts/install-deps.sh package   only what building the Debian package needs
#   scripts/install-deps.sh web       only what building and serving the web page needs
set -euo pipefail

# The programs need only a compiler, CMake and Qt.
build_deps=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev)
# The window's Japanese face, and Qt's own texts (dialogs, menus) in Japanese.
run_deps=(fonts-ipafont-gothic qt6-translations-l10n)
# CPack's Debian generator: dpkg-shlibdeps and dpkg-buildflags, file.
package_deps=(dpkg-dev file)
# Tests, benchmarks, fuzzers, the window on an X server of its own (and the
# X client library the start-up timer listens with), the time zone database
# for the --tz tests, poppler's tools to read printed pages back, the
# accessibility bus and its Python bindings for the window as a screen reader
# meets it, the tools that check the installed desktop files and the package,
# and Chromium for the web page; Node.js with npm installs the browser tests'
# own packages into build/node (see tests/web/CMakeLists.txt).
test_deps=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  python3 fonts-ipafont-gothic tzdata
  xvfb xauth libxcb1-dev poppler-utils
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils appstream man-db lintian librsvg2-bin bash-completion
  chromium
)
# Node.js and npm from Debian unless a Node.js with its own npm is there already.
node_deps=()
command -v npm >/dev/null || node_deps=(nodejs npm)
# The web page: emscripten compiles it, Python serves it (scripts/web.sh).
web_deps=(emscripten cmake ninja-build python3 fonts-ipafont-gothic)

case ${1:-all} in
  all) packages=("${build_deps[@]}" "${run_deps[@]}" "${package_deps[@]}" "${test_deps[@]}"
                 "${node_deps[@]}" "${web_deps[@]}") ;;
  run) packages=("${build_deps[@]}" "${run_deps[@]}") ;;
  package) packages=("${build_deps[@]}" "${package_deps[@]}") ;;
  web) packages=("${web_deps[@]}") ;;
  *) echo "usage: $0 [run|package|web]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
