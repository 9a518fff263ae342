#!/usr/bin/env bash
# Builds everything with the tests (Debug, into build-test/) and runs the
# whole suite through CTest. The window tests use Qt's offscreen platform, so
# no desktop is needed.
set -euo pipefail

cd "$(dirname "$0")"
source tools/packages.sh

quelta_install_missing_packages

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-test -j2

export QT_QPA_PLATFORM=offscreen
cd build-test
ctest --output-on-failure -j2
