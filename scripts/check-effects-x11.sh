#!/usr/bin/env bash
# Checks the screen capture, the button bevel, the text stamp and the credits of the running
# editor on a virtual X display, pixel for pixel: a known picture is shown on the screen,
# captured into a 32 x 32 icon and compared with the icon's preview; the bevel is compared
# with its rule; the same text is stamped at two font resolutions and must give the same
# pixels; the credits must stay open on a click on a line and close on a click beside.
# Usage: scripts/check-effects-x11.sh DISPLAY_NUMBER [build folder]
set -euo pipefail
number=${1:?display number}
build=$(realpath "${2:-build}")
work=$(mktemp -d)
export DISPLAY=:$number HOME=$work
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
cd "$work"
Xvfb ":$number" -screen 0 1280x1024x24 >/dev/null 2>&1 & pids+=($!)
sleep 1

# Reads a screenshot and answers questions about its pixels.
cat >pixels.py <<'PY'
import subprocess, sys
def load(png):
    d = subprocess.run(['convert', png, 'ppm:-'], capture_output=True, check=True).stdout
    fields, i = [], 0
    while len(fields) < 4:
        while d[i:i+1].isspace(): i += 1
        j = i
        while not d[j:j+1].isspace(): j += 1
        fields.append(d[i:j]); i = j
    w, px = int(fields[1]), d[i+1:]
    return lambda x, y: tuple(px[(y*w+x)*3:(y*w+x)*3+3])
def known(x, y): return (x*4, y*4, (x*7+y*3) % 256)
PY
python3 - <<'PY'
data = bytearray()
for y in range(64):
    for x in range(64): data += bytes([x*4, y*4, (x*7+y*3) % 256])
open('known.ppm', 'wb').write(b'P6\n64 64\n255\n' + bytes(data))
PY
convert known.ppm known.png
display -geometry +1000+700 known.png >/dev/null 2>&1 & pids+=($!)
sleep 1.5

start_editor() {
  env "$@" "$build/brindlex" >/dev/null 2>&1 & pids+=($!)
  sleep 2.5
  read -r wx wy < <(xdotool search --name "Quorvane 2001 - " getwindowgeometry %@ |
    sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
}
effect() {  # $1: scale, $2: item (0 text, 1 bevel, 2 capture)
  xdotool mousemove $((wx + 256 * $1)) $((wy + 8 * $1)) click 1; sleep 0.7
  xdotool mousemove $((wx + 271 * $1)) $((wy + (28 + 22 * $2) * $1)) click 1; sleep 1.5
}

start_editor QT_FONT_DPI=96
effect 1 2
xdotool mousemove 1006 708; sleep 0.5
import -window root frame.png
xdotool click 1; sleep 1
import -window root captured.png
effect 1 1
import -window root bevel.png
python3 - "$wx" "$wy" <<'PY'
import sys
from pixels import *
wx, wy = int(sys.argv[1]), int(sys.argv[2])
frame = load('frame.png')
errors = 0
for y in range(34):
    for x in range(34):
        c = frame(1006 + x, 708 + y)
        if x in (0, 33) or y in (0, 33): errors += c not in ((0, 0, 0), (255, 255, 255))
        else: errors += c != known(1006 + x - 1002, 708 + y - 702)
print('capture frame over the frozen screen:', 'ok' if errors == 0 else f'{errors} wrong pixels')
preview = load('captured.png')
px, py = wx + 440, wy + 19 + 22
wrong = sum(preview(px + x, py + y) != known(5 + x, 7 + y) for y in range(32) for x in range(32))
print('captured icon, pixel for pixel:', 'ok' if wrong == 0 else f'{wrong} wrong pixels')
def shift(c, amount, darken):
    return tuple(max(v - amount, 0) if darken else min(v + amount, 255) for v in c)
bevel = load('bevel.png')
wrong = 0
for y in range(32):
    for x in range(32):
        c, d = known(5 + x, 7 + y), min(x, y, 31 - x, 31 - y)
        if d <= 2:
            amount = (30, 60, 120)[2 - d]
            dark = y == 31 - d or (x == 31 - d and y != d)
            c = shift(c, amount, dark)
        wrong += bevel(px + x, py + y) != c
print('bevel of the captured icon:', 'ok' if wrong == 0 else f'{wrong} wrong pixels')
PY
effect 1 2
xdotool mousemove 1279 1023; sleep 0.5
echo "pointer kept at: $(xdotool getmouselocation | cut -d' ' -f1-2) (expected x:1246 y:990)"
xdotool click 1; sleep 1

stamp() {  # $1: scale; prints the stamped text's cells
  effect "$1" 0
  read -r dx dy < <(xdotool search --name "escribir texto" getwindowgeometry %@ |
    sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
  xdotool mousemove $((dx + 68 * $1)) $((dy + 47 * $1)) click 1; sleep 0.5
  xdotool type --delay 50 "DejaVu Sans"; sleep 0.3; xdotool key Return; sleep 0.4
  xdotool mousemove $((dx + 157 * $1)) $((dy + 47 * $1)) click 1; sleep 0.5
  xdotool key End Return; sleep 0.4
  xdotool mousemove $((dx + 130 * $1)) $((dy + 19 * $1)) click 1; sleep 0.2
  xdotool type --delay 60 'W&ixyz'; sleep 0.4
  xdotool mousemove $((dx + 197 * $1)) $((dy + 102 * $1)) click 1; sleep 0.8
  xdotool mousemove 1270 1010; sleep 0.3
  import -window root "stamp$1.png"
  python3 - "$1" "$wx" "$wy" <<'PY'
import sys
from pixels import *
s, wx, wy = map(int, sys.argv[1:])
at = load(f'stamp{s}.png')
ox, oy, cell = wx + 11 * s, wy + 33 * s, 12 * s
for y in range(16):
    print(''.join('#' if at(ox + cell*x + cell//2, oy + cell*y + cell//2) == (0, 0, 0) else '.'
                  for x in range(32)))
PY
}
kill "${pids[-1]}"; sleep 0.5
start_editor QT_FONT_DPI=96
stamp 1 >stamp96.txt
xdotool mousemove $((wx + 320)) $((wy + 8)) click 1; sleep 0.5
xdotool mousemove $((wx + 340)) $((wy + 28)) click 1; sleep 0.1
# The credits window is centred: 447, 318 on this screen.
xdotool mousemove 640 338 click 1; sleep 0.2
on_line=$(xdotool search --name "^Quorvane 2001$" | wc -l || true)
xdotool mousemove 455 338 click 1; sleep 0.3
beside=$(xdotool search --name "^Quorvane 2001$" | wc -l || true)
echo "credits after a click on a line: $on_line window(s), after a click beside: $beside"
kill "${pids[-1]}"; sleep 0.5
start_editor QT_FONT_DPI=192
stamp 2 >stamp192.txt
echo "stamped text (DejaVu Sans, entry 16):"; cat stamp96.txt
if cmp -s stamp96.txt stamp192.txt; then echo "same pixels at 96 and 192 dots per inch: ok"
else echo "different pixels at 192 dots per inch:"; cat stamp192.txt; fi
