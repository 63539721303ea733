#!/usr/bin/env bash
# Sets everything up, builds TREMBLO and starts it with the bundled sample
# record. Without a display it runs the batch front end on the sample instead.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
tremblo_install_missing

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREMBLO_BUILD_TESTS=OFF >/dev/null
cmake --build build -j "$(tremblo_jobs)"

sample=samples/knet/AIC0012411051012.NS
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/tremblo "$sample"
elif [ -x build/bin/tremblo-batch ]; then
  out=tremblo-output
  build/bin/tremblo-batch --out "$out" "$sample"
  echo "No display: the sample record was processed without a window; the files are in $(pwd)/$out"
else
  echo "No display found (DISPLAY is not set): start build/bin/tremblo $sample on a desktop."
fi
