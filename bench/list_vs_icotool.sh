#!/usr/bin/env bash
# Times `brindlex-tool list` over a folder of 1,000 icon files against `icotool -l` (Debian's
# icoutils) over the same folder, and prints both times and their ratio.
#
# Usage: bench/list_vs_icotool.sh [BRINDLEX_TOOL] [COUNT]
#   BRINDLEX_TOOL  path of the built tool (default: build/brindlex-tool)
#   COUNT          number of icon files to generate (default: 1000)
set -euo pipefail

tool=${1:-build/brindlex-tool}
count=${2:-1000}
[[ -x $tool ]] || { echo "no brindlex-tool at $tool (build it first)" >&2; exit 2; }
if ! command -v icotool >/dev/null; then
  echo "icotool missing: installing icoutils" >&2
  apt-get install -y icoutils >/dev/null
fi

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

# Icons of one to four images each, 16, 32 and 48 pixels at 1, 4, 8, 24 and 32 bits, with
# random pixels: every file is different and well formed.
python3 - "$folder" "$count" <<'PY'
import os, random, struct, sys
folder, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(1)

def row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4

def image(edge, bits):
    palette = 4 * {1: 2, 4: 16, 8: 256}.get(bits, 0)
    header = struct.pack("<IiiHHIIiiII", 40, edge, 2 * edge, 1, bits, 0, 0, 0, 0, 0, 0)
    body = rng.randbytes(palette + row_bytes(edge, bits) * edge + row_bytes(edge, 1) * edge)
    return header + body

for n in range(count):
    images = [image(rng.choice((16, 32, 48)), rng.choice((1, 4, 8, 24, 32)))
              for _ in range(rng.randint(1, 4))]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img in images:
        edge = struct.unpack_from("<i", img, 4)[0]
        bits = struct.unpack_from("<H", img, 14)[0]
        data += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, bits, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(os.path.join(folder, "icon%04d.ico" % n), "wb") as f:
        f.write(data)
PY

files=("$folder"/*.ico)
now() { date +%s%N; }

# One warm-up of each so that both read the files from the page cache, then the best of five
# runs of each: a single run on a busy machine is mostly noise.
"$tool" list "${files[@]}" >/dev/null
icotool -l "${files[@]}" >/dev/null

best() {
  local best_ns= start elapsed
  for _ in 1 2 3 4 5; do
    start=$(now)
    "$@" >/dev/null
    elapsed=$(( $(now) - start ))
    if [[ -z $best_ns || $elapsed -lt $best_ns ]]; then best_ns=$elapsed; fi
  done
  echo "$best_ns"
}
ours=$(best "$tool" list "${files[@]}")
theirs=$(best icotool -l "${files[@]}")

lines=$("$tool" list "${files[@]}" | wc -l)
echo "files: ${#files[@]}, images listed: $lines"
awk -v o="$ours" -v t="$theirs" 'BEGIN {
  printf "brindlex-tool list: %.1f ms (best of 5)\nicotool -l:         %.1f ms (best of 5)\n", o / 1e6, t / 1e6
  printf "ratio (brindlex-tool / icotool): %.2f\n", o / t
}'
