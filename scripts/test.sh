#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Arguments are passed to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
ctest --test-dir build --output-on-failure -j2
