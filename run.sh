#!/usr/bin/env bash
# Sets everything up, builds TREMBLO and starts it with the bundled sample
# record. Without a display it runs the batch front end on the sample instead.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
tremblo_install_missing

# The same build folder and settings as ./test.sh, so that switching between
# the two commands rebuilds nothing; only the two programs are built here.
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(tremblo_jobs)" --target tremblo tremblo-batch

sample=samples/knet/AIC0012411051012.NS
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/tremblo "$sample"
else
  echo "No display (DISPLAY is not set): processing the sample record without a window."
  exec build/bin/tremblo-batch --out tremblo-output "$sample"
fi
