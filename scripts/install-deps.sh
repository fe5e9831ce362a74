#!/bin/sh
# Installs the Debian 12 packages that building, running and testing need; skips what is there.
set -e
packages="cmake ninja-build g++ pkg-config ccache qtbase5-dev zlib1g-dev qttools5-dev qttools5-dev-tools
libqt5svg5-dev libhidapi-dev libhidapi-hidraw0 fonts-font-awesome libx11-dev libxtst-dev xvfb xauth
x11-utils imagemagick clang-format fonts-droid-fallback xdotool g++-mingw-w64-x86-64
dpkg-dev desktop-file-utils appstream lintian clang libclang-rt-14-dev qttranslations5-l10n"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages:$missing. Run as root or: sudo apt-get install$missing" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
