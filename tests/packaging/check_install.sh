#!/usr/bin/env bash
# Installs the build folder given as $1 into a scratch DESTDIR, once with the configured
# prefix and once with --prefix, and checks what lands where: the three programs, the desktop
# entry (which must pass desktop-file-validate), the three theme icons at their sizes, the
# manual pages, the AppStream metadata (which must pass appstreamcli validate), the thumbnailer
# entry and the MIME package, which together must give every kind of file the thumbnailer
# draws a type its entry lists. Nothing may be written outside DESTDIR.
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

check_metainfo() {
  local root=$1
  local metainfo=$root/share/metainfo/org.brindlex.Brindlex.metainfo.xml
  [ -f "$metainfo" ] || fail "AppStream metadata missing"
  command -v appstreamcli > /dev/null || fail "appstreamcli not found (appstream)"
  appstreamcli validate --no-net "$metainfo" > "$scratch/validate.log" 2>&1 ||
    fail "AppStream metadata does not validate: $(cat "$scratch/validate.log")"
  grep -q '<launchable type="desktop-id">brindlex.desktop</launchable>' "$metainfo" ||
    fail "AppStream metadata does not launch the desktop entry"
  local binary
  for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
    [ -x "$root/bin/$binary" ] || fail "AppStream metadata provides $binary, which is not installed"
  done
}

# The thumbnailer entry, and the type the system's MIME database together with the installed
# MIME package gives a file of each kind the thumbnailer draws: the entry must list it.
check_thumbnailer() {
  local root=$1
  local entry=$root/share/thumbnailers/brindlex.thumbnailer
  [ -f "$entry" ] || fail "thumbnailer entry missing"
  grep -qx 'Exec=brindlex-thumbnailer -s %s %i %o' "$entry" || fail "thumbnailer entry: wrong Exec"
  local help
  help=$("$root/bin/brindlex-thumbnailer" --help) || fail "installed thumbnailer does not run"
  grep -q '^Usage: brindlex-thumbnailer' <<< "$help" || fail "installed thumbnailer prints no usage"
  local package=$root/share/mime/packages/brindlex.xml
  [ -f "$package" ] || fail "MIME package missing"
  command -v update-mime-database > /dev/null || fail "update-mime-database not found (shared-mime-info)"
  command -v gio > /dev/null || fail "gio not found (libglib2.0-bin)"
  local data=$scratch/mime-check
  rm -rf "$data"
  mkdir -p "$data/mime/packages" "$data/files"
  cp /usr/share/mime/packages/freedesktop.org.xml "$package" "$data/mime/packages/"
  XDG_DATA_DIRS=$data update-mime-database "$data/mime" > "$scratch/mime.log" 2>&1 ||
    fail "the MIME package does not load: $(cat "$scratch/mime.log")"
  local types
  types=$(sed -n 's/^MimeType=//p' "$entry")
  local kind type
  for kind in exe dll ocx icl ani cur ico; do
    case $kind in
      ani) printf 'RIFF\4\0\0\0ACON' ;;
      cur) printf '\0\0\2\0\1\0\40\40\0\0\0\0\0\0' ;;
      ico) printf '\0\0\1\0\1\0\40\40\0\0\1\0\40\0' ;;
      *) printf 'MZ\220\0\3\0\0\0' ;;
    esac > "$data/files/sample.$kind"
    type=$(XDG_DATA_DIRS=$data gio info -a standard::content-type "$data/files/sample.$kind" |
      sed -n 's/^ *standard::content-type: //p')
    [ -n "$type" ] || fail "no MIME type for .$kind"
    case ";$types" in
      *";$type;"*) ;;
      *) fail "thumbnailer entry does not list $type, the type of .$kind files" ;;
    esac
  done
}

check_tree() {
  local root=$1
  for program in brindlex brindlex-tool brindlex-thumbnailer; do
    [ -x "$root/bin/$program" ] || fail "$root/bin/$program missing or not executable"
  done
  # The help is taken whole first: a grep -q that stops reading at its match would leave the
  # program writing into a closed pipe, and under pipefail that fails the check at random.
  local help
  help=$("$root/bin/brindlex-tool" --help) || fail "installed tool does not run"
  grep -q "^Usage: brindlex-tool" <<< "$help" || fail "installed tool prints no usage"
  local entry=$root/share/applications/brindlex.desktop
  [ -f "$entry" ] || fail "desktop entry missing"
  command -v desktop-file-validate > /dev/null || fail "desktop-file-validate not found (desktop-file-utils)"
  desktop-file-validate "$entry" || fail "desktop entry does not validate"
  grep -qx 'Exec=brindlex %f' "$entry" || fail "desktop entry: wrong Exec"
  grep -qx 'MimeType=image/vnd.microsoft.icon;image/x-icon;' "$entry" || fail "desktop entry: wrong MimeType"
  grep -qx 'Categories=Graphics;2DGraphics;RasterGraphics;' "$entry" || fail "desktop entry: wrong Categories"
  grep -qx 'Icon=brindlex' "$entry" || fail "desktop entry: wrong Icon"
  grep -q '^Keywords=.*icon;.*cursor;' "$entry" || fail "desktop entry: no English keywords"
  grep -q '^Keywords\[es\]=.*icono;.*cursor;' "$entry" || fail "desktop entry: no Spanish keywords"
  check_metainfo "$root"
  check_thumbnailer "$root"
  for edge in 16 32 48; do
    local icon=$root/share/icons/hicolor/${edge}x${edge}/apps/brindlex.png
    [ -f "$icon" ] || fail "$icon missing"
    [ "$(png_size "$icon")" = "${edge}x${edge}" ] || fail "$icon is $(png_size "$icon")"
    # Colour type 6: red, green, blue and alpha.
    [ "$(od -An -tu1 -j25 -N1 "$icon" | tr -d ' ')" = 6 ] || fail "$icon has no alpha channel"
  done
  local page
  for page in brindlex-tool brindlex-thumbnailer; do
    zcat "$root/share/man/man1/$page.1.gz" | grep "^\.TH ${page^^} 1" > /dev/null ||
      fail "manual page $page(1) missing or damaged"
  done
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
[ "$(find "$scratch/other" -type f | wc -l)" -eq 12 ] || fail "unexpected files: $(find "$scratch/other" -type f)"
echo "check_install: ok"
