#!/usr/bin/env bash
# Builds the .deb, installs it with apt into a clean Debian 12 root made by
# debootstrap, and starts the program there under Xvfb. Exit 77 (skipped)
# only when the package archive cannot be reached.
set -euo pipefail
build="$1"
root="$build/deb-root"
log="$build/deb-install-test.log"
mirror="${OHMBROOK_DEBIAN_MIRROR:-$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)}"
if [ -z "$mirror" ]; then
    mirror=$(grep -h '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1 | awk '{print $2}')
fi
mirror="${mirror:-http://deb.debian.org/debian}"

(cd "$build" && cpack -G DEB >"$log" 2>&1) || { cat "$log"; exit 1; }
deb=$(ls -t "$build"/ohmbrook_*.deb | head -n1)
echo "package: $deb"
dpkg-deb -f "$deb" Depends

cleanup() {
    for m in proc dev/pts dev sys; do umount -l "$root/$m" 2>/dev/null || true; done
}
trap cleanup EXIT

if [ ! -x "$root/usr/bin/apt-get" ]; then
    rm -rf "$root"
    if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >>"$log" 2>&1; then
        if grep -qiE "Failed getting release file|Couldn't download|Temporary failure|Could not resolve" "$log"; then
            echo "SKIPPED: debootstrap cannot reach the package archive at $mirror (see $log)"
            exit 77
        fi
        tail -n 30 "$log"
        exit 1
    fi
fi
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t sysfs sys "$root/sys"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
cp "$deb" "$root/tmp/ohmbrook.deb"

# The program must open a real window on the Xvfb display inside the root,
# whatever platform the calling test run chose.
env -u QT_QPA_PLATFORM chroot "$root" /bin/bash -euo pipefail -c '
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
apt-get install -y -q --no-install-recommends xvfb xauth x11-utils /tmp/ohmbrook.deb >/dev/null
test -x /usr/bin/ohmbrook
test -f /usr/share/ohmbrook/Ohmbrook2Help.chm
test -x /usr/libexec/ohmbrook/ohmbrook-metafile-helper
test -f /usr/share/applications/org.ohmbrook.Ohmbrook.desktop
# The launcher icon, as a vector and at every size of the hicolor theme.
test -f /usr/share/icons/hicolor/scalable/apps/org.ohmbrook.Ohmbrook.svg
for size in 16 22 24 32 48 64 128 256 512; do
    test -f /usr/share/icons/hicolor/${size}x${size}/apps/org.ohmbrook.Ohmbrook.png
done
# A user who has accepted the disclaimer: the main window opens at once.
export HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config
mkdir -p "$XDG_CONFIG_HOME/Tarvolen"
printf "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\\\Software\\\\Tarvolen\\\\Ohmbrook]\r\n\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"\r\n" >"$XDG_CONFIG_HOME/Tarvolen/Ohmbrook.reg"
# Waits up to a minute for the window: a loaded machine starts slowly.
xvfb-run -a sh -c "ohmbrook & pid=\$!; found=1; for i in \$(seq 60); do sleep 1; if xwininfo -root -tree | grep -q \"\\\"Ohmbrook\\\"\"; then found=0; break; fi; done; kill \$pid; exit \$found"
'
echo "installed and started in a clean Debian 12 root"
