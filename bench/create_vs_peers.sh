#!/usr/bin/env bash
# Compares `brindlex-tool create` with `icotool -c` (Debian's icoutils) and ImageMagick's
# `convert` on the application icon sets of the hicolor theme (every NAME with PNGs at two
# sizes or more up to 256 under /usr/share/icons/hicolor/*/apps/NAME.png, or under the theme
# folders given), then times `create --sizes 16,32,48,256` from one 512-pixel PNG against
# ImageMagick's auto-resize.
#
# For each set it prints the three file sizes and whether brindlex-tool's is no larger than
# the smaller of the other two, and checks with Python's PIL that every entry of
# brindlex-tool's file has the pixels of its source PNG (alpha equal everywhere, colour equal
# where alpha is not 0; 16-bit sources rounded to 8 bits). icotool stores a 256-pixel picture as a PNG entry (--raw), as the
# other two do.
#
# Usage: bench/create_vs_peers.sh [BRINDLEX_TOOL] [PNG512] [THEME_FOLDER...]
#   BRINDLEX_TOOL  path of the built tool (default: build/brindlex-tool)
#   PNG512         the 512-pixel picture to time (default: the first found under
#                  /usr/share/icons/*/512x512)
#   THEME_FOLDER   icon theme folders to take sets from (default: /usr/share/icons/hicolor);
#                  every CONTEXT/NAME.png present at two sizes or more is a set
set -euo pipefail

tool=${1:-build/brindlex-tool}
png512=${2:-$(find /usr/share/icons/*/512x512 -name '*.png' 2>/dev/null | sort | head -n 1)}
shift $(( $# > 2 ? 2 : $# ))
themes=("${@:-/usr/share/icons/hicolor}")
[[ -x $tool ]] || { echo "no brindlex-tool at $tool (build it first)" >&2; exit 2; }
for program in icotool convert; do
  command -v $program >/dev/null || { echo "$program missing (icoutils, imagemagick)" >&2; exit 2; }
done
python=/usr/bin/python3
$python -c 'import PIL' 2>/dev/null || { echo "python3-pil missing" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The sets: "THEME CONTEXT NAME" for every picture present at two sizes or more.
sets=$(for theme in "${themes[@]}"; do
  find "$theme" -path '*/[0-9]*x[0-9]*/*/*.png' 2>/dev/null |
    sed -E "s|^$theme/([0-9]+)x[0-9]+/([^/]+)/(.+)\.png$|\1 $theme \2 \3|" |
    awk '$1 <= 256 { print $2, $3, $4 }'
done | sort | uniq -c | awk '$1 >= 2 { print $2, $3, $4 }')

echo "set sizes brindlex-tool icotool imagemagick verdict"
total=0 no_larger=0 same_pixels=0
while read -r theme context name; do
  [[ -n $name ]] || continue
  inputs=() raw=() plain=()
  for png in "$theme"/*x*/"$context/$name.png"; do
    edge=$(basename "$(dirname "$(dirname "$png")")"); edge=${edge%%x*}
    (( edge <= 256 )) || continue
    inputs+=("$png")
    if (( edge == 256 )); then raw+=(--raw="$png"); else plain+=("$png"); fi
  done
  (( ${#inputs[@]} >= 2 )) || continue
  "$tool" create "$work/ours.ico" "${inputs[@]}" 2>/dev/null
  icotool -c -o "$work/icotool.ico" "${plain[@]}" "${raw[@]}" 2>/dev/null
  convert "${inputs[@]}" "$work/magick.ico" 2>/dev/null
  ours=$(stat -c %s "$work/ours.ico")
  theirs=$(stat -c %s "$work/icotool.ico")
  magick=$(stat -c %s "$work/magick.ico")
  best=$(( theirs < magick ? theirs : magick ))
  pixels=$($python - "$work/ours.ico" "${inputs[@]}" <<'PY'
import struct, subprocess, sys
from PIL import Image
icon = Image.open(sys.argv[1])
def reference(path):
    # The source's samples at 16 bits, rounded to 8 as libpng rounds 16-bit samples (PIL
    # would cut them); an 8-bit source comes back unchanged.
    raw = subprocess.run(["convert", path, "-endian", "MSB", "-depth", "16", "RGBA:-"],
                         check=True, capture_output=True).stdout
    return bytes((v * 255 + 32895) >> 16 for v in struct.unpack(">%dH" % (len(raw) // 2), raw))
def same(path):
    a = reference(path)
    b = icon.ico.getimage(Image.open(path).size).convert("RGBA").tobytes()
    return len(a) == len(b) and all(
        a[i + 3] == b[i + 3] and (a[i + 3] == 0 or a[i:i + 3] == b[i:i + 3])
        for i in range(0, len(a), 4))
ok = all(same(p) for p in sys.argv[2:]) and len(icon.ico.sizes()) == len(sys.argv) - 2
print("same-pixels" if ok else "PIXELS-DIFFER")
PY
)
  total=$((total + 1))
  (( ours <= best )) && no_larger=$((no_larger + 1))
  [[ $pixels == same-pixels ]] && same_pixels=$((same_pixels + 1))
  verdict=$([[ $ours -le $best ]] && echo "no-larger" || echo "LARGER")
  echo "$context/$name ${#inputs[@]} $ours $theirs $magick $verdict $pixels"
done <<< "$sets"
echo "sets: $total; brindlex-tool no larger than the smaller peer: $no_larger; same pixels: $same_pixels"

# Speed: one process each. With hyperfine (Debian's package), 30 runs of each after 3 to warm
# up, started without a shell; the ratio is of the mean times. Without it, the best of seven
# runs of each, timed around the whole command (which adds the start of `date` to both).
if [[ -n $png512 ]]; then
  cp "$png512" "$work/in.png"
  ours=("$tool" create "$work/a.ico" "$work/in.png" --sizes 16,32,48,256)
  theirs=(convert "$work/in.png" -define icon:auto-resize=256,48,32,16 "$work/b.ico")
  echo "speed, create --sizes 16,32,48,256 from $png512:"
  if command -v hyperfine >/dev/null; then
    hyperfine -N -w 3 -r 30 --export-json "$work/times.json" "${ours[*]}" "${theirs[*]}" >/dev/null
    $python - "$work/times.json" "$(stat -c %s "$work/a.ico")" "$(stat -c %s "$work/b.ico")" <<'PY'
import json, sys
ours, theirs = json.load(open(sys.argv[1]))["results"]
for name, r, size in (("brindlex-tool", ours, sys.argv[2]), ("ImageMagick:  ", theirs, sys.argv[3])):
    print("%s %.1f ms mean (%.1f to %.1f), %s bytes" % (name, r["mean"] * 1e3, r["min"] * 1e3, r["max"] * 1e3, size))
print("ratio (brindlex-tool / ImageMagick): %.2f of the means, %.2f of the fastest runs"
      % (ours["mean"] / theirs["mean"], ours["min"] / theirs["min"]))
PY
  else
    best_ms() {
      local best= start elapsed
      for _ in 1 2 3 4 5 6 7; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        elapsed=$(( $(date +%s%N) - start ))
        if [[ -z $best || $elapsed -lt $best ]]; then best=$elapsed; fi
      done
      echo "$best"
    }
    o=$(best_ms "${ours[@]}")
    t=$(best_ms "${theirs[@]}")
    awk -v o="$o" -v t="$t" -v os="$(stat -c %s "$work/a.ico")" \
        -v ts="$(stat -c %s "$work/b.ico")" 'BEGIN {
      printf "brindlex-tool: %.1f ms, %d bytes\nImageMagick:   %.1f ms, %d bytes\n", o / 1e6, os, t / 1e6, ts
      printf "ratio (brindlex-tool / ImageMagick): %.2f\n", o / t
    }'
  fi
fi
