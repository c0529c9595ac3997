#!/usr/bin/env bash
# Builds the editor in build-deb/ and makes the Debian package brindlex_VERSION_amd64.deb
# there, its dependencies computed from the programs' libraries. Install it with
#   apt-get install ./build-deb/brindlex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEX_BENCH=OFF > /dev/null
nice ninja -C build-deb
(cd build-deb && cpack -G DEB)
ls -1 "$PWD"/build-deb/brindlex_*.deb
