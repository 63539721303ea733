#!/usr/bin/env bash
# What --measures adds to a whole event's summary: a delivery of RECORDS
# records of SECONDS seconds each (bench/make_delivery.sh) processed by
# `tremblo-batch --summary --rotd` without and with `--measures`, in turn
# ROUNDS times in the same session. Prints the best wall-clock and processor
# time of each, their ratios (with / without; the aim is at most 1.10), and
# whether the summary with the measures holds the other's columns unchanged.
#   cmake --build build --target tremblo-batch &&
#   bench/measures_throughput.sh [build] [RECORDS] [SECONDS] [ROUNDS] [JOBS]
# RECORDS 200, SECONDS 300 (30,000 samples at 100 Hz), ROUNDS 3 and JOBS 0
# (all cores) by default. The delivery is made once and kept as
# /tmp/tremblo-event-RECORDSx SECONDS s.tar for later runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
records=${2:-200}
seconds=${3:-300}
rounds=${4:-3}
jobs=${5:-0}
batch="$build/bin/tremblo-batch"
[ -x "$batch" ] || { echo "build $batch first" >&2; exit 1; }

delivery="/tmp/tremblo-event-${records}x${seconds}s.tar"
[ -s "$delivery" ] || bench/make_delivery.sh "$delivery" "$records" gz "$seconds" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
jobOption=()
[ "$jobs" -gt 0 ] && jobOption=(--jobs "$jobs")

# run NAME OPTIONS...: one run; appends "wall cpu" to $work/NAME.times.
run() {
  local name=$1
  shift
  /usr/bin/time -f "%e %U %S" -o "$work/time" \
    "$batch" --data data/DATA "${jobOption[@]}" --summary "$work/$name.csv" --rotd "$@" "$delivery" \
    >/dev/null 2>"$work/$name.log" || { tail -5 "$work/$name.log" >&2; exit 1; }
  awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time" >> "$work/$name.times"
}

for _ in $(seq 1 "$rounds"); do
  run without
  run with --measures
done

best() { sort -n "$work/$1.times" | head -1; }
bestCpu() { sort -n -k2 "$work/$1.times" | head -1 | cut -d' ' -f2; }
read -r withoutWall _ <<< "$(best without)"
read -r withWall _ <<< "$(best with)"
withoutCpu=$(bestCpu without)
withCpu=$(bestCpu with)
printf 'delivery: %s (%d records of %d s), best of %d\n' "$delivery" "$records" "$seconds" "$rounds"
printf 'without --measures: %8.2f s  (processor %8.2f s)\n' "$withoutWall" "$withoutCpu"
printf 'with --measures:    %8.2f s  (processor %8.2f s)\n' "$withWall" "$withCpu"
printf 'ratio:              %8.3f    (processor %8.3f)\n' "$(awk -v a="$withWall" -v b="$withoutWall" 'BEGIN { print a / b }')" \
  "$(awk -v a="$withCpu" -v b="$withoutCpu" 'BEGIN { print a / b }')"
# The columns of the run without the measures, taken from the other summary by name.
if python3 - "$work/without.csv" "$work/with.csv" <<'EOF'
import csv, sys
plain = list(csv.reader(open(sys.argv[1], encoding="utf-8", newline="")))
measured = list(csv.reader(open(sys.argv[2], encoding="utf-8", newline="")))
where = {name: i for i, name in enumerate(measured[0])}
same = len(plain) == len(measured) and all(
    [row[where[name]] for name in plain[0]] == plain_row for row, plain_row in zip(measured, plain))
sys.exit(0 if same else 1)
EOF
then echo "other columns: identical"; else echo "other columns: DIFFERENT"; fi
