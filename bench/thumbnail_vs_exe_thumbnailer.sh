#!/usr/bin/env bash
# brindlex-thumbnailer against Debian's exe-thumbnailer, run as file managers run them: one
# process per file, at 256 pixels, over every program and library in Wine's folder of 64-bit
# Windows files. Prints
#  - how many files each draws, the wall and processor time per file of each (the mean of one
#    pass over all files, after a warm-up pass so that both read from the page cache) and
#    their ratios, then the same over three passes over the files both draw (where the
#    pictures are made);
#  - the peak memory (largest maximum resident set size, /usr/bin/time %M) of each;
#  - for every file both draw, whether our picture has the pixels of the first icon group's
#    largest image (the deepest among equals) as Python's PIL decodes it from
#    `wrestool -x --type=14` (icoutils), enlarged by the same whole factor when smaller than
#    256. Fully transparent pixels count as equal whatever their colour.
#
# Usage: bench/thumbnail_vs_exe_thumbnailer.sh [THUMBNAILER] [FOLDER]
#   THUMBNAILER  path of the built thumbnailer (default: build/brindlex-thumbnailer)
#   FOLDER       the folder of files (default: Wine's x86_64-windows folder)
# Needs exe-thumbnailer, icoutils, python3-pil and time (apt-get install them).
set -euo pipefail

ours=${1:-build/brindlex-thumbnailer}
folder=${2:-/usr/lib/x86_64-linux-gnu/wine/x86_64-windows}
size=256
[[ -x $ours ]] || { echo "no thumbnailer at $ours (build it first)" >&2; exit 2; }
[[ -d $folder ]] || { echo "no folder $folder (install libwine)" >&2; exit 2; }
for tool in exe-thumbnailer wrestool /usr/bin/time; do
  command -v "$tool" > /dev/null || { echo "$tool missing" >&2; exit 2; }
done
/usr/bin/python3 -c 'import PIL' 2> /dev/null || { echo "python3-pil missing" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/ours" "$scratch/theirs" "$scratch/groups"
files=("$folder"/*)
now() { date +%s%N; }

# One pass of a thumbnailer over every file of the array `files`: $1 = ours or theirs.
pass() {
  local who=$1 file name
  for file in "${files[@]}"; do
    name=${file##*/}
    if [[ $who == ours ]]; then
      "$ours" -s $size "$file" "$scratch/ours/$name.png" 2> /dev/null || true
    else
      exe-thumbnailer -s $size "$file" "$scratch/theirs/$name.png" > /dev/null 2>&1 || true
    fi
  done
}
# The same pass under /usr/bin/time, printing the largest peak resident set in KiB.
peak() {
  local who=$1 file
  for file in "${files[@]}"; do
    if [[ $who == ours ]]; then
      /usr/bin/time -f %M -o "$scratch/rss" "$ours" -s $size "$file" "$scratch/rss.png" \
        > /dev/null 2>&1 || true
    else
      /usr/bin/time -f %M -o "$scratch/rss" exe-thumbnailer -s $size "$file" "$scratch/rss.png" \
        > /dev/null 2>&1 || true
    fi
    tail -n1 "$scratch/rss"
  done | sort -n | tail -n1
}

# Runs $2 timed passes of $1 (ours or theirs), each writing new files as file managers ask
# for; prints the wall time in nanoseconds and the processor time (user and system, of the
# processes started) in seconds, both summed over the passes.
timed_passes() {
  local who=$1 rounds=$2 wall=0 cpu=0 start times r
  local TIMEFORMAT='%U %S'
  for ((r = 0; r < rounds; r++)); do
    rm -f "$scratch/$who"/*
    start=$(now)
    times=$( { time pass "$who" > /dev/null 2>&1; } 2>&1)
    wall=$((wall + $(now) - start))
    cpu=$(awk -v c="$cpu" -v t="$times" 'BEGIN { split(t, p, " "); print c + p[1] + p[2] }')
  done
  echo "$wall $cpu"
}
# Prints the wall and processor time per file of both and their ratios: $1 names the files,
# $2 and $3 are timed_passes' results, $4 the number of files timed in all.
report_time() {
  awk -v what="$1" -v ours="$2" -v theirs="$3" -v n="$4" 'BEGIN {
    split(ours, o, " "); split(theirs, t, " ")
    printf "time per file (%s): brindlex-thumbnailer %.4f s, exe-thumbnailer %.4f s, ratio %.4f\n",
      what, o[1] / n / 1e9, t[1] / n / 1e9, o[1] / t[1]
    printf "  processor time per file: brindlex-thumbnailer %.4f s, exe-thumbnailer %.4f s, ratio %.4f\n",
      o[2] / n, t[2] / n, o[2] / t[2] }'
}

pass ours
pass theirs
all_ours=$(timed_passes ours 1)
all_theirs=$(timed_passes theirs 1)
ours_count=$(find "$scratch/ours" -name '*.png' | wc -l)
theirs_count=$(find "$scratch/theirs" -name '*.png' | wc -l)
ours_rss=$(peak ours)
theirs_rss=$(peak theirs)
all_files=("${files[@]}")
files=()
for png in "$scratch"/theirs/*.png; do
  name=${png##*/}
  [[ -f $scratch/ours/$name ]] && files+=("$folder/${name%.png}")
done
drawn=${#files[@]}
# The files both draw are few: three passes over them.
rounds=3
drawn_ours=$(timed_passes ours $rounds)
drawn_theirs=$(timed_passes theirs $rounds)
files=("${all_files[@]}")

count=${#files[@]}
echo "files: $count in $folder"
echo "drawn: brindlex-thumbnailer $ours_count, exe-thumbnailer $theirs_count"
report_time "all $count files" "$all_ours" "$all_theirs" "$count"
report_time "the $drawn files both draw, $rounds passes" "$drawn_ours" "$drawn_theirs" \
  $((drawn * rounds))
echo "peak RSS: brindlex-thumbnailer $((ours_rss / 1024)).$(((ours_rss % 1024) * 10 / 1024)) MiB," \
  "exe-thumbnailer $((theirs_rss / 1024)).$(((theirs_rss % 1024) * 10 / 1024)) MiB"

# The first group of each file both drew, as wrestool writes it.
for png in "$scratch"/theirs/*.png; do
  name=${png##*/}
  name=${name%.png}
  [[ -f $scratch/ours/$name.png ]] || continue
  first=$(wrestool -l --type=14 "$folder/$name" 2> /dev/null | head -n1 || true)
  [[ -n $first ]] || continue
  group_name=$(sed -n "s/.*--name=\('[^']*'\|[0-9]*\) .*/\1/p" <<< "$first" | tr -d "'")
  language=$(sed -n 's/.*--language=\([0-9]*\).*/\1/p' <<< "$first")
  wrestool -x --type=14 --name="$group_name" --language="$language" "$folder/$name" \
    > "$scratch/groups/$name.ico" 2> /dev/null || rm -f "$scratch/groups/$name.ico"
done

/usr/bin/python3 - "$scratch" $size << 'EOF'
import os, sys
from PIL import Image, IcoImagePlugin

scratch, size = sys.argv[1], int(sys.argv[2])
same = differ = unreadable = 0
examples = []
for entry in sorted(os.listdir(os.path.join(scratch, "groups"))):
    name = entry[:-4]
    try:
        with open(os.path.join(scratch, "groups", entry), "rb") as f:
            ico = IcoImagePlugin.IcoFile(f)
            # The largest image, the deepest among equals, the earliest among those.
            best = max(range(len(ico.entry)),
                       key=lambda i: (max(ico.entry[i]["width"], ico.entry[i]["height"]),
                                      ico.entry[i]["bpp"], -i))
            expected = ico.frame(best).convert("RGBA")
    except Exception as error:  # a group PIL cannot read
        unreadable += 1
        examples.append(f"{name}: PIL cannot read the group ({error})")
        continue
    edge = max(expected.size)
    if edge > size:
        scale = size / edge
        expected = None  # reduced pictures are not compared: the filters differ
    elif size // edge >= 2:
        factor = size // edge
        expected = expected.resize((expected.width * factor, expected.height * factor),
                                   Image.NEAREST)
    if expected is None:
        continue
    ours = Image.open(os.path.join(scratch, "ours", name + ".png")).convert("RGBA")
    def visible(picture):
        return [p if p[3] else (0, 0, 0, 0) for p in picture.getdata()]
    if ours.size == expected.size and visible(ours) == visible(expected):
        same += 1
    else:
        differ += 1
        if len(examples) < 10:
            examples.append(f"{name}: ours {ours.size}, PIL's {expected.size} differ")
print(f"pixels against PIL: {same} same, {differ} differ, {unreadable} unreadable by PIL")
for line in examples:
    print("  " + line)
EOF
