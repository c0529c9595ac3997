#!/usr/bin/env bash
# Builds the editor, the command-line tool, the tests and the benchmarks into build/.
# Arguments are passed to cmake (e.g. -DBRINDLEX_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
ninja -C build
