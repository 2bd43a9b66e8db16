#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian 12 packages Pixora builds and tests with. Runs as root or through sudo.
# --no-install-recommends drops what Debian only recommends, so everything needed at run time is
# named here: libwmf renders text with the URW fonts, its link flags name expat and libjpeg, and
# the web send opens its page through xdg-open. Qt DBus comes with qt6-base-dev; the ModemManager
# test runs a stand-in service on a private bus (dbus-daemon, python3-dbus with GLib's loop).
# The Debian package is built with debhelper, checked with lintian and installed into a fresh
# chroot made by mmdebstrap; appstreamcli checks the software centre's metainfo.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
packages=(cmake g++ make build-essential pkg-config clang-format
          qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev qt6-tools-dev qt6-l10n-tools
          qt6-image-formats-plugins libqt6svg6
          libgtest-dev libgmock-dev
          libwmf-dev libexpat1-dev libjpeg-dev fonts-urw-base35
          libemf2svg-dev libbenchmark-dev
          libphonenumber-dev chromium python3
          clang libclang-rt-14-dev
          binutils python3-gammu gammu imagemagick netpbm dbus-daemon python3-dbus python3-gi
          shared-mime-info desktop-file-utils libxml2-utils xdg-utils
          libxcb1-dev xvfb xclip x11-utils
          debhelper dpkg-dev lintian mmdebstrap appstream groff-base)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
