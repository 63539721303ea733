#!/usr/bin/env bash
# The batch on a folder of mixed formats: RECORDS records (2000) written by
# make_mixed_folder, the kinds in turn (K-NET ASCII, PEER .AT2 and ESM
# triples; COSMOS, CSMIP, GeoNet, K-NET CSV files of three channels; SMC
# files of one), against the same number of K-NET ASCII triples, every file
# of a folder named (--files-from), `tremblo-batch --summary` on all cores,
# each run ROUNDS times (2) in turn. Prints the records per second of each
# (best wall-clock time), their ratio, and checks each summary: one row
# per record, every file accounted for (rows + the other files of those
# rows' records = files), the rows that failed with their messages; exits
# 1 when a summary does not account for every record and file.
#   cmake --build build --target make_mixed_folder &&
#   bench/mixed_folder_throughput.sh [BATCH] [RECORDS] [ROUNDS] [SAMPLES]
# BATCH is build/bin/tremblo-batch by default (a build without the GUI has
# none: build-gui/bin/tremblo-batch, say); the generator is taken from
# build/bench, else from the bench folder beside BATCH's bin. SAMPLES (6000)
# is the count of every channel. The folders are made in a temporary folder
# and removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
batch=${1:-build/bin/tremblo-batch}
records=${2:-2000}
rounds=${3:-2}
samples=${4:-6000}
[ -x "$batch" ] || { echo "build $batch first" >&2; exit 1; }
generator=build/bench/make_mixed_folder
[ -x "$generator" ] || generator="$(dirname "$batch")/../bench/make_mixed_folder"
[ -x "$generator" ] || { echo "build make_mixed_folder first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for kind in mixed knet; do
  "$generator" "$work/$kind" "$work/$kind.manifest" "$kind" "$records" "$samples" >/dev/null
  find "$work/$kind" -type f | sort > "$work/$kind.list"
done

# run KIND: one run over the folder; appends "wall cpu status" to $work/KIND.times.
run() {
  local kind=$1 status=0
  /usr/bin/time -f "%e %U %S" -o "$work/time" \
    "$batch" --data data/DATA --summary "$work/$kind.csv" --files-from "$work/$kind.list" \
    >"$work/$kind.out" 2>"$work/$kind.log" || status=$?
  [ "$status" -le 1 ] || { tail -5 "$work/$kind.log" >&2; exit 1; }
  awk -v s="$status" '{ printf "%s %.2f %d\n", $1, $2 + $3, s }' "$work/time" >> "$work/$kind.times"
}

cat "$work"/mixed/* "$work"/knet/* > /dev/null  # into the file cache
for _ in $(seq 1 "$rounds"); do
  run mixed
  run knet
done

best() { sort -n "$work/$1.times" | head -1; }
read -r mixedWall mixedCpu mixedStatus <<< "$(best mixed)"
read -r knetWall knetCpu knetStatus <<< "$(best knet)"
printf 'records: %d a folder, %d samples a channel, --summary, all cores (%d), best of %d\n' \
  "$records" "$samples" "$(nproc)" "$rounds"
printf 'mixed: %8.1f records/s  (%6.2f s, processor %7.2f s, %d files, status %d)\n' \
  "$(awk -v n="$records" -v t="$mixedWall" 'BEGIN { print n / t }')" "$mixedWall" "$mixedCpu" \
  "$(wc -l < "$work/mixed.list")" "$mixedStatus"
printf 'knet:  %8.1f records/s  (%6.2f s, processor %7.2f s, %d files, status %d)\n' \
  "$(awk -v n="$records" -v t="$knetWall" 'BEGIN { print n / t }')" "$knetWall" "$knetCpu" \
  "$(wc -l < "$work/knet.list")" "$knetStatus"
printf 'ratio mixed/knet (records/s): %.2f\n' "$(awk -v a="$knetWall" -v b="$mixedWall" 'BEGIN { print a / b }')"

mismatch=0
for kind in mixed knet; do
  echo "summary of $kind:"
  python3 bench/summary_accounting.py "$work/$kind.manifest" "$work/$kind.csv" || mismatch=1
done
exit "$mismatch"
