#!/usr/bin/env bash
# Builds the Debian package tremblo_VERSION_amd64.deb in this folder, in the
# same build folder as ./run.sh and ./test.sh. Install it with
#   sudo apt install ./tremblo_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
tremblo_install_missing

cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(tremblo_jobs)" --target tremblo_installed
rm -f build/tremblo_*.deb
(cd build && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log; exit 1; }
package=$(cd build && ls tremblo_*.deb)
rm -f tremblo_*.deb
cp "build/$package" .
echo "Built $package. Install it with:"
echo "  sudo apt install ./$package"
