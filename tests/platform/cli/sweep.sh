#!/usr/bin/env bash
# Runs planetarium-cli over a sweep of sites, instants, directions, display
# options, animation steps and odd box texts, and prints one line per run: a
# digest of the run's output and exit status, then its arguments. The charts
# are drawing operations (chart --ops), the readouts JSON (table --format json).
#
#   sweep.sh CLI                 print the digests
#   sweep.sh CLI EXPECTED        compare with a digest file, list the runs that differ
#   sweep.sh CLI EXPECTED --update   rewrite the digest file
#
# Code that only reshapes the program must leave every digest as it is; a
# change of what the program draws or lists shows here run by run.
set -euo pipefail
export LC_ALL=C.UTF-8  # the arguments are listed as UTF-8 text in any environment

cli=$(realpath "$1")
expected=${2:+$(realpath -m "$2")}
mode=${3:-}

# Start-up reads pstart.txt from the current directory: run where there is none,
# except in the runs that write one on purpose.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cases=()   # the arguments of each run, shell-quoted
starts=()  # the start file line of each run, empty for none
start_line=""
add() {
  cases+=("$(printf '%q ' "$@")")
  starts+=("$start_line")
}

sites=(東京 那覇 札幌 シドニー ロンドン ホノルル 74)
instants=("2000-01-01 21:00" "2000-01-01 12:00" "2024-03-20 18:00" "2024-06-21 04:30"
          "1000-07-15 23:00" "3000-12-31 00:00" "1582-10-04 20:00" "1582-10-15 20:00")
directions=(north east south west)

# Every site, instant and direction with every display option.
for site in "${sites[@]}"; do
  for at in "${instants[@]}"; do
    for dir in "${directions[@]}"; do
      add chart --ops --site "$site" --at "$at" --dir "$dir" --equator --ecliptic --grid --names
    done
    add table --format json --site "$site" --at "$at"
  done
done

# Each display option alone, and none, by night and by day.
for at in "2000-01-01 21:00" "2000-01-01 12:00" "2024-08-12 02:00"; do
  for dir in "${directions[@]}"; do
    for option in "" --equator --ecliptic --grid --names; do
      add chart --ops --site 福岡 --at "$at" --dir "$dir" ${option:+"$option"}
    done
  done
done

# Typed coordinates: poles, equator, date line, the zenith and nadir of bodies.
for coordinates in "90 0" "-90 0" "89.9999 135" "0 0" "0 180" "-0 -180" "66.56 25.7" \
                   "-45.5 -170.25" "35.65abc 139.75" "" "1e300 1" "x y"; do
  read -r lat lon <<<"$coordinates" || true
  for dir in north south; do
    add chart --ops --site 入力 --lat "${lat:-}" --lon "${lon:-}" --at "2010-12-21 22:00" \
      --dir "$dir" --grid --equator --ecliptic --names
  done
  add table --format json --site 入力 --lat "${lat:-}" --lon "${lon:-}" --at "2010-12-21 22:00"
done

# Box texts as the user may leave them.
odd_boxes=(
  "--year 2000 --month 2 --day 30 --hour 25 --minute -30"
  "--year 2000 --month 13 --day 1 --hour 0 --minute 0"
  "--year 2000 --month 0 --day 0 --hour 0 --minute 0"
  "--year 1999.5 --month 6.5 --day 15.75 --hour 12.5 --minute 30.25"
  "--year 2e3 --month 1D0 --day 1 --hour 9 --minute 0"
  "--year abc --month 1 --day 1 --hour 0 --minute 0"
  "--year '' --month '' --day '' --hour '' --minute ''"
  "--year -32768 --month 1 --day 1 --hour 0 --minute 0"
  "--year -32768 --month 3 --day 1 --hour 0 --minute 0"
  "--year 32767 --month 12 --day 31 --hour 23 --minute 59"
  "--year -4712 --month 1 --day 1 --hour 12 --minute 0"
  "--year 2000 --month 1 --day 1e300 --hour 0 --minute 0"
  "--year 2000 --month 1 --day 1 --hour 1e-320 --minute 1e308"
  "--year 40000 --month 1 --day 1 --hour 0 --minute 0"
  "--year ' 2 0 0 0' --month ' 1' --day '1 ' --hour '2 1' --minute '0'"
  "--year 2000 --month 1 --day -400 --hour 0 --minute 0"
)
for boxes in "${odd_boxes[@]}"; do
  eval "box_args=($boxes)"
  for dir in east west; do
    add chart --ops --site 東京 "${box_args[@]}" --dir "$dir" --grid --names --equator --ecliptic
  done
  add table --format json --site 東京 "${box_args[@]}"
done

# The animation: steps and ticks across sunset, midnight, sunrise and noon;
# the chart of the last tick.
for step in 2 15 60 120; do
  for ticks in 1 7 30; do
    add chart --ops --site 東京 --at "2024-03-20 17:00" --step "$step" --ticks "$ticks" \
      --dir west --grid --names --equator --ecliptic
    add table --format json --site 東京 --at "2024-03-20 17:00" --step "$step" --ticks "$ticks"
  done
done
# A last tick that leaves the calendar draws nothing, and lists nothing.
add chart --ops --site 東京 --year -32768 --month 3 --day 1 --hour 0 --minute 0 --ticks 1 --dir east
add chart --ops --site 東京 --year 32767 --month 12 --day 31 --hour 23 --minute 50 --step 5 --ticks 3
add chart --ops --site シドニー --at "1999-12-31 23:50" --step 5 --ticks 3 --dir north
add chart --ops --site 入力 --lat 90 --lon 0 --at "2000-03-20 16:00" --step 90 --ticks 9 --dir south \
  --grid

# Sites by position, and table rows for every site at one instant.
for position in 0 12 47 48 49 74; do
  add chart --ops --site "$position" --at "2005-05-05 05:05" --dir east --names
done
for position in $(seq 0 74); do
  add table --format json --site "$position" --at "2015-10-10 19:30"
done

# The readout as text, and the chart catalogue.
add table --site 東京 --at "2000-01-01 21:00"
add table --site 東京 --year 2000 --month 13 --day 1 --hour 0 --minute 0
add stars
add stars --format json

# Start files: the stored site, a typed site with text latitude, a bad line.
start_lines=(" 3            43.06         141.33" " 48           35abc         135.5"
             "garbage" " 99           1             2")
for start_line in "${start_lines[@]}"; do
  add chart --ops --at "2001-02-03 04:05" --dir south --names
  add table --format json --at "2001-02-03 04:05"
done

# One line: the digest of the output, messages and exit status; the start
# file line, if any; the arguments.
run_case() {
  local line=$1 start=$2
  local -a args
  eval "args=($line)"
  rm -f pstart.txt
  [ -z "$start" ] || printf '%s\r\n' "$start" >pstart.txt
  local digest
  digest=$({
    local status=0
    "$cli" "${args[@]}" 2>&1 || status=$?
    echo "status $status"
  } | sha256sum)
  printf '%s %s%s\n' "${digest:0:16}" "${start:+[pstart.txt: $start] }" "$line"
}

actual=$work/digests
for i in "${!cases[@]}"; do run_case "${cases[$i]}" "${starts[$i]}"; done >"$actual"

if [ -z "$expected" ]; then
  cat "$actual"
elif [ "$mode" = --update ]; then
  cp "$actual" "$expected"
  echo "wrote $(wc -l <"$actual") digests to $expected"
elif ! diff -u "$expected" "$actual"; then
  echo "planetarium-cli output differs from $expected in the runs above" >&2
  exit 1
else
  echo "$(wc -l <"$actual") runs as expected"
fi
