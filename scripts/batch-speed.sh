#!/usr/bin/env bash
# Times whole runs of `tamovid-cli --batch` on a generated CSV and prints the median
# rows per second of each program given. Several programs are timed in turns, run by
# run, so that a busy machine slows them alike: give the old and the new build to
# compare them.
#   scripts/batch-speed.sh [-r ROWS] [-n RUNS] [-z] [-o OUTPUT]... [PROGRAM...]
# PROGRAM defaults to build/cli/tamovid-cli. -z adds a tz column: every other row then
# takes its offset from a time zone at its own date instead of from a zone row. The
# readings go to a file in a temporary folder unless -o names another (-o /dev/null
# leaves out the cost of storing them); several -o are timed in turns too, for instance
# a file on disk and one in /dev/shm.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
rows=200000
runs=7
zones=0
outputs=()
while getopts "r:n:zo:" flag; do
  case "$flag" in
    r) rows="$OPTARG" ;;
    n) runs="$OPTARG" ;;
    z) zones=1 ;;
    o) outputs+=("$OPTARG") ;;
    *) echo "usage: $0 [-r ROWS] [-n RUNS] [-z] [-o OUTPUT] [PROGRAM...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || set -- "$root/build/cli/tamovid-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
csv="$work/births.csv"
[ ${#outputs[@]} -gt 0 ] || outputs=("$work/readings.jsonl")
# The same births as the batch benchmark: dates over 150 years, every zone row,
# coordinates on both sides of both axes, and a quoted city with a comma.
awk -v rows="$rows" -v zones="$zones" 'BEGIN {
  split("America/New_York Europe/London Asia/Kolkata Australia/Sydney Asia/Kathmandu America/Sao_Paulo", tz, " ")
  printf "name,date,time,zone,dst,lat,lon,city,state,country%s\n", zones ? ",tz" : ""
  for (i = 0; i < rows; i++) {
    zone = i % 71; dst = i % 2; extra = ""
    if (zones) {
      if (i % 2) { zone = ""; dst = ""; extra = "," tz[1 + int(i / 2) % 6] } else extra = ","
    }
    printf "Person %d,%04d-%02d-%02d,%d:%02d,%s,%s,%d%s%d,%d%s%d,\"Springfield, North\",State,Country%s\n",
      i, 1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 25, i % 60, zone, dst,
      i % 90, (i % 3 == 0 ? "S" : "N"), i % 60, i % 180, (i % 2 == 0 ? "E" : "W"), i % 60, extra
  }
}' > "$csv"

# Wall-clock seconds and processor seconds (user + system) of each run. On a machine
# that others share, the processor time is the steadier figure.
declare -A wall cpu
for ((run = 0; run < runs; run++)); do
  for output in "${outputs[@]}"; do
    for program in "$@"; do
      /usr/bin/time -f "%e %U %S" -o "$work/time" "$program" --batch "$csv" > "$output" ||
        { echo "$program failed" >&2; exit 1; }
      read -r elapsed user system < "$work/time"
      wall[$program $output]+="$elapsed "
      cpu[$program $output]+="$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }') "
    done
  done
done

median() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
for output in "${outputs[@]}"; do
  for program in "$@"; do
    key="$program $output"
    awk -v p="$program -> $output" -v r="$rows" -v w="$(median "${wall[$key]}")" \
        -v c="$(median "${cpu[$key]}")" -v runs="${wall[$key]}" 'BEGIN {
      printf "%s\n  median wall %.2f s = %.0f rows/s; median cpu %.2f s = %.0f rows/s (wall:%s)\n",
        p, w, r / w, c, r / c, " " runs
    }'
  done
done
