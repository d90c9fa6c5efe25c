#!/bin/bash
# Installs what building and testing Tarvell needs on Debian 12. Safe to run again:
# it does nothing when every package is already there.
set -euo pipefail

packages=(wine wine32:i386 wine64 g++-mingw-w64-i686 mingw-w64-tools g++ cmake make googletest
          xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic python3 locales)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
        "${missing[@]}" >/dev/null
fi
# Japanese sessions (TARVELL_LANG=ja): Wine takes the language from the glibc locale,
# and draws Japanese with the IPA Gothic fonts (installed above).
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
$sudo "$(dirname "$0")/ia32-support.sh"
