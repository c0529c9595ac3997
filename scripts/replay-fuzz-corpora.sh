#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs every input of each target's
# corpus (fuzz/corpus/<target>/) through it once. Fails when a target crashes or a sanitizer
# reports an error, when a target has no corpus, and when a corpus has no target.
# Arguments are passed to cmake (e.g. -DBRINDLEX_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DBRINDLEX_FUZZ=ON -DBRINDLEX_BENCH=OFF "$@" >/dev/null
ninja -C build-fuzz
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
for source in fuzz/fuzz_*.cpp; do
  target=$(basename "$source" .cpp)
  [ -d "fuzz/corpus/$target" ] || { echo "$target: no corpus in fuzz/corpus/$target"; status=1; }
done
for corpus in "$PWD"/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  inputs=("$corpus"*)
  if [ ! -x "build-fuzz/$target" ]; then
    echo "$target: a corpus without a fuzz target"
    status=1
  elif [ ! -e "${inputs[0]}" ]; then
    echo "$target: an empty corpus"
    status=1
  elif "build-fuzz/$target" "${inputs[@]}" >"$log" 2>&1; then
    echo "$target: ${#inputs[@]} inputs replayed"
  else
    cat "$log"
    echo "$target: FAILED on its corpus"
    status=1
  fi
done
exit $status
