#!/bin/sh
# Unpacks the package into a scratch root, checks what it holds, and starts
# the program there the way its desktop entry does, with the window probe
# loaded. Usage: installed_program_starts.sh <package folder> <probe library> <metainfo name>
set -eu
package_folder=$1
probe=$2
metainfo=$3

set -- "$package_folder"/quelta_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "expected exactly one package in $package_folder" >&2
    exit 1
fi
package=$1

if ! dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6'; then
    echo "the package does not depend on the Qt libraries the program links" >&2
    exit 1
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"

entry=$(find "$root" -path '*/share/applications/quelta.desktop')
program=$(sed -n 's/^Exec=//p' "$entry")
folder=$(sed -n 's/^Path=//p' "$entry")
share=$(dirname "$folder")
for file in "$program" "$folder/euroback.dib" "$folder/amerback.dib" "$folder/chip.dib" "$folder/wheel2.dib" \
    "$folder/Vuzivadi.hlp" "$share/icons/hicolor/32x32/apps/quelta.png" "$share/metainfo/$metainfo"; do
    if [ ! -f "$root$file" ]; then
        echo "the package lacks $file" >&2
        exit 1
    fi
done

cd "$root$folder"
QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" timeout 60 "$root$program"
