#!/usr/bin/env bash
# Finding the component files of many records in one folder: 2000
# three-component K-NET records (hard links to the sample) named as the
# networks name them, once with upper-case extensions (.NS, as real files)
# and once with lower-case ones, read with --info on all cores. Upper case
# must cost no more than lower case.
#   cmake --build build --target tremblo-batch && bench/component_lookup.sh [build] [records]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
records=${2:-2000}
batch="$build/bin/tremblo-batch"
[ -x "$batch" ] || { echo "build $batch first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
make_folder() {  # $1 folder, $2 ns, $3 ew, $4 ud
  mkdir -p "$1"
  for i in $(seq 1 "$records"); do
    stem=$(printf 'AIC%03d%010d' $((i % 1000)) "$i")
    ln samples/knet/AIC0012411051012.NS "$1/$stem.$2"
    ln samples/knet/AIC0012411051012.EW "$1/$stem.$3"
    ln samples/knet/AIC0012411051012.UD "$1/$stem.$4"
  done
}
make_folder "$work/upper" NS EW UD
make_folder "$work/lower" ns ew ud

seconds() {  # $1 folder, $2 extension of the files named
  local start end
  start=$(date +%s.%N)
  "$batch" --info --data data/DATA "$1"/*."$2" >/dev/null 2>&1
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}
seconds "$work/lower" ns >/dev/null  # warm the file cache
lower=$(seconds "$work/lower" ns)
upper=$(seconds "$work/upper" NS)
printf 'records: %d in one folder, --info, all cores\n' "$records"
printf 'lower-case extensions: %6.2f s\n' "$lower"
printf 'upper-case extensions: %6.2f s\n' "$upper"
printf 'ratio upper/lower:     %6.2f\n' "$(awk -v a="$upper" -v b="$lower" 'BEGIN { print a / b }')"
