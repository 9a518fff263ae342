#!/usr/bin/env bash
# The game logic and the analyser must build and run without a desktop: nothing in game/,
# layout/, results/, analysis/, systems/ or the interface files directly in ui/ may include Qt.
# Usage: check_no_qt.sh [source-root]   (default: the directory above this one)
set -euo pipefail

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

files=()
while IFS= read -r -d '' file; do
    files+=("$file")
done < <(
    for dir in game layout results analysis systems; do
        [ -d "$dir" ] && find "$dir" -type f \( -name '*.h' -o -name '*.cpp' \) -print0
    done
    [ -d ui ] && find ui -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) -print0
    true
)
if [ "${#files[@]}" -eq 0 ]; then
    echo "check_no_qt: no logic sources found under $root" >&2
    exit 2
fi

# A Qt include is a module header (<QtWidgets>, <QtCore/qstring.h>), a class
# header (<QLabel>, "QString") or a lower-case Qt header (<qglobal.h>).
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*(<|")(Qt[A-Za-z]*(/|>|")|Q[A-Z][A-Za-z]*(\.h)?(>|")|q[a-z0-9_]+\.h>)'
if offenders=$(grep -HnE "$pattern" "${files[@]}"); then
    echo "Qt included in the game logic, which must stay Qt-free:" >&2
    echo "$offenders" >&2
    exit 1
fi
echo "check_no_qt: ${#files[@]} logic files, none includes Qt"
