#!/usr/bin/env bash
# Runs the continuous-integration run (.ci/run) on a clean clone of this repository's HEAD
# inside a fresh Debian 12 root, so that a missing install step fails here first and not on a
# user's new machine. The root is made once by `debootstrap --variant=minbase` and kept as a
# tarball (BRINDLEX_FRESH_ROOT_CACHE, default /var/cache/brindlex/bookworm-minbase.tar); every
# run unpacks a new copy of it, so nothing installed by one run is seen by the next.
# Needs root. Usage: check-fresh-root.sh [COMMIT]   (default HEAD; the commit must exist)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=${1:-HEAD}
mirror=${BRINDLEX_MIRROR:-http://deb.debian.org/debian}
cache=${BRINDLEX_FRESH_ROOT_CACHE:-/var/cache/brindlex/bookworm-minbase.tar}

[ "$(id -u)" -eq 0 ] || { echo "check-fresh-root: run as root" >&2; exit 2; }
for program in debootstrap git; do
  command -v "$program" >/dev/null || {
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$program"
  }
done

scratch=$(mktemp -d /var/tmp/brindlex-fresh-root.XXXXXX)
root=$scratch/root
cleanup() {
  local mount_point
  # Innermost first, so that every bind mount comes off before its parent.
  for mount_point in $(findmnt -rn -o TARGET | grep "^$root" | sort -r); do
    umount -l "$mount_point" 2>/dev/null || true
  done
  rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT

if [ ! -f "$cache" ]; then
  echo "== making a fresh Debian 12 root (debootstrap --variant=minbase)"
  mkdir -p "$(dirname "$cache")" "$scratch/make"
  debootstrap --variant=minbase bookworm "$scratch/make" "$mirror" >"$scratch/debootstrap.log" 2>&1 ||
    { tail -n 30 "$scratch/debootstrap.log" >&2; exit 1; }
  tar -C "$scratch/make" -cf "$cache.part" . && mv "$cache.part" "$cache"
  rm -rf --one-file-system "$scratch/make"
fi

mkdir "$root"
tar -C "$root" -xf "$cache"
# The package sources of a new Debian 12 installation: the release, its updates and security.
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet --no-local "$repo" "$root/root/brindlex"
git -C "$root/root/brindlex" checkout --quiet --detach "$(git -C "$repo" rev-parse "$commit")"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs tmpfs "$root/tmp"

echo "== .ci/run in the fresh root, on $(git -C "$repo" rev-parse --short "$commit")"
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /root/brindlex && bash .ci/run'
echo "== the fresh root passed"
