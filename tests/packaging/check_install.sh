#!/usr/bin/env bash
# Installs the build folder given as $1 into a scratch DESTDIR, once with the configured
# prefix and once with --prefix, and checks what lands where: both programs, the desktop entry
# (which must pass desktop-file-validate), the three theme icons at their sizes and the manual
# page. Nothing may be written outside DESTDIR.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check_install: $*" >&2; exit 1; }

# Width and height from a PNG's header chunk, as "WxH".
png_size() {
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  echo "${w}x${h}"
}

check_tree() {
  local root=$1
  for program in brindlex brindlex-tool; do
    [ -x "$root/bin/$program" ] || fail "$root/bin/$program missing or not executable"
  done
  # grep reads the whole help: quitting at the first match would cut the tool off with
  # SIGPIPE, which pipefail reports as a failure now and then.
  "$root/bin/brindlex-tool" --help | grep "^Usage: brindlex-tool" > /dev/null ||
    fail "installed tool does not run"
  local entry=$root/share/applications/brindlex.desktop
  [ -f "$entry" ] || fail "desktop entry missing"
  command -v desktop-file-validate > /dev/null || fail "desktop-file-validate not found (desktop-file-utils)"
  desktop-file-validate "$entry" || fail "desktop entry does not validate"
  grep -qx 'Exec=brindlex %f' "$entry" || fail "desktop entry: wrong Exec"
  grep -qx 'MimeType=image/vnd.microsoft.icon;image/x-icon;' "$entry" || fail "desktop entry: wrong MimeType"
  grep -qx 'Categories=Graphics;2DGraphics;RasterGraphics;' "$entry" || fail "desktop entry: wrong Categories"
  grep -qx 'Icon=brindlex' "$entry" || fail "desktop entry: wrong Icon"
  for edge in 16 32 48; do
    local icon=$root/share/icons/hicolor/${edge}x${edge}/apps/brindlex.png
    [ -f "$icon" ] || fail "$icon missing"
    [ "$(png_size "$icon")" = "${edge}x${edge}" ] || fail "$icon is $(png_size "$icon")"
    # Colour type 6: red, green, blue and alpha.
    [ "$(od -An -tu1 -j25 -N1 "$icon" | tr -d ' ')" = 6 ] || fail "$icon has no alpha channel"
  done
  zcat "$root/share/man/man1/brindlex-tool.1.gz" | grep '^\.TH BRINDLEX-TOOL 1' > /dev/null ||
    fail "manual page missing or damaged"
}

# With the configured prefix (/usr/local unless the build says otherwise).
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
DESTDIR=$scratch/default cmake --install "$build" > /dev/null
check_tree "$scratch/default$prefix"
[ -z "$(find "$scratch/default" -type f -not -path "$scratch/default$prefix/*")" ] ||
  fail "files installed outside $prefix"

# With --prefix.
DESTDIR=$scratch/other cmake --install "$build" --prefix /opt/brindlex > /dev/null
check_tree "$scratch/other/opt/brindlex"
[ "$(find "$scratch/other" -type f | wc -l)" -eq 7 ] || fail "unexpected files: $(find "$scratch/other" -type f)"
echo "check_install: ok"
