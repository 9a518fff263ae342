#!/bin/sh
# Runs lintian on the package and fails on any error. Warnings are printed
# but do not fail: the ones left are listed in the package's notes.
# Usage: package_passes_lintian.sh <package folder> <install prefix>
set -eu
package_folder=$1
prefix=$2

if [ "$prefix" != /usr ]; then
    echo "skipped: the build installs under $prefix, and Debian packages install under /usr" >&2
    exit 77
fi
set -- "$package_folder"/quelta_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "expected exactly one package in $package_folder" >&2
    exit 1
fi

# lintian exits non-zero on an error in the package and on a failure of its
# own, both of which fail the test.
exec lintian --info --display-level '>=warning' --fail-on error "$1"
