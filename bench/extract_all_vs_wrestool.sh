#!/usr/bin/env bash
# Times one `brindlex-tool extract --all DIR` process over every program and library in
# Wine's folders of Windows files against one `wrestool -x --type=14 -o DIR` process
# (Debian's icoutils) over the same files, each into a fresh empty folder, and compares the
# icon files both write, group by group, byte for byte.
#
# wrestool writes one file per group and language (FILE_14_NAME_LANGUAGE.ico), brindlex-tool
# one per group (FILE-INDEX.ico, the groups in the order wrestool lists them, the first
# language of each). wrestool's file ends with as many bytes as the group directory has
# (6 + 14 per image) after the last image, left over from its buffer and referenced by no
# directory entry; a file equal to wrestool's with those bytes cut is counted as equal in
# content, and reported apart from files equal whole.
#
# Usage: bench/extract_all_vs_wrestool.sh [BRINDLEX_TOOL] [RUNS]
#   BRINDLEX_TOOL  path of the built tool (default: build/brindlex-tool)
#   RUNS           timed runs of each, the median reported (default: 5)
set -euo pipefail

tool=${1:-build/brindlex-tool}
runs=${2:-5}
wine=/usr/lib/x86_64-linux-gnu/wine
[[ -x $tool ]] || { echo "no brindlex-tool at $tool (build it first)" >&2; exit 2; }
command -v wrestool >/dev/null || { echo "wrestool missing (install icoutils)" >&2; exit 2; }
files=()
for folder in "$wine"/x86_64-windows "$wine"/i386-windows /usr/lib/i386-linux-gnu/wine/i386-windows; do
  [[ -d $folder ]] && files+=("$folder"/*)
done
((${#files[@]})) || { echo "no Wine files (install libwine: scripts/install-deps.sh)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
now() { date +%s%N; }
# Runs "$@" with DIR replaced by a fresh folder; prints the nanoseconds it took.
timed() {
  local out=$1
  shift
  rm -rf "$out"
  mkdir "$out"
  local start
  start=$(now)
  "${@/#DIR/$out}" >/dev/null 2>&1 || true
  echo $(($(now) - start))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

ours_dir=$work/ours
theirs_dir=$work/theirs
# One warm-up run of each, so that both read the files from the page cache.
timed "$ours_dir" "$tool" extract --all DIR "${files[@]}" >/dev/null
timed "$theirs_dir" wrestool -x --type=14 -o DIR "${files[@]}" >/dev/null
ours_times=()
theirs_times=()
for ((i = 0; i < runs; i++)); do
  ours_times+=("$(timed "$ours_dir" "$tool" extract --all DIR "${files[@]}")")
  theirs_times+=("$(timed "$theirs_dir" wrestool -x --type=14 -o DIR "${files[@]}")")
done
ours=$(printf '%s\n' "${ours_times[@]}" | median)
theirs=$(printf '%s\n' "${theirs_times[@]}" | median)

python3 - "$ours_dir" "$theirs_dir" "${files[@]}" <<'PYTHON'
import os, re, subprocess, sys
ours, theirs, files = sys.argv[1], sys.argv[2], sys.argv[3:]
whole = cut = differ = 0
for path in files:
    base = os.path.basename(path)
    listing = subprocess.run(["wrestool", "-l", "--type=14", path], capture_output=True,
                             text=True).stdout
    groups = {}
    for line in listing.splitlines():
        m = re.search(r"--name=('[^']*'|\d+) --language=(\d+) .*size=(\d+)", line)
        if m and m.group(1).strip("'") not in groups:
            groups[m.group(1).strip("'")] = (m.group(2), int(m.group(3)))
    for index, (name, (language, directory)) in enumerate(groups.items()):
        try:
            o = open(f"{ours}/{base}-{index}.ico", "rb").read()
            t = open(f"{theirs}/{base}_14_{name}_{language}.ico", "rb").read()
        except OSError as e:
            differ += 1
            print(f"missing: {e.filename}")
            continue
        if o == t:
            whole += 1
        elif len(t) == len(o) + directory and t.startswith(o):
            cut += 1
        else:
            differ += 1
            print(f"differs: {base} group {index} ({name})")
print(f"groups compared: {whole + cut + differ}; equal: {whole + cut} ({whole} whole, {cut} "
      f"but for wrestool's trailing buffer bytes); differing or missing: {differ}")
PYTHON
echo "files: ${#files[@]}"
echo "groups written: brindlex-tool $(ls "$ours_dir" | wc -l), wrestool $(ls "$theirs_dir" | wc -l)"
awk -v o="$ours" -v t="$theirs" -v n="$runs" 'BEGIN {
  printf "brindlex-tool extract --all:  %.1f ms (median of %d)\n", o / 1e6, n
  printf "wrestool -x --type=14 -o:     %.1f ms (median of %d)\n", t / 1e6, n
  printf "ratio (brindlex-tool / wrestool): %.3f (at most 0.25 wanted)\n", o / t
}'
