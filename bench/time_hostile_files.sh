#!/usr/bin/env bash
# Times brindlex-thumbnailer and `brindlex-tool count` on each file make_hostile_files writes
# (files built to make the readers do needless work), and `brindlex-tool extract --all` on
# its library of 65,535 icons. Prints, per run, the processor time (user + system) and the
# peak resident memory from /usr/bin/time, with the bounds each must keep: at most 0.5 s of
# processor time and the file's size plus 64 MiB for the thumbnailer and count, 1 s for
# extract --all. A run killed by a signal breaks its bound too. Exits 1 when a run breaks
# its bound.
#
# Usage: bench/time_hostile_files.sh [BUILD_FOLDER]
#   BUILD_FOLDER  holds brindlex-tool, brindlex-thumbnailer and make_hostile_files
#                 (default: build; ninja make_hostile_files builds the generator)
set -euo pipefail

build=${1:-build}
for program in brindlex-tool brindlex-thumbnailer make_hostile_files; do
  [[ -x $build/$program ]] || { echo "no $program in $build (build it first)" >&2; exit 2; }
done
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time missing (install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/files" "$work/out"
"$build/make_hostile_files" "$work/files"

broken=0
# Runs "$@" under /usr/bin/time; prints a line and checks the bounds (seconds, bytes).
measure() {
  local label=$1 max_seconds=$2 max_bytes=$3
  shift 3
  local status=0
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" >/dev/null 2>"$work/err" || status=$?
  local user system kib
  read -r user system kib < <(tail -n 1 "$work/time")
  local seconds
  seconds=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')
  local verdict=ok
  if awk -v t="$seconds" -v m="$max_seconds" 'BEGIN { exit !(t > m) }' ||
    ((kib * 1024 > max_bytes || status >= 128)); then
    verdict=BROKEN
    broken=1
  fi
  printf '%-44s %6.2f s %8d KiB  exit %d  %s\n' "$label" "$seconds" "$kib" "$status" "$verdict"
}

printf '%-44s %8s %12s\n' "run" "cpu" "peak RSS"
for file in "$work"/files/*; do
  name=$(basename "$file")
  size=$(stat -c %s "$file")
  limit=$((size + (64 << 20)))
  measure "thumbnailer -s 256 $name" 0.5 "$limit" \
    "$build/brindlex-thumbnailer" -s 256 "$file" "$work/out/thumbnail.png"
  measure "count $name" 0.5 "$limit" "$build/brindlex-tool" count "$file"
done
measure "extract --all pe_65535_icons.dll" 1 $((1 << 40)) \
  "$build/brindlex-tool" extract "$work/files/pe_65535_icons.dll" --all "$work/out"
exit $broken
