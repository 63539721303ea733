#!/usr/bin/env bash
# Builds the Debian packages tremblo_VERSION_amd64.deb (the programs) and,
# when the build has the Python module, python3-tremblo_VERSION_amd64.deb in
# this folder, in the same build folder as ./run.sh and ./test.sh. Install
# them with
#   sudo apt install ./tremblo_*.deb ./python3-tremblo_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
tremblo_install_missing

cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(tremblo_jobs)" --target tremblo_installed
rm -f build/tremblo_*.deb build/python3-tremblo_*.deb
(cd build && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log; exit 1; }
rm -f tremblo_*.deb python3-tremblo_*.deb
packages=$(cd build && ls tremblo_*.deb python3-tremblo_*.deb 2>/dev/null)
for package in $packages; do
  cp "build/$package" .
done
echo "Built" $packages". Install them with:"
echo "  sudo apt install" $(for package in $packages; do printf './%s ' "$package"; done)
