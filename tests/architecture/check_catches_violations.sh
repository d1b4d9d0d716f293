#!/usr/bin/env bash
# The architecture check on a small tree of its own: silent on includes the
# arrows allow, and it names each kind of wrong include.
#   check_catches_violations.sh <project root>
set -euo pipefail
project="$1"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/docs" "$tree/src/settings" "$tree/src/host" "$tree/src/engine" "$tree/src/window"
cp "$project/docs/architecture.md" "$tree/docs/"
check() { "$project/tools/check-architecture.sh" "$tree" 2>&1; }

echo '#include "common/text.h"' > "$tree/src/settings/keys.cpp"
echo '#include "engine/script_engine.h"' > "$tree/src/host/shell.cpp"
echo '#include "engine/library/calendar.h"' > "$tree/src/engine/dates.cpp"
printf '#include <QWidget>\n#include "dialogs/caption_font.h"\n' > "$tree/src/window/panel.cpp"
check > /dev/null || { echo "FAIL: allowed includes were refused"; check; exit 1; }

expect() {  # expect <file> <include line> <part of the message>
  echo "$2" >> "$tree/$1"
  if out="$(check)"; then echo "FAIL: '$2' in $1 passed"; exit 1; fi
  grep -qF "$3" <<< "$out" || { echo "FAIL: '$2' in $1: $out"; exit 1; }
  sed -i '$d' "$tree/$1"
}
expect src/settings/keys.cpp '#include "engine/variant.h"' "settings may not use engine"
expect src/settings/keys.cpp '#include "window/main_window.h"' "settings may not use window"
expect src/host/shell.cpp '#include "engine/interpreter.h"' "engine/interpreter.h is private to the engine"
expect src/engine/dates.cpp '#include <QDate>' "engine may not use Qt"
mkdir -p "$tree/src/stray" && echo '' > "$tree/src/stray/a.cpp"
check > /dev/null && { echo "FAIL: a folder outside the table passed"; exit 1; }
echo "PASS"
