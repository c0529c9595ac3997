#!/usr/bin/env bash
# Installs the Debian packages the editor needs to build, run and test, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang pkg-config qt6-base-dev libx11-dev libgtest-dev libgmock-dev
  libbenchmark-dev libpng-dev libdeflate-dev libstb-dev xvfb xdotool x11-apps imagemagick icoutils fonts-dejavu-core
  fonts-liberation desktop-file-utils dpkg-dev file)
# Qt's own Spanish texts for its standard buttons and dialogs.
packages+=(qt6-translations-l10n)
# Reads and writes the desktop's clipboard from the command line, for clipboard checks.
packages+=(xclip)
# Icon extraction: Wine's Windows libraries (the shell's icon library among them) and the
# cross compilers that build the test programs and libraries.
packages+=(libwine mingw-w64)
# The editor in a real Wayland session (weston with XWayland, Qt's Wayland platform); the
# check of the AppStream metadata and of the MIME types the thumbnailer's entry lists; peak
# memory and whole-command times for the benchmarks.
packages+=(weston xwayland qt6-wayland appstream shared-mime-info libglib2.0-bin time hyperfine)
# Window listings for the session checks (xwininfo); Python with PIL, which the benchmarks
# compare pixels with; the peer the thumbnailer's benchmark times.
packages+=(x11-utils python3 python3-pil exe-thumbnailer)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
