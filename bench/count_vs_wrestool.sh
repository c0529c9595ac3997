#!/usr/bin/env bash
# Times one `brindlex-tool count` process over every library and program in Wine's folder of
# 64-bit Windows files against one `wrestool -l --type=14` process (Debian's icoutils) over
# the same files, checks that both find the same number of group icons, and prints both
# times and their ratio (one run each, after one warm-up run of each so that both read the
# files from the page cache).
#
# Usage: bench/count_vs_wrestool.sh [BRINDLEX_TOOL] [FOLDER]
#   BRINDLEX_TOOL  path of the built tool (default: build/brindlex-tool)
#   FOLDER         the folder of files (default: Wine's x86_64-windows folder)
set -euo pipefail

tool=${1:-build/brindlex-tool}
folder=${2:-/usr/lib/x86_64-linux-gnu/wine/x86_64-windows}
[[ -x $tool ]] || { echo "no brindlex-tool at $tool (build it first)" >&2; exit 2; }
[[ -d $folder ]] || { echo "no folder $folder (install libwine: scripts/install-deps.sh)" >&2; exit 2; }
command -v wrestool >/dev/null || { echo "wrestool missing (install icoutils)" >&2; exit 2; }

files=("$folder"/*)
now() { date +%s%N; }

"$tool" count "${files[@]}" >/dev/null 2>&1 || true
wrestool -l --type=14 "${files[@]}" >/dev/null 2>&1 || true

start=$(now)
ours_output=$("$tool" count "${files[@]}" 2>/dev/null || true)
ours=$(( $(now) - start ))
start=$(now)
theirs_output=$(wrestool -l --type=14 "${files[@]}" 2>/dev/null || true)
theirs=$(( $(now) - start ))

# The same counts, file by file: wrestool lists a group once per language, so each file's
# names are counted once.
ours_total=0
theirs_total=0
differ=0
while IFS= read -r line; do
  file=${line%: *}
  count=${line##*: }
  names=$(wrestool -l --type=14 "$file" 2>/dev/null |
    sed -E "s/.*--name=('[^']*'|[0-9]+).*/\1/" | sort -u | wc -l)
  ours_total=$((ours_total + count))
  theirs_total=$((theirs_total + names))
  if [[ $count != "$names" ]]; then
    differ=$((differ + 1))
    echo "differs: $file: brindlex-tool $count, wrestool $names"
  fi
done <<<"$ours_output"
echo "files: ${#files[@]}, files whose counts differ: $differ"
echo "group icons: brindlex-tool ${ours_total}, wrestool ${theirs_total}"
awk -v o="$ours" -v t="$theirs" 'BEGIN {
  printf "brindlex-tool count:     %.1f ms\nwrestool -l --type=14:   %.1f ms\n", o / 1e6, t / 1e6
  printf "ratio (brindlex-tool / wrestool): %.3f\n", o / t
}'
