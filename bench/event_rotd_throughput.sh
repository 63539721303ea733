#!/usr/bin/env bash
# Time of a whole event's summary with RotD50/RotD100: a delivery of RECORDS
# records of SECONDS seconds each (bench/make_delivery.sh) processed by
# `tremblo-batch --summary --rotd` of this build and of another one (an older
# build to compare with), each run ROUNDS times in turn in the same session.
# Prints the best wall-clock time and the processor time of each, the ratio
# of the best times (other / this), and whether both wrote the same summary.
#   cmake --build build --target tremblo-batch &&
#   bench/event_rotd_throughput.sh OTHER_BATCH [build] [RECORDS] [SECONDS] [ROUNDS]
# OTHER_BATCH is the other tremblo-batch program; RECORDS 1000, SECONDS 300
# (30,000 samples at 100 Hz) and ROUNDS 2 by default. The delivery is made
# once and kept as /tmp/tremblo-event-RECORDSx SECONDS s.tar for later runs.
set -euo pipefail
cd "$(dirname "$0")/.."
other=${1:?"usage: $0 OTHER_BATCH [build] [RECORDS] [SECONDS] [ROUNDS]"}
build=${2:-build}
records=${3:-1000}
seconds=${4:-300}
rounds=${5:-2}
batch="$build/bin/tremblo-batch"
[ -x "$batch" ] || { echo "build $batch first" >&2; exit 1; }
[ -x "$other" ] || { echo "$other is not a program" >&2; exit 1; }

delivery="/tmp/tremblo-event-${records}x${seconds}s.tar"
[ -s "$delivery" ] || bench/make_delivery.sh "$delivery" "$records" gz "$seconds" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run NAME PROGRAM: one run; appends "wall cpu" to $work/NAME.times.
run() {
  local name=$1 program=$2
  /usr/bin/time -f "%e %U %S" -o "$work/time" \
    "$program" --data data/DATA --summary "$work/$name.csv" --rotd "$delivery" >/dev/null 2>"$work/$name.log" \
    || { tail -5 "$work/$name.log" >&2; exit 1; }
  awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time" >> "$work/$name.times"
}

for _ in $(seq 1 "$rounds"); do
  run other "$other"
  run this "$batch"
done

best() { sort -n "$work/$1.times" | head -1; }
read -r otherWall otherCpu <<< "$(best other)"
read -r thisWall thisCpu <<< "$(best this)"
printf 'delivery: %s (%d records of %d s)\n' "$delivery" "$records" "$seconds"
printf 'other: %8.2f s  (processor %8.2f s)  %s\n' "$otherWall" "$otherCpu" "$other"
printf 'this:  %8.2f s  (processor %8.2f s)  %s\n' "$thisWall" "$thisCpu" "$batch"
printf 'ratio: %8.2f    (processor %8.2f)\n' "$(awk -v a="$otherWall" -v b="$thisWall" 'BEGIN { print a / b }')" \
  "$(awk -v a="$otherCpu" -v b="$thisCpu" 'BEGIN { print a / b }')"
if cmp -s "$work/other.csv" "$work/this.csv"; then echo "summaries: identical"; else echo "summaries: DIFFERENT"; fi
