#!/usr/bin/env bash
# Installs what building, running and testing Tavrel needs on Debian 12, as root or through sudo:
# also the checkers of the installed menu entry and metainfo (desktop-file-utils, appstream), and
# what cpack -G DEB reads the package's library dependencies with (dpkg-dev, file).
# Translations: lupdate/lrelease, Qt's own translations, and fonts for Japanese and Chinese.
# Does nothing (and needs no network) when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev libgl-dev
    qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei fonts-ipafont-gothic
    ffmpeg libavformat-dev libavcodec-dev libavutil-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
    gstreamer1.0-plugins-ugly gstreamer1.0-libav
    xvfb xauth
    desktop-file-utils appstream
    dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
