#!/usr/bin/env bash
# Sets everything up, builds TREMBLO with its tests and runs the whole test
# suite; then builds the core once more with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the core tests under them.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
tremblo_install_missing
jobs=$(tremblo_jobs)
export QT_QPA_PLATFORM=offscreen

# Optimised as the program is, without debug information: it is not read
# here, and it costs the build a good part of its time.
echo "== Build and tests"
cmake -S . -B build -G Ninja -DTREMBLO_BUILD_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" >/dev/null
cmake --build build -j "$jobs"
echo "== built after ${SECONDS} s"
ctest --test-dir build --output-on-failure -j "$jobs"
echo "== tested after ${SECONDS} s"

echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREMBLO_SANITIZE=ON \
  -DTREMBLO_BUILD_GUI=OFF -DTREMBLO_BUILD_TESTS=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
echo "== sanitizer build after ${SECONDS} s"
# The three long equivalence runs of the spectra and RotD (the fast paths
# against the plain computation on records of minutes) take six minutes in
# the unoptimised build; they run in the build above, and the shorter
# equivalence tests take every path here.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -L core \
  -E "LongRecordWithDecayingTailMatchesOnEveryPath|RotD.FastEqualsPlainOnEveryPath|RotDFast.EqualsThePlainComputationForBothMethodsAtEveryInterval"
