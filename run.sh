#!/usr/bin/env bash
# Builds the table (Release, into build/) and starts it from build/app, where
# the program finds its picture files and its help file.
set -euo pipefail

cd "$(dirname "$0")"
source tools/packages.sh

quelta_install_missing_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Quelta is built (build/app/quelta), but it needs a desktop to show its window:" >&2
    echo "neither DISPLAY nor WAYLAND_DISPLAY is set. Run ./run.sh from a graphical session." >&2
    exit 1
fi

cd build/app
exec ./quelta
