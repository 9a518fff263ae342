#!/bin/sh
# Unpacks the package into a scratch root and runs the command-line analyser
# from it: its help, its manual page, and a named system found in the
# package's own data folder. Usage: installed_analyser_runs.sh <package folder>
set -eu
set -- "$1"/quelta_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "expected exactly one package in $(dirname "$1")" >&2
    exit 1
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$1" "$root"

analyser=$(find "$root" -type f -name quelta-analyse)
if [ -z "$analyser" ] || [ ! -x "$analyser" ]; then
    echo "the package lacks quelta-analyse" >&2
    exit 1
fi
if [ -z "$(find "$root" -path '*/man/man6/quelta-analyse.6.gz')" ]; then
    echo "the package lacks the manual page of quelta-analyse" >&2
    exit 1
fi
"$analyser" --help | grep -q -- '--sessions'
"$analyser" --list | grep -q '^martingale-red$'
"$analyser" martingale-red --sessions 1000 --seed 1 --json | grep -q '"method":'
