#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (run as root). Safe to run again.
set -euo pipefail

packages=(
    cmake make g++-mingw-w64-x86-64 googletest   # cross toolchain and test framework
    wine wine64                                   # the Win32 API the program runs on here
    xvfb imagemagick                              # a virtual display and its screenshots
    fonts-ipafont-gothic                          # Japanese glyphs for the message boxes
    locales attr e2fsprogs python3                # ja_JP locale, fixtures, icon build
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the Unix locale: ja_JP.UTF-8 gives 932 (Shift-JIS).
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "Generating the ja_JP.UTF-8 locale"
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
