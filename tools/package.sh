#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package of Pixora and checks it:
#   bash tools/package.sh [OUTDIR]        (OUTDIR defaults to ./dist)
# The package is built from a copy of the tree's own files (tracked and new ones, never the build
# folders), so a local build cannot leak into it. lintian must find no error and no warning.
# Then, where a Debian 12 chroot can be made (root and a reachable mirror), the package is
# installed there with apt and its programs are started once; PIXORA_PACKAGE_INSTALL_TEST=0
# skips that step.
set -euo pipefail
cd "$(dirname "$0")/.."
source_root=$(pwd)
outdir=${1:-dist}
mkdir -p "$outdir"
outdir=$(cd "$outdir" && pwd)

version=$(sed -n 's/^project(Pixora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
changelog_version=$(dpkg-parsechangelog -l debian/changelog -S Version)
if [ "$version" != "$changelog_version" ]; then
    echo "package.sh: CMakeLists.txt says $version but debian/changelog says $changelog_version" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=pixora_${version}_${arch}.deb

# A fixed folder rather than a fresh mktemp one: the compiler cache then sees the same paths in
# every run and a rebuild after a small change takes seconds.
work=${PIXORA_PACKAGE_WORKDIR:-${TMPDIR:-/tmp}/pixora-package-$(id -u)}
rm -rf "$work"
tree=$work/pixora-$version
mkdir -p "$tree"

start=$(date +%s)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # Files deleted but not yet committed are left out rather than failing the copy.
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            if [ -e "$file" ]; then printf '%s\0' "$file"; fi
        done |
        tar --null -T - -cf - | tar -xf - -C "$tree"
else
    tar --exclude='./build*' --exclude='./dist' --exclude='./.cache' -cf - . | tar -xf - -C "$tree"
fi

if command -v ccache >/dev/null 2>&1; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$work"
fi
(cd "$tree" && dpkg-buildpackage -us -uc -b -J"$(nproc)") >"$work/build.log" 2>&1 || {
    tail -n 60 "$work/build.log" >&2
    echo "package.sh: dpkg-buildpackage failed; the whole log is $work/build.log" >&2
    exit 1
}
built=$(date +%s)

changes=$work/pixora_${version}_${arch}.changes
lintian --fail-on error,warning --info "$changes"
cp "$work/$deb" "$outdir/"
checked=$(date +%s)
echo "package.sh: $outdir/$deb (build $((built - start)) s, lintian $((checked - built)) s)"

if [ "${PIXORA_PACKAGE_INSTALL_TEST:-1}" = 0 ]; then
    echo "package.sh: install test skipped (PIXORA_PACKAGE_INSTALL_TEST=0)"
    exit 0
fi
# A chroot inside a chroot (a build machine's own jail) has no /proc of its own to mount.
if command -v ischroot >/dev/null 2>&1 && ischroot; then
    echo "package.sh: install test skipped: already inside a chroot, no nested one is made"
    exit 0
fi
if [ "$(id -u)" -ne 0 ] || ! command -v mmdebstrap >/dev/null 2>&1; then
    echo "package.sh: install test skipped: making a Debian 12 chroot needs root and mmdebstrap"
    exit 0
fi
mirror=http://deb.debian.org/debian
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    mirror=/etc/apt/sources.list.d/debian.sources
fi
if ! getent hosts deb.debian.org >/dev/null 2>&1; then
    echo "package.sh: install test skipped: the Debian mirror cannot be reached"
    exit 0
fi

# The downloaded packages are kept between runs, so only the first install test fetches them.
cache=${XDG_CACHE_HOME:-$HOME/.cache}/pixora-package/apt
mkdir -p "$cache"
sample=$source_root/tests/fuzz/corpus/npm/text.npm
# The editor is started headless with a user name already set, so no first-start question is
# asked; it must still be running after five seconds (timeout's 124), not have failed to start.
editor_check='mkdir -p /tmp/home/.config/Brellow &&
printf "[Settings]\r\nUserName=Package test\r\n" >/tmp/home/.config/Brellow/Brellow.ini &&
HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config QT_QPA_PLATFORM=offscreen timeout 5 pixora;
test $? -eq 124'
install_start=$(date +%s)
mmdebstrap --variant=apt --quiet --skip=download/empty --skip=essential/unlink \
    --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in '$cache' /var/cache/apt/archives" \
    --customize-hook="copy-in '$outdir/$deb' '$sample' /tmp" \
    --customize-hook='chroot "$1" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends /tmp/'"$deb" \
    --customize-hook="sync-out /var/cache/apt/archives '$cache'" \
    --customize-hook='chroot "$1" pixora-cli --version' \
    --customize-hook='chroot "$1" sh -c "pixora-cli show /tmp/text.npm | head -n 3"' \
    --customize-hook='chroot "$1" sh -c "pixora-cli thumbnail /tmp/text.npm /tmp/thumb.png && test -s /tmp/thumb.png"' \
    --customize-hook="chroot \"\$1\" sh -c '$editor_check'" \
    bookworm /dev/null "$mirror"
echo "package.sh: installed and started in a fresh Debian 12 chroot ($(($(date +%s) - install_start)) s)"
