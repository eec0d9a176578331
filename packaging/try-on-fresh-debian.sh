#!/usr/bin/env bash
# Installs a built package on a fresh, minimal Debian 12 (debootstrap into a temporary folder)
# with apt, as a new user would, and starts the installed program there for a few seconds.
# Needs root, debootstrap and the network; not part of ./test.sh.
#   sudo packaging/try-on-fresh-debian.sh build/release/minigames_1.0.0_amd64.deb
set -euo pipefail

package=${1:?usage: $0 PATH/TO/minigames_VERSION_ARCH.deb}
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "install debootstrap first" >&2; exit 1; }

root=$(mktemp -d /tmp/minigames-fresh-debian.XXXXXX)
chmod 755 "$root"  # apt fetches the package from inside it as its own user
cleanup() {
  umount "$root/proc" "$root/dev" 2>/dev/null || true
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

echo "Making a minimal Debian 12 in $root ... (log: $root.log)"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$root.log" 2>&1
cat >"$root/etc/apt/sources.list" <<'EOF'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
cp "$package" "$root/tmp/"

echo "Installing $(basename "$package") with apt ..."
chroot "$root" sh -c "apt-get update -q && DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q /tmp/$(basename "$package")" >>"$root.log" 2>&1

for file in /usr/bin/minigames /usr/share/applications/io.github.sorune.minigames.desktop \
  /usr/share/metainfo/io.github.sorune.minigames.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/io.github.sorune.minigames.svg; do
  [ -e "$root$file" ] || { echo "missing after installing: $file" >&2; exit 1; }
done

# Still running after five seconds, and silent: it started, showed the menu and waits.
echo "Starting minigames (offscreen) ..."
status=0
chroot "$root" sh -c 'mkdir -m 700 -p /run/user/0 && QT_QPA_PLATFORM=offscreen \
  XDG_RUNTIME_DIR=/run/user/0 HOME=/root timeout 5 minigames' >"$root/tmp/run.log" 2>&1 ||
  status=$?
if [ "$status" -ne 124 ]; then
  echo "minigames ended with status $status instead of running on:" >&2
  cat "$root/tmp/run.log" >&2
  exit 1
fi
if [ -s "$root/tmp/run.log" ]; then
  echo "minigames runs, but printed:" >&2
  cat "$root/tmp/run.log" >&2
  exit 1
fi
echo "The package installs and the program runs on a fresh Debian 12."
