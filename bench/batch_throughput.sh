#!/usr/bin/env bash
# Throughput of the batch front end: 100 copies of the three-component
# sample record, each giving its waveform CSV and picture, its spectrum CSV
# and picture and its Sa-Sd picture, processed with one worker and with one
# worker per core. With "summary" as second argument each record gives
# instead its summary row with RotD50/RotD100 (--summary --rotd), no pictures.
#   cmake --build build --target tremblo-batch && bench/batch_throughput.sh [build] [summary]
# The copies are the same record, so they write the same three file names;
# each write replaces the previous one whole.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mode=${2:-files}
batch="$build/bin/tremblo-batch"
[ -x "$batch" ] || { echo "build $batch first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=100
files=()
for i in $(seq -w 1 "$copies"); do
  mkdir -p "$work/in/$i"
  cp samples/knet/AIC0012411051012.NS samples/knet/AIC0012411051012.EW \
     samples/knet/AIC0012411051012.UD "$work/in/$i/"
  files+=("$work/in/$i/AIC0012411051012.NS")
done

# Prints the records per second of one run with $1 workers.
run() {
  local start end
  start=$(date +%s.%N)
  local outputs=(--out "$work/out-$1")
  [ "$mode" = summary ] && outputs=(--summary "$work/summary-$1.csv" --rotd)
  "$batch" --jobs "$1" --data data/DATA "${outputs[@]}" "${files[@]}" >/dev/null 2>"$work/log-$1" \
    || { cat "$work/log-$1" >&2; exit 1; }
  end=$(date +%s.%N)
  awk -v n="$copies" -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", n / (b - a) }'
}

cores=$(nproc)
run 1 >/dev/null  # warm the file cache and the fonts
one=$(run 1)
all=$(run "$cores")
if [ "$mode" = summary ]; then
  printf 'records: %d (3 components, 6000 samples each; a summary row with RotD50/RotD100 each)\n' "$copies"
else
  printf 'records: %d (3 components, 6000 samples each; 2 CSV and 3 PNG files each)\n' "$copies"
fi
printf '1 worker:   %8.2f records/s\n' "$one"
printf '%d workers: %8.2f records/s\n' "$cores" "$all"
printf 'ratio:      %8.2f\n' "$(awk -v a="$all" -v b="$one" 'BEGIN { print a / b }')"
