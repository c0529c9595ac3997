#!/usr/bin/env bash
# The editor in a real Wayland session: Debian's weston on its headless backend, with
# XWayland, in a private runtime folder. Checks that
#  1. with WAYLAND_DISPLAY and DISPLAY (XWayland's) set, the editor runs on X and its main
#     window is mapped through XWayland;
#  2. with WAYLAND_DISPLAY alone, the editor chooses Qt's Wayland platform: its main window is
#     an xdg toplevel with the editor's title that, after acknowledging its configure, commits
#     a buffer and is put on the output by the compositor;
#  3. on that platform the palettes say once, in a message box of the session, that they cannot
#     hold the pointer (the widget test ThePlatformShownOnDecidesWhetherThePalettesSaySo, run on
#     the Wayland platform).
# Weston that cannot start fails the test. Usage: wayland_session.sh BUILD_FOLDER
set -euo pipefail
build=$1
title="Quorvane 2001 - Untitled"   # the main window's caption of a new icon
notice_title="Brindlex - Aviso"     # the title of the notices of what needs X11
fail() { echo "wayland_session: $*" >&2; exit 1; }

for program in weston xwininfo; do
  command -v "$program" > /dev/null || fail "$program not found (scripts/install-deps.sh installs it)"
done

scratch=$(mktemp -d)
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
# The editor's settings and file associations go to a home of its own.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM WAYLAND_DEBUG
# Leaks inside the system's Wayland, EGL and Qt plugin libraries are not the editor's.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2> /dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to $1 tenths of a second for the command to succeed; gives up at once when weston
# has ended.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    kill -0 "$weston_pid" 2> /dev/null || return 1
    sleep 0.1
  done
  return 1
}

# XWayland's socket goes into the X11 socket folder, which a new machine's boot makes but a
# fresh root or container may lack; X servers make it when missing, weston does not.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix 2> /dev/null ||
  fail "/tmp/.X11-unix is missing and cannot be made"

socket=brindlex-test
weston --backend=headless-backend.so --use-pixman --xwayland --idle-time=0 \
  --socket=$socket --log="$scratch/weston.log" &
pids+=($!)
weston_pid=$!
wait_for 100 test -S "$XDG_RUNTIME_DIR/$socket" ||
  fail "weston did not start: $(cat "$scratch/weston.log" 2> /dev/null)"
xserver_line() { grep -m1 -o 'xserver listening on display :[0-9]*' "$scratch/weston.log"; }
wait_for 100 xserver_line > /dev/null || fail "weston started no XWayland: $(cat "$scratch/weston.log")"
x_display=$(xserver_line)
x_display=:${x_display##*:}

# 1. On XWayland.
WAYLAND_DISPLAY=$socket DISPLAY=$x_display "$build/brindlex" > "$scratch/x11.log" 2>&1 &
pids+=($!)
x_editor=$!
viewable() {
  local info
  info=$(DISPLAY=$x_display xwininfo -name "$title" 2> /dev/null) &&
    grep -q 'Map State: IsViewable' <<< "$info"
}
wait_for 300 viewable ||
  fail "no mapped window \"$title\" on XWayland ($x_display): $(cat "$scratch/x11.log")"
kill -0 "$x_editor" 2> /dev/null || fail "the editor on XWayland ended"
kill "$x_editor"

# 2. On Wayland alone.
log=$scratch/wayland.log
WAYLAND_DISPLAY=$socket WAYLAND_DEBUG=client "$build/brindlex" > "$log" 2>&1 &
pids+=($!)
wayland_editor=$!
# The toplevel with the title, its xdg surface and its wl_surface, from the protocol log.
toplevel_shown() {
  local toplevel xdg_surface surface ack
  toplevel=$(grep -m1 -o "xdg_toplevel@[0-9]*\.set_title(\"$title\")" "$log")
  toplevel=${toplevel%%.*}
  [ -n "$toplevel" ] || return 1
  xdg_surface=$(grep -m1 -o "xdg_surface@[0-9]*\.get_toplevel(new id $toplevel)" "$log")
  xdg_surface=${xdg_surface%%.*}
  surface=$(grep -o "get_xdg_surface(new id $xdg_surface, wl_surface@[0-9]*)" "$log" |
    grep -o 'wl_surface@[0-9]*')
  [ -n "$surface" ] || return 1
  ack=$(grep -m1 -n -- "-> $xdg_surface\.ack_configure(" "$log")
  ack=${ack%%:*}
  [ -n "$ack" ] || return 1
  # After the acknowledgement: a buffer attached and committed, and the compositor's enter.
  # (awk reads the whole log: no pipe that a reader closes early.)
  awk -v from="$ack" -v attach="-> $surface.attach(wl_buffer@" -v commit="-> $surface.commit()" \
    'NR > from && index($0, attach) { a = 1 } NR > from && a && index($0, commit) { c = 1 }
     END { exit !c }' "$log" &&
    grep -q "^\[[0-9. ]*\] $surface\.enter(wl_output@" "$log"
}
wait_for 300 toplevel_shown || fail "no Wayland toplevel \"$title\" shown: $(tail -n 40 "$log")"
kill -0 "$wayland_editor" 2> /dev/null || fail "the editor on Wayland ended"
kill "$wayland_editor"

# 3. The palettes' notice, once, as a message box of the Wayland session.
notice_log=$scratch/notice.log
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$build/qt_tests" \
  --gtest_filter='DisplayNoticesTest.ThePlatformShownOnDecidesWhetherThePalettesSaySo' \
  > "$notice_log" 2>&1 || fail "the widget test failed on Wayland: $(grep -v '^\[[0-9]' "$notice_log")"
grep -q '^\[  PASSED  \] 1 test' "$notice_log" || fail "the widget test did not run"
shown=$(grep -c "xdg_toplevel@[0-9]*\.set_title(\"$notice_title\")" "$notice_log" || true)
[ "$shown" -eq 1 ] || fail "the notice was shown $shown times on Wayland, not once"

kill -0 "$weston_pid" 2> /dev/null || fail "weston ended during the test"
echo "wayland_session: ok (XWayland on $x_display)"
