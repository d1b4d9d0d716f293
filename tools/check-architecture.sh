#!/usr/bin/env bash
# Checks that every part under src/ includes only what the arrows of
# docs/architecture.md let it use:
#
#   tools/check-architecture.sh [source root] [architecture file]
#
# Each folder src/<part> is a part. A line `#include "<other>/..."` in one of
# its files is allowed when <other> is the part itself or one of the parts it
# may use; outside the engine, an engine header must be one of the engine's
# public headers; and a part not marked as using Qt includes no Qt header.
# Prints every violation as file:line and exits 1 if there is one.
set -euo pipefail

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
table="${2:-$root/docs/architecture.md}"

# The table: the lines between the two markers, `part: used parts...`, and
# `engine public: headers...`; "qt" among the used parts allows Qt headers.
declare -A allowed
public=" "
while IFS= read -r line; do
  line="${line#"${line%%[![:space:]]*}"}"
  [[ -z "$line" || "$line" == \#* ]] && continue
  key="${line%%:*}"
  value="${line#*:}"
  if [[ "$key" == "engine public" ]]; then
    public+="$value "
  else
    allowed["$key"]=" $value "
  fi
done < <(sed -n '/<!-- arrows begin -->/,/<!-- arrows end -->/p' "$table" | grep -v -- '<!--' | grep -v '^```')

if [[ ${#allowed[@]} -eq 0 ]]; then
  echo "check-architecture: no arrows found in $table" >&2
  exit 2
fi

violations=0
report() {
  echo "$1" >&2
  violations=$((violations + 1))
}

for dir in "$root"/src/*/; do
  part="$(basename "$dir")"
  if [[ -z "${allowed[$part]+set}" ]]; then
    report "src/$part: a folder that docs/architecture.md does not list as a part"
    continue
  fi
  uses="${allowed[$part]}"
  while IFS= read -r hit; do
    file="${hit%%:*}"
    rest="${hit#*:}"
    number="${rest%%:*}"
    text="${rest#*:}"
    where="${file#"$root"/}:$number"
    if [[ "$text" =~ \#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*)[/\>] ]]; then
      [[ "$uses" == *" qt "* ]] || report "$where: $part may not use Qt (${BASH_REMATCH[1]})"
      continue
    fi
    [[ "$text" =~ \#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
    header="${BASH_REMATCH[1]}"
    other="${header%%/*}"
    [[ "$other" == "$header" || "$other" == "$part" ]] && continue
    if [[ "$uses" != *" $other "* ]]; then
      report "$where: $part may not use $other ($header)"
    elif [[ "$other" == engine && "$public" != *" ${header#engine/} "* ]]; then
      report "$where: $header is private to the engine"
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$dir" --include='*.h' --include='*.cpp' || true)
done

if [[ $violations -gt 0 ]]; then
  echo "check-architecture: $violations include(s) against docs/architecture.md" >&2
  exit 1
fi
echo "check-architecture: every include follows docs/architecture.md"
