#!/usr/bin/env bash
# Checks a built Debian package as Debian's tools and a user see it: lintian
# on the .deb, then, unpacked with dpkg-deb -x into a temporary folder (nothing
# is installed on this machine), the desktop entry, the AppStream metadata, the
# icons, the manual pages, the bash completion, the menu's start and the programs.
#
#     tests/dist/check_package.sh build/package/planetarium_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/../.."
deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root

failures=0
pass() { echo "ok: $*"; }
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Runs a checker; passes when it succeeds and its output has no error or warning.
clean() {
  local what=$1 output
  shift
  if output=$("$@" 2>&1) && ! grep -qiE '^(E|W):|error|warning' <<<"$output"; then
    pass "$what"
  else
    fail "$what"
    echo "$output" >&2
  fi
}
# Passes when $2 equals $3.
same() {
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected '$3', got '$2'"; fi
}

clean "lintian reports no errors or warnings" lintian --fail-on error,warning "$deb"

dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
cli=$root/usr/bin/planetarium-cli

# One application id names the desktop entry, the metadata and the icons.
desktop=$(find "$root/usr/share/applications" -name '*.desktop')
id=$(basename "$desktop" .desktop)
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
clean "desktop-file-validate $id.desktop" desktop-file-validate "$desktop"
clean "appstreamcli validate --no-net $id.metainfo.xml" appstreamcli validate --no-net "$metainfo"
same "the desktop entry's icon is the id" "$(sed -n 's/^Icon=//p' "$desktop")" "$id"
same "the metadata's id" "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")" "$id"
same "the metadata's launchable" \
  "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")" "$id.desktop"
same "the metadata's release is the package's version" \
  "$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo")" "$version"
while read -r picture; do
  if grep -qF "($picture)" README.md; then
    pass "screenshot $picture is a picture of the README"
  else
    fail "screenshot $picture is not a picture of the README"
  fi
done <<<"$(sed -n 's:.*<image>.*/\(docs/[^<]*\)</image>.*:\1:p' "$metainfo")"

# Icons: the drawing, and its renderings at the sizes a desktop asks for.
icons=$root/usr/share/icons/hicolor
if [ -s "$icons/scalable/apps/$id.svg" ]; then pass "scalable icon"; else fail "no scalable icon"; fi
for size in 16 32 48 64 128 256; do
  same "icon ${size}x$size" "$(file -b "$icons/${size}x$size/apps/$id.png" | cut -d, -f2)" \
    " $size x $size"
done

# Manual pages, as lintian and man read them.
for page in planetarium planetarium-cli; do
  file=$root/usr/share/man/man1/$page.1.gz
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null) || warnings+=" (man failed)"
  same "man --warnings $page.1" "$warnings" ""
  same "$page.1 names the version" "$(zcat "$file" | sed -n 's/^\.TH .*"planetarium \([^"]*\)".*/\1/p')" \
    "$version"
done

# The programs, run from the unpacked tree in an empty folder (no start file).
mkdir "$work/cwd"
cd "$work/cwd"
same "planetarium-cli --version" "$("$cli" --version)" "planetarium-cli $version"
if table=$("$cli" table); then
  pass "planetarium-cli table runs"
else
  fail "planetarium-cli table failed"
fi
same "planetarium-cli table prints 26 rows" "$(wc -l <<<"$table")" 26
same "planetarium-cli table starts with the Sun" "$(head -c 7 <<<"$table")" " 太陽"

# Every option of --help is in the manual page and in the completion.
completion=$root/usr/share/bash-completion/completions/planetarium-cli
manual=$(zcat "$root/usr/share/man/man1/planetarium-cli.1.gz")
for option in $("$cli" --help | grep -oE -- '--[a-z]+' | sort -u); do
  grep -qF -- "${option//-/\\-}" <<<"$manual" || fail "planetarium-cli.1 lacks $option"
  [ "$option" = --version ] || grep -qF -- "$option" "$completion" ||
    fail "the completion lacks $option"
done
pass "the manual page and the completion know every option of --help"

# The completion, as bash runs it for a user.
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion
# shellcheck source=/dev/null
source "$completion"
complete_line() {  # prints the candidates for the words given, the last being completed
  COMP_WORDS=(planetarium-cli "$@")
  COMP_CWORD=$#
  COMP_LINE="planetarium-cli $*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _planetarium_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}
same "completion of commands" "$(complete_line '')" \
  "--help --version almanac chart info print sites stars table window "
same "completion of almanac's options" "$(complete_line almanac --)" \
  "--date --format --help --lat --lon --site "
same "completion of directions" "$(complete_line chart --dir '')" "east north south west "
same "completion of --dir=" "$(complete_line chart --dir=w)" "west "
same "completion of formats" "$(complete_line table --format '')" "csv json text "
same "completion of palettes" "$(complete_line window --palette '')" "print screen "
same "completion of sites' options" "$(complete_line sites --)" "--format --help "
same "completion of a zone" "$(complete_line chart --tz Europe/Pa)" "Europe/Paris "
same "completion of stars' options" "$(complete_line stars --)" "--format --help "
same "completion of print's options" "$(complete_line print --o)" "--out "
same "completion of a site" "$(complete_line table --site 東)" "東京 "
same "completion of a Latin name" "$(complete_line table --site New-)" "New-Delhi New-York "
sites=$(complete_line table --site '')
# The 75 names of the list, the 74 Latin names of all but "入力", and Mumbai.
same "completion offers the 75 sites, their Latin names and Mumbai, each once" \
  "$(tr -s ' ' '\n' <<<"$sites" | sort -u | grep -c .)" 150
declare -A latin_of # a list name's Latin name as `sites` shows it, words joined by hyphens
while IFS= read -r row; do
  latin_of[$(cut -f2 <<<"$row")]=$(cut -f5 <<<"$row" | tr ' ' -)
done < <("$cli" sites)
for site in $sites; do
  if ! json=$("$cli" table --site "$site" --format json); then
    fail "planetarium-cli refuses the site $site"
    continue
  fi
  chosen=$(sed -n 's/^{"site": "\([^"]*\)".*/\1/p' <<<"$json")
  latin=$site
  [ "$site" != Mumbai ] || latin=Bombay
  [[ $chosen == "$site"* || ${latin_of[$chosen]:-} == "$latin" ]] ||
    fail "planetarium-cli table --site $site chose the site '$chosen'"
done
pass "planetarium-cli takes every site the completion offers, each for its own site"

# The menu entry's command starts the window in the configuration folder,
# made when missing; when that cannot be made (a file stands in its place) the
# window still opens, in the home folder. It runs off screen until it is
# stopped here.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
same "the menu runs the window with --menu" "$exec_line" "planetarium --menu"
launches_in() {  # $1: the folder expected; then the environment of the launch
  local expected=$1 pid cwd="" exe=""
  shift
  # shellcheck disable=SC2086  # the Exec line is a command and its arguments
  env -u XDG_CONFIG_HOME "$@" PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen \
    $exec_line 2>"$work/menu.log" &
  pid=$!
  for _ in $(seq 100); do
    exe=$(readlink "/proc/$pid/exe" || true)
    cwd=$(readlink "/proc/$pid/cwd" || true)
    [ "$exe" = "$root/usr/bin/planetarium" ] && [ "$cwd" = "$expected" ] && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$exe" = "$root/usr/bin/planetarium" ] || cat "$work/menu.log" >&2
  same "the menu ($*) runs the window" "$exe" "$root/usr/bin/planetarium"
  same "the menu ($*) runs it in $expected" "$cwd" "$expected"
}
launches_in "$work/home/.config/planetarium" HOME="$work/home"
launches_in "$work/config/planetarium" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
launches_in "$work/home/.config/planetarium" HOME="$work/home" XDG_CONFIG_HOME=relative/path
mkdir -p "$work/blocked"
touch "$work/blocked/planetarium"
launches_in "$work/home" HOME="$work/home" XDG_CONFIG_HOME="$work/blocked"

if [ "$failures" -gt 0 ]; then
  echo "Package checks: $failures failed" >&2
  exit 1
fi
echo "Package checks: all passed ($deb)"
